#include "ReplacementFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

#include "Error.h"

namespace vw::stuf {
namespace {

constexpr size_t kBuffer = 1024 * 1024;

std::string RandomSuffix() {
    thread_local std::mt19937_64 generator{std::random_device{}() ^
                                           (static_cast<uint64_t>(::getpid()) << 32)};
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string out;
    uint64_t v = generator();
    for (int i = 0; i < 12; ++i) {
        out += kDigits[v % 36];
        v /= 36;
    }
    return out;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string LastComponent(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {
    if (target_.empty())
        throw Error(ErrorNumber::FileNotFound, "Cannot create a file without a name");
    const std::string folder = FolderOf(target_);
    for (int attempt = 0;; ++attempt) {
        temp_ = JoinPath(folder, ".vwtmp-" + RandomSuffix());
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) break;
        if (errno != EEXIST || attempt == 100) {
            const int err = errno;
            temp_.clear();
            throw ErrorFromErrno(err, "Cannot create", target_);
        }
    }
    buffer_.reserve(kBuffer);
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

void ReplacementFile::Flush() {
    const uint8_t* p = buffer_.data();
    size_t n = buffer_.size();
    while (n > 0) {
        const ssize_t put = ::write(fd_, p, n);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throw ErrorFromErrno(errno, "Cannot write", target_);
        p += put;
        n -= static_cast<size_t>(put);
    }
    buffer_.clear();
}

void ReplacementFile::Write(const void* data, size_t n) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (n > 0) {
        if (buffer_.size() == kBuffer) Flush();
        const size_t take = std::min(n, kBuffer - buffer_.size());
        buffer_.insert(buffer_.end(), bytes, bytes + take);
        bytes += take;
        n -= take;
    }
}

void ReplacementFile::WriteU16(uint16_t v) {
    const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    Write(b, 2);
}

void ReplacementFile::WriteU32(uint32_t v) {
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                          static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    Write(b, 4);
}

void ReplacementFile::WriteCountedText(const std::string& bytes) {
    if (bytes.size() > 0xFFFF)
        throw Error(ErrorNumber::InvalidCall, "A text of " + std::to_string(bytes.size()) +
                                                  " bytes does not fit a package (65,535 at most)");
    WriteU16(static_cast<uint16_t>(bytes.size()));
    Write(bytes.data(), bytes.size());
}

void ReplacementFile::Commit(bool durable) {
    Flush();
    if (durable && ::fsync(fd_) != 0) throw ErrorFromErrno(errno, "Cannot write", target_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw ErrorFromErrno(errno, "Cannot write", target_);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        throw ErrorFromErrno(errno, "Cannot replace", target_);
    committed_ = true;
}

}  // namespace vw::stuf
