#include "ReplacingWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "DiskCalls.h"
#include "Error.h"
#include "PrivateFolder.h"

namespace vw {
namespace {

// The umask, read without changing it: setting it to look at it would race with
// other threads creating files.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A replaced regular file keeps its permission bits; a new one (also one that
// replaces a link) gets at most `wanted`, less the umask.
mode_t ModeFor(const std::string& target, mode_t wanted) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 0777;
    return wanted & 0666 & ~CurrentUmask();
}

// Opens a device, a pipe or a /proc-named open file for writing into it; appending
// keeps what a shell's ">>" put before us. Standard output is the descriptor this
// process was given, never reopened by name: a copy of it shares the shell's offset.
int OpenDirect(const std::string& target) {
    const int fd = target == kStandardOutput
                       ? ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3)
                       : ::open(target.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), target);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode) ||
                                  S_ISREG(st.st_mode) || S_ISSOCK(st.st_mode)))
        return fd;
    ::close(fd);
    RefuseOutput(target);
}

// How `target` is written under `links`: a package entry never writes into a
// device or a FIFO, though a link to one is just a link there.
OutputTarget KindFor(const std::string& target, ReplacingWriter::Links links) {
    const OutputTarget kind = KindOfOutput(target);
    if (kind != OutputTarget::Direct || links == ReplacingWriter::Links::WriteIntoDevices)
        return kind;
    struct stat st {};
    const bool link = ::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    return link ? OutputTarget::Replaced : OutputTarget::Unusable;
}

}  // namespace

ReplacingWriter::ReplacingWriter(const std::string& target, Links links)
    : target_(target), kind_(KindFor(target, links)) {
    if (target_.empty())
        throw Error(ErrorNumber::FileNotFound,
                    Text(VW_TEXT("Errors", "Cannot create a file without a name")));
    if (kind_ == OutputTarget::Unusable) RefuseOutput(target_);
    if (kind_ == OutputTarget::Direct) {
        direct_ = OpenDirect(target_);
        const std::string base = PrivateBase();
        if (base.empty())
            throw Error(ErrorNumber::PermissionDenied,
                        Text(VW_TEXT("Errors",
                                     "Permission denied: no private folder to check the "
                                     "contents in before they are written to '%1' (%2 "
                                     "is not this user's own)"),
                             {target_, CacheBase()}));
        spool_ = std::make_unique<PrivateFolder>(base, kRunPrefix);
        temp_.emplace(spool_->Path(), target_);
    } else {
        temp_.emplace(std::filesystem::path(target_).parent_path().string(), target_);
    }
    out_ = std::make_unique<FileWriter>(temp_->Fd(), target_);
}

ReplacingWriter::~ReplacingWriter() {
    out_.reset();  // the writer closes, then the file goes
    temp_.reset();
    if (direct_ >= 0) ::close(direct_);
}

void ReplacingWriter::CopySpoolTo(int fd) {
    out_->Flush();
    FileReader spool("/proc/self/fd/" + std::to_string(out_->Fd()));
    FileWriter direct(fd, target_);
    std::vector<uint8_t> buf(1 << 20);
    while (spool.Remaining() > 0) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(buf.size(), spool.Remaining()));
        spool.ReadBytes(buf.data(), n, VW_FIELD("Fields", "the written contents"));
        direct.WriteBytes(buf.data(), n);
    }
    direct.Close();
}

Text ReplacingWriter::Commit(CommitOptions options) {
    if (direct_ >= 0) {
        const int fd = direct_;
        direct_ = -1;  // the copy's writer closes it
        CopySpoolTo(fd);
        return "";
    }
    const bool replacing = kind_ == OutputTarget::Replaced;
    out_->Flush();
    if ((options.durable || replacing) && disk::Fsync(out_->Fd()) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), target_);
    Text warning;
    if (disk::Fchmod(out_->Fd(), ModeFor(target_, options.newFileMode)) != 0)
        warning = Text(VW_TEXT("Errors", "The permissions of '%1' could not be set: %2"),
                       {target_, std::strerror(errno)});
    temp_->PlaceAt(target_, replacing);
    temp_.reset();
    out_->Close();
    if (replacing) {
        const auto folder = std::filesystem::path(target_).parent_path();
        disk::SyncFolder(folder.empty() ? "." : folder.string(), target_);
    }
    return warning;
}

}  // namespace vw
