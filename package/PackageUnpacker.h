#pragma once
// A STUF20 package read as it arrives (PackageReader) and unpacked into a
// staging folder: no package file, and memory that follows the fields, never an
// entry's contents. A slot's name, size and compression flag come after its
// contents, so each slot's contents wait under the slot's number in a private
// folder inside the staging folder; Finish then places the files 1 to
// EntryCount in the staging folder under their names (inflating a compressed
// one), once every name has been checked.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "PackageReader.h"

namespace vw {
class FileWriter;
class PrivateFolder;
class StagingFolder;
}  // namespace vw

namespace vw::stuf {

class PackageUnpacker : public ByteSink, private SlotContents {
public:
    using FreeSpace = std::function<uint64_t(const std::string&)>;
    // Reads a package of exactly `size` bytes for the destination folder `dest`,
    // whose staging folder is `staging`. Failure texts name the package `label`.
    PackageUnpacker(StagingFolder& staging, std::string dest, uint64_t size, std::string label,
                    FreeSpace freeSpace = {});
    ~PackageUnpacker() override;
    PackageUnpacker(const PackageUnpacker&) = delete;
    PackageUnpacker& operator=(const PackageUnpacker&) = delete;

    // Throws vw::Error for a package that is damaged, cut short, or would place a
    // file outside the destination, as soon as the bytes show it.
    void Write(const uint8_t* data, size_t len) override { reader_.Write(data, len); }

    // Places the entries in the staging folder and returns them in package order.
    // Throws unless the whole package arrived; refuses before placing any when a
    // name is not a plain file name, two entries share a name, or the files would
    // not fit the destination.
    std::vector<PackageFile> Finish();

private:
    // The contents of each slot wait in the private folder under its number; the
    // disk must have room for them before they are written.
    void Begin(uint32_t slot, uint32_t count) override;
    void Bytes(const uint8_t* data, size_t n) override;
    void End() override;
    void Place(const PackageFile& file, const std::string& target);

    StagingFolder& staging_;
    std::string dest_;
    FreeSpace freeSpace_;
    std::unique_ptr<PrivateFolder> slots_;  // the contents of each slot, by number
    std::unique_ptr<FileWriter> contents_;  // the slot's contents being written
    uint64_t freeSeen_ = 0;  // free bytes at the destination, less the contents since
    PackageReader reader_;
};

}  // namespace vw::stuf
