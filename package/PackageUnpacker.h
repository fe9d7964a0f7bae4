#pragma once
// A STUF20 package read as it arrives, a piece at a time, and unpacked into a
// staging folder: no package file, and memory that follows the fields, never an
// entry's contents. A slot's name, size and compression flag come after its
// contents, and EntryCount after the whole table, so each slot's contents wait
// under the slot's number in a private folder inside the staging folder; Finish
// then places the files 1 to EntryCount in the staging folder under their names
// (inflating a compressed one), once every name has been checked.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ByteStream.h"

namespace vw {
class Error;
class FileWriter;
class PrivateFolder;
class StagingFolder;
}  // namespace vw

namespace vw::stuf {

class PackageUnpacker : public ByteSink {
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
    void Write(const uint8_t* data, size_t len) override;

    // Places the entries in the staging folder and returns their names in package
    // order. Throws unless the whole package arrived; refuses before placing any
    // when a name is not a plain file name, two entries share a name, or the files
    // would not fit the destination.
    std::vector<std::string> Finish();

private:
    enum class Step : uint8_t;
    struct Entry {
        std::string name;  // stored bytes
        int32_t fileSize = 0;
        int16_t compressed = 0;
        bool hasContents = false;
    };

    std::string Where(Step step) const;
    Error PastEnd(Step step, const char* what, uint64_t need, uint64_t have) const;
    void Need(Step step, uint64_t bytes, const char* what);
    void TakeField();
    void NextSlot();
    void StartContents(uint32_t count);
    void EndContents();
    void Place(uint32_t number, const std::string& name, const std::string& target);

    StagingFolder& staging_;
    std::string dest_;
    std::string label_;
    FreeSpace freeSpace_;
    std::unique_ptr<PrivateFolder> slots_;  // the contents of each slot, by number
    std::unique_ptr<FileWriter> contents_;  // the slot's contents being written
    std::vector<Entry> entries_;            // every slot read so far
    uint64_t left_ = 0;                     // bytes of the package still to come
    uint64_t contentsLeft_ = 0;
    uint64_t freeSeen_ = 0;  // free bytes at the destination, less the contents since
    uint32_t slotCount_ = 0;
    int32_t entryCount_ = -1;
    Step step_;
    uint64_t need_ = 0;  // bytes of the field being gathered
    const char* what_ = "";
    std::string field_;
};

}  // namespace vw::stuf
