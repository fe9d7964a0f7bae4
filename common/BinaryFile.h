#pragma once
// Buffered little-endian file reading and writing with every failure turned into
// a vw::Error. The reader knows how many bytes remain and refuses any read or
// allocation larger than that, so a damaged count can never make it allocate
// more than the file holds.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Error.h"

namespace vw {

// Whether a reader opens the file a symbolic link names, or refuses the link.
enum class Links { Follow, Refuse };

// "Input past end of file: '<path>' is damaged or not of this kind (<what> needs
// <need> bytes, only <have> remain)", error 62: a field the bytes left cannot hold.
Error Truncated(const std::string& path, const char* what, uint64_t need, uint64_t have);

class FileReader {
public:
    explicit FileReader(const std::string& path, Links links = Links::Follow);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    const std::string& Path() const { return path_; }
    uint64_t Size() const { return size_; }
    mode_t Mode() const { return mode_; }  // the permission bits
    uint64_t Position() const { return position_; }
    uint64_t Remaining() const { return size_ - position_; }

    // Throws Error 62 naming `what` unless `n` more bytes remain.
    void Require(uint64_t n, const char* what) const;

    uint16_t ReadU16(const char* what);
    int16_t ReadI16(const char* what) { return static_cast<int16_t>(ReadU16(what)); }
    uint32_t ReadU32(const char* what);
    int32_t ReadI32(const char* what) { return static_cast<int32_t>(ReadU32(what)); }
    void ReadBytes(void* dst, size_t n, const char* what);
    std::vector<uint8_t> ReadByteArray(uint64_t n, const char* what);
    std::string ReadText(size_t n, const char* what);
    void Seek(uint64_t position, const char* what);
    void Skip(uint64_t n, const char* what) {
        Require(n, what);
        Seek(position_ + n, what);
    }

private:
    void CheckRegular();
    void Fill();
    void ReadDirect(uint8_t* out, size_t n, const char* what);

    std::string path_;
    int fd_ = -1;
    uint64_t size_ = 0;
    mode_t mode_ = 0;
    uint64_t position_ = 0;  // logical position of the next byte handed out
    std::vector<uint8_t> buffer_;
    size_t bufferPos_ = 0;
    size_t bufferLen_ = 0;
};

class FileWriter {
public:
    enum class Mode {
        KeepExisting,  // open or create, write from offset 0, never truncate
        Truncate,      // open or create, empty it first
        CreateNew,     // create; fail when something exists at the path
    };
    // `shownPath`, when given, is the name errors speak of (a temporary file's target).
    FileWriter(const std::string& path, Mode mode, mode_t permissions = 0666,
               std::string shownPath = {});
    // Takes over the open descriptor `fd`; errors name `shownPath`.
    FileWriter(int fd, std::string shownPath);
    ~FileWriter();  // closes without reporting; call Close() to see errors
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    const std::string& Path() const { return path_; }
    uint64_t Position() const { return position_; }
    int Fd() const { return fd_; }

    void WriteU16(uint16_t v);
    void WriteI16(int16_t v) { WriteU16(static_cast<uint16_t>(v)); }
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    void WriteBytes(const void* src, size_t n);
    void WriteText(const std::string& bytes) { WriteBytes(bytes.data(), bytes.size()); }

    void Flush();
    // Flushes and closes (after fsync when `durable`); throws on any failure (a full
    // disk shows here at the latest).
    void Close(bool durable = false);

private:
    void WriteRaw(const uint8_t* src, size_t n);

    std::string path_;
    std::string shownPath_;
    int fd_ = -1;
    uint64_t position_ = 0;
    std::vector<uint8_t> buffer_;
    size_t bufferLen_ = 0;
};

}  // namespace vw
