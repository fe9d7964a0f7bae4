#include "BinaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Error.h"

namespace vw {
namespace {

constexpr size_t kReadBuffer = 64 * 1024;
constexpr size_t kWriteBuffer = 256 * 1024;

[[noreturn]] void NotRegular(const std::string& path) {
    throw Error(
        ErrorNumber::PathFileAccess,
        Text(VW_TEXT("Errors", "Path/File access error: '%1' is not a regular file"), {path}));
}

}  // namespace

Error Truncated(const std::string& path, const char* what, uint64_t need, uint64_t have) {
    return Error(ErrorNumber::InputPastEnd,
                 Text(VW_TEXT("Errors",
                              "Input past end of file: '%1' is damaged or not of this "
                              "kind (%2 needs %3 bytes, only %4 remain)"),
                      {path, Text(Template{kFieldContext, what, nullptr}), std::to_string(need),
                       std::to_string(have)}));
}

FileReader::FileReader(const std::string& path, Links links) : path_(path) {
    // A device is not even opened (opening some has effects); the check after the
    // open is the one that counts. Without O_NONBLOCK, opening a FIFO would wait
    // for a writer that may never come. O_NOFOLLOW refuses a link that appears
    // between the look and the open.
    const bool follow = links == Links::Follow;
    struct stat st {};
    if ((follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) == 0 &&
        !S_ISREG(st.st_mode))
        NotRegular(path);
    fd_ = ::open(path.c_str(),
                 O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (follow ? 0 : O_NOFOLLOW));
    if (fd_ < 0 && errno == ELOOP && !follow) NotRegular(path);
    if (fd_ < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot open"), path);
    try {
        CheckRegular();
    } catch (...) {
        ::close(fd_);
        throw;
    }
    buffer_.resize(kReadBuffer);
}

void FileReader::CheckRegular() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"), path_);
    // A pipe or a device reports no size: read as a file, its bytes would be lost.
    if (!S_ISREG(st.st_mode)) NotRegular(path_);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    size_ = static_cast<uint64_t>(st.st_size);
    mode_ = st.st_mode & 07777;
    // Files of /proc and /sys report the size 0 and yet hold data.
    uint8_t probe;
    if (size_ == 0 && ::pread(fd_, &probe, 1, 0) > 0)
        throw Error(
            ErrorNumber::PathFileAccess,
            Text(VW_TEXT("Errors", "Path/File access error: '%1' reports no size but holds data"),
                 {path_}));
}

FileReader::~FileReader() {
    if (fd_ >= 0) ::close(fd_);
}

void FileReader::Require(uint64_t n, const char* what) const {
    if (n > Remaining()) throw Truncated(path_, what, n, Remaining());
}

void FileReader::Fill() {
    bufferPos_ = 0;
    bufferLen_ = 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"), path_);
        bufferLen_ = static_cast<size_t>(got);
        return;
    }
}

void FileReader::ReadBytes(void* dst, size_t n, const char* what) {
    Require(n, what);
    auto* out = static_cast<uint8_t*>(dst);
    while (n > 0) {
        if (bufferPos_ == bufferLen_ && n >= buffer_.size()) {
            ReadDirect(out, n, what);
            return;
        }
        if (bufferPos_ == bufferLen_) {
            Fill();
            // The file shrank after it was opened.
            if (bufferLen_ == 0) throw Truncated(path_, what, n, 0);
        }
        const size_t take = std::min(n, bufferLen_ - bufferPos_);
        std::memcpy(out, buffer_.data() + bufferPos_, take);
        bufferPos_ += take;
        position_ += take;
        out += take;
        n -= take;
    }
}

void FileReader::ReadDirect(uint8_t* out, size_t n, const char* what) {
    bufferPos_ = bufferLen_ = 0;  // the buffer no longer lies just before position_
    while (n > 0) {
        const ssize_t got = ::read(fd_, out, n);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"), path_);
        if (got == 0) throw Truncated(path_, what, n, 0);  // the file shrank after it was opened
        out += got;
        position_ += static_cast<uint64_t>(got);
        n -= static_cast<size_t>(got);
    }
}

uint16_t FileReader::ReadU16(const char* what) {
    uint8_t b[2];
    ReadBytes(b, 2, what);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t FileReader::ReadU32(const char* what) {
    uint8_t b[4];
    ReadBytes(b, 4, what);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

std::vector<uint8_t> FileReader::ReadByteArray(uint64_t n, const char* what) {
    Require(n, what);
    std::vector<uint8_t> out(static_cast<size_t>(n));
    ReadBytes(out.data(), out.size(), what);
    return out;
}

std::string FileReader::ReadText(size_t n, const char* what) {
    Require(n, what);
    std::string out(n, '\0');
    ReadBytes(out.data(), n, what);
    return out;
}

void FileReader::Seek(uint64_t position, const char* what) {
    if (position > size_) throw Truncated(path_, what, position - position_, Remaining());
    // Stay inside the buffer when we can; otherwise drop it.
    const uint64_t bufferStart = position_ - bufferPos_;
    if (position >= bufferStart && position <= bufferStart + bufferLen_) {
        bufferPos_ = static_cast<size_t>(position - bufferStart);
    } else {
        if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0)
            throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot read"), path_);
        bufferPos_ = bufferLen_ = 0;
    }
    position_ = position;
}

FileWriter::FileWriter(const std::string& path, Mode mode, mode_t permissions,
                       std::string shownPath)
    : path_(path), shownPath_(shownPath.empty() ? path : std::move(shownPath)) {
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
    if (mode == Mode::Truncate) flags |= O_TRUNC;
    if (mode == Mode::CreateNew) flags |= O_EXCL;
    fd_ = ::open(path.c_str(), flags, permissions);
    if (fd_ < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
    buffer_.resize(kWriteBuffer);
}

FileWriter::FileWriter(int fd, std::string shownPath)
    : path_(shownPath), shownPath_(std::move(shownPath)), fd_(fd) {
    buffer_.resize(kWriteBuffer);
}

FileWriter::~FileWriter() {
    if (fd_ >= 0) ::close(fd_);
}

void FileWriter::WriteRaw(const uint8_t* src, size_t n) {
    while (n > 0) {
        const ssize_t put = ::write(fd_, src, n);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
        src += put;
        n -= static_cast<size_t>(put);
    }
}

void FileWriter::Flush() {
    if (bufferLen_ == 0) return;
    WriteRaw(buffer_.data(), bufferLen_);
    bufferLen_ = 0;
}

void FileWriter::WriteBytes(const void* src, size_t n) {
    if (n == 0) return;
    const auto* bytes = static_cast<const uint8_t*>(src);
    position_ += n;
    if (bufferLen_ + n > kWriteBuffer) Flush();
    if (n >= kWriteBuffer) {
        WriteRaw(bytes, n);
        return;
    }
    std::memcpy(buffer_.data() + bufferLen_, bytes, n);
    bufferLen_ += n;
}

void FileWriter::WriteU16(uint16_t v) {
    const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    WriteBytes(b, 2);
}

void FileWriter::WriteU32(uint32_t v) {
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                          static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    WriteBytes(b, 4);
}

void FileWriter::Close(bool durable) {
    if (fd_ < 0) return;
    Flush();
    if (durable && ::fsync(fd_) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw ErrorFromErrno(errno, VW_TEXT("Errors", "Cannot write"), shownPath_);
}

}  // namespace vw
