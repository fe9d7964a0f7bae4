#include "ReplacingWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <vector>

#include "Error.h"

namespace modVW {
namespace {

std::string ResolveLink(const std::string& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) return resolved.string();
    }
    return target;
}

// A hidden name beside `target`: ".<name>.part<number>".
std::string TempNameBeside(const std::string& target) {
    static std::mt19937 gen(std::random_device{}());
    const std::filesystem::path p(target);
    std::string name = ".";
    name += p.filename().string();
    name += ".part";
    name += std::to_string(gen() % 1000000);
    return (p.parent_path() / name).string();
}

// The mode a new file would get, or the existing target's mode.
mode_t ModeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingWriter::ReplacingWriter(const std::string& target) : target_(ResolveLink(target)) {
    for (unsigned attempt = 0;; ++attempt) {
        temp_ = TempNameBeside(target_);
        try {
            out_ = std::make_unique<vw::FileWriter>(temp_, vw::FileWriter::Mode::CreateNew, 0600,
                                                    target);
            return;
        } catch (const vw::Error& e) {
            if (e.Number() != vw::ErrorNumber::FileExists || attempt > 20) throw;
        }
    }
}

ReplacingWriter::~ReplacingWriter() {
    if (!committed_) {
        out_.reset();
        ::unlink(temp_.c_str());
    }
}

void ReplacingWriter::CopyTail() {
    struct stat st {};
    if (::stat(target_.c_str(), &st) != 0) return;
    const auto length = static_cast<uint64_t>(st.st_size);
    if (length <= out_->Position()) return;
    vw::FileReader old(target_);
    old.Seek(out_->Position(), "the old file");
    std::vector<uint8_t> buf(1 << 20);
    while (old.Remaining() > 0) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(buf.size(), old.Remaining()));
        old.ReadBytes(buf.data(), n, "the old file");
        out_->WriteBytes(buf.data(), n);
    }
}

void ReplacingWriter::Commit(bool keepLongerTail) {
    if (keepLongerTail) CopyTail();
    out_->Close();
    ::chmod(temp_.c_str(), ModeFor(target_));
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        throw vw::ErrorFromErrno(errno, "Cannot write", target_);
    committed_ = true;
}

}  // namespace modVW
