#include "ReplacingWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "Error.h"
#include "Leftovers.h"

namespace vw {
namespace {

std::string ResolveLink(const std::string& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) return resolved.string();
    }
    return target;
}

// A short hidden name beside `target`, ".vw<8 hex digits>.part", which fits the
// folder whatever the length of the target's own name.
std::string TempNameBeside(const std::string& target) {
    static std::mt19937 gen(std::random_device{}());
    char name[32];
    std::snprintf(name, sizeof name, ".vw%08x.part", static_cast<unsigned>(gen()));
    return (std::filesystem::path(target).parent_path() / name).string();
}

// An overwrite in place keeps the file's mode; a replacement is a new file.
mode_t ModeFor(const std::string& target, bool inPlace) {
    struct stat st {};
    if (inPlace && ::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingWriter::ReplacingWriter(const std::string& target, Links links)
    : target_(links == Links::WriteThrough ? ResolveLink(target) : target), links_(links) {
    if (target_.empty())
        throw Error(ErrorNumber::FileNotFound, "Cannot create a file without a name");
    for (unsigned attempt = 0;; ++attempt) {
        temp_ = TempNameBeside(target_);
        try {
            // CreateNew never opens or follows anything that exists already.
            out_ = std::make_unique<FileWriter>(temp_, FileWriter::Mode::CreateNew, 0600, target);
            leftover_ = Leftovers::Remember(temp_.c_str());
            return;
        } catch (const Error& e) {
            if (e.Number() != ErrorNumber::FileExists || attempt > 20) throw;
        }
    }
}

ReplacingWriter::~ReplacingWriter() {
    Leftovers::Forget(leftover_);
    if (!committed_) {
        out_.reset();
        ::unlink(temp_.c_str());
    }
}

void ReplacingWriter::CopyTail() {
    struct stat st {};
    if (::lstat(target_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    const auto length = static_cast<uint64_t>(st.st_size);
    if (length <= out_->Position()) return;
    FileReader old(target_);
    old.Seek(out_->Position(), "the old file");
    std::vector<uint8_t> buf(1 << 20);
    while (old.Remaining() > 0) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(buf.size(), old.Remaining()));
        old.ReadBytes(buf.data(), n, "the old file");
        out_->WriteBytes(buf.data(), n);
    }
}

void ReplacingWriter::Commit(CommitOptions options) {
    if (options.keepLongerTail) CopyTail();
    out_->Close(options.durable);
    ::chmod(temp_.c_str(), ModeFor(target_, options.keepLongerTail));
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        throw ErrorFromErrno(errno, "Cannot replace", target_);
    committed_ = true;
    Leftovers::Forget(leftover_);
    leftover_ = -1;
}

}  // namespace vw
