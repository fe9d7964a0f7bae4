#include "ReplacingWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "Error.h"

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
// keeps what a shell's ">>" put before us.
int OpenDirect(const std::string& target) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw ErrorFromErrno(errno, "Cannot write", target);
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
        throw Error(ErrorNumber::FileNotFound, "Cannot create a file without a name");
    if (kind_ == OutputTarget::Unusable) RefuseOutput(target_);
    if (kind_ == OutputTarget::Direct) {
        out_ = std::make_unique<FileWriter>(OpenDirect(target_), target_);
        return;
    }
    temp_.emplace(std::filesystem::path(target_).parent_path().string(), target_);
    out_ = std::make_unique<FileWriter>(temp_->Fd(), target_);
}

ReplacingWriter::~ReplacingWriter() = default;  // the writer closes, then the file goes

void ReplacingWriter::Commit(CommitOptions options) {
    if (!temp_) {
        out_->Close(options.durable);
        return;
    }
    out_->Flush();
    if (options.durable && ::fsync(out_->Fd()) != 0)
        throw ErrorFromErrno(errno, "Cannot write", target_);
    if (::fchmod(out_->Fd(), ModeFor(target_, options.newFileMode)) != 0)
        throw ErrorFromErrno(errno, "Cannot write", target_);
    temp_->PlaceAt(target_);
    temp_.reset();
    out_->Close();
}

}  // namespace vw
