#pragma once
// Reading the stored bytes of a slot wherever they are: in memory, in the package
// file the session read (checked to be still that file), or in the source file a
// stored entry was added from (checked to still have the size it had then).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PackageFormat.h"
#include "PagePlacement.h"

namespace vw {
class FileReader;
}

namespace vw::stuf {

// An unnamed temporary file (O_TMPFILE, so nothing is ever left behind) that holds
// the compressed entries added in a session until the package is written, so that
// a session never holds more than one file's bytes in memory.
class Spool {
public:
    // Created in `folder`, or in the system's temporary folder when that fails.
    explicit Spool(const std::string& folder);
    ~Spool();
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;

    // Appends `n` bytes and returns the offset they start at.
    uint64_t Append(const uint8_t* data, size_t n);
    void Read(uint64_t offset, uint8_t* out, size_t n) const;

private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

class ContentsReader {
public:
    using Sink = std::function<void(const uint8_t*, size_t)>;

    // `packagePath` and `identity` describe the file the session read; an unknown
    // identity means the session started on a new package.
    ContentsReader(std::string packagePath, const FileIdentity& identity, const Spool* spool);
    ~ContentsReader();
    ContentsReader(const ContentsReader&) = delete;
    ContentsReader& operator=(const ContentsReader&) = delete;

    // Hands the slot's stored bytes (Contents as it is, compressed or not) to `sink`
    // in pieces of at most 1 MiB.
    void Stream(const Slot& slot, const Sink& sink);

    // Hands `n` bytes of the package file the session read, from `offset`, to `sink`.
    void StreamPackageBytes(uint64_t offset, uint64_t n, const Sink& sink);

    // The slot's stored bytes in one array.
    std::vector<uint8_t> Materialise(const Slot& slot);

    // Streams the file's bytes: Contents itself for a stored entry, its expansion
    // for a compressed one (Compressed -1), with the rules of DecompressEntryData.
    // `entry` names the entry in failure texts.
    void StreamFileBytes(const Slot& slot, const Sink& sink, const std::string& entry);

private:
    using Pull = std::function<void(uint8_t*, size_t)>;
    FileReader& Package();
    template <class Visit>
    void Read(const Slot& slot, Visit&& visit);

    std::string packagePath_;
    FileIdentity identity_;
    const Spool* spool_;
    std::unique_ptr<FileReader> package_;
    std::unique_ptr<vw::PlacedBuffer> chunk_;  // not zero-filled: only what is read is touched
};

// Throws unless `path` is still the file that `identity` describes.
void CheckSameFile(const std::string& path, const FileIdentity& identity);

// The identity of the file at `path` now.
FileIdentity IdentityOf(const std::string& path);

}  // namespace vw::stuf
