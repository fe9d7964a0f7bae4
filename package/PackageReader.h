#pragma once
// A STUF20 package read as it arrives, a piece at a time, with every check an
// extraction makes: each field against the bytes that remain before it is
// gathered, the counts and bounds, and at the end the files' names. What a slot
// holds goes to a SlotContents as it comes, so the reader itself keeps only the
// fields, never an entry's contents: the unpacker writes them to disk, a check
// that writes nothing drops them. A slot's name, size and compression flag come
// after its contents, and EntryCount after the whole table.

#include <cstdint>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "Text.h"

namespace vw {
class Error;
}  // namespace vw

namespace vw::stuf {

// Where the contents of each sized slot go, in slot order: Begin, the bytes in
// pieces, End. Any of them may throw to stop the reading.
class SlotContents {
public:
    virtual ~SlotContents() = default;
    virtual void Begin(uint32_t slot, uint32_t count) = 0;
    virtual void Bytes(const uint8_t* data, size_t n) = 0;
    virtual void End() = 0;
};

// A file of the package: slot `number` (1 to EntryCount).
struct PackageFile {
    uint32_t number = 0;
    std::string name;  // UTF-8 (Text1252::NameFromFile)
    int32_t fileSize = 0;
    bool compressed = false;   // Compressed -1: the contents are a zlib stream
    bool hasContents = false;  // a sized Contents array (an unsized one holds nothing)
};

// `entry` as failure texts name it: `2 "a.txt"`.
std::string EntryLabel(uint32_t number, const std::string& name);

class PackageReader : public ByteSink {
public:
    // Reads a package of exactly `size` bytes, handing slot contents to
    // `contents`. Failure texts name the package `label`.
    PackageReader(uint64_t size, std::string label, SlotContents& contents);
    ~PackageReader() override;
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    // Throws vw::Error for a package that is damaged or cut short as soon as the
    // bytes show it.
    void Write(const uint8_t* data, size_t len) override;

    // The files 1 to EntryCount in package order. Throws unless the whole package
    // arrived, or when a name is not one plain file name (see CheckEntryName; of
    // at most `nameMax` bytes when above 0) or is another file's too.
    std::vector<PackageFile> Finish(long nameMax);

    // The package's description as stored, once its field has arrived.
    const std::string& Description() const { return description_; }

private:
    enum class Step : uint8_t;
    struct Entry {
        std::string name;  // stored bytes
        int32_t fileSize = 0;
        int16_t compressed = 0;
        bool hasContents = false;
    };

    Text Where(Step step) const;
    Error PastEnd(Step step, const char* what, uint64_t need, uint64_t have) const;
    void Need(Step step, uint64_t bytes, const char* what);
    void TakeField();
    void NextSlot();
    void StartContents(uint32_t count);
    void EndContents();

    std::string label_;
    SlotContents& contents_;
    std::vector<Entry> entries_;  // every slot read so far
    uint64_t left_ = 0;           // bytes of the package still to come
    uint64_t contentsLeft_ = 0;
    uint32_t slotCount_ = 0;
    int32_t entryCount_ = -1;
    Step step_;
    uint64_t need_ = 0;  // bytes of the field being gathered
    const char* what_ = "";
    std::string field_;
    std::string description_;
};

}  // namespace vw::stuf
