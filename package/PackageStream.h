#pragma once
// A new package of stored files, written as a stream instead of a file: its
// layout follows from the files' names and sizes alone (entries are stored, not
// compressed), so its bytes can be handed on as they are read, each file's
// contents straight from the file into the reader's buffer. The bytes are those
// cSTUF20 writes for a new package with this description and these files added
// uncompressed, in this order.

#include <cstdint>
#include <string>
#include <vector>

#include "ByteStream.h"

namespace vw::stuf {

struct StreamedFile {
    std::string path;        // opened when its contents are reached, closed after them
    std::string storedName;  // EntryName, stored (Windows-1252) bytes
    uint64_t size = 0;       // as listed; the file must still hold exactly this much
};

class PackageStream : public ByteSource {
public:
    // Throws vw::Error when a text does not fit the package (65,535 bytes at most)
    // or a file is larger than an entry holds.
    PackageStream(const std::string& storedDescription, std::vector<StreamedFile> files);
    ~PackageStream() override;
    PackageStream(const PackageStream&) = delete;
    PackageStream& operator=(const PackageStream&) = delete;

    uint64_t Size() const { return size_; }

    // Throws vw::Error when a file cannot be opened or read, is no longer a
    // regular file, or no longer holds the bytes it was listed with.
    size_t Read(uint8_t* data, size_t len) override;

    // Where the package's byte at `offset` lies in the file it is read from, modulo
    // any multiple of 2^64: a byte of the fields before a file's contents counts as
    // that file's, so a read that runs into the contents is placed for them.
    uint64_t FilePositionOf(uint64_t offset) const;

private:
    size_t ReadFields(uint8_t* data, size_t len);
    size_t ReadContents(uint8_t* data, size_t len);
    void Advance(size_t n, uint64_t pieceSize);
    void Open(const StreamedFile& file);
    void CloseFile();

    std::vector<StreamedFile> files_;
    std::vector<std::string> fields_;  // fields_[i] comes before files_[i]; the last ends it
    std::vector<uint64_t> ends_;       // package offset after each file's contents
    uint64_t size_ = 0;
    size_t piece_ = 0;   // 2i: fields_[i], 2i + 1: files_[i]
    uint64_t done_ = 0;  // bytes of the current piece handed on
    int fd_ = -1;
};

}  // namespace vw::stuf
