#pragma once
// The STUF20 package file as the package object holds it: every field of
// the header and of each slot, byte for byte, but each entry's Contents only as a
// reference to where its bytes are (the package file it was read from, the source
// file it was added from, or memory for a compressed entry), so that a package
// never needs the bytes of all its files in memory at once.

#include <sys/types.h>

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace vw::stuf {

class ContentsReader;

// Smallest slot: Contents with 0 dimensions (2), EntryName (2), FileSize (4),
// Compressed (2), two reserved texts (4), ReservedBytes (8).
constexpr uint64_t kMinSlotBytes = 22;

enum class ContentsWhere : uint8_t {
    Unsized,     // dimension count 0: an array that was never given a size
    Memory,      // `Extra().bytes`
    Package,     // `count` bytes at `offset` of the package file the session read
    SourceFile,  // the whole of `Extra().sourcePath`, which held `count` bytes when added
    Spool,       // `count` bytes at `offset` of the session's spool (a compressed entry)
};

// The less common parts of a slot, kept apart so that a slot read from a package
// costs little memory.
struct SlotExtra {
    std::string reservedText1;
    std::string reservedText2;
    std::vector<uint8_t> bytes;  // ContentsWhere::Memory
    std::string sourcePath;      // ContentsWhere::SourceFile, absolute
};

struct Slot {
    // Contents
    ContentsWhere where = ContentsWhere::Unsized;
    int32_t lowerBound = 0;  // as read; this system writes 0
    uint32_t count = 0;      // element count N: the number of stored bytes
    uint64_t offset = 0;     // ContentsWhere::Package and ContentsWhere::Spool
    // The other fields, in their file form.
    std::string name;  // EntryName, stored (Windows-1252) bytes
    int32_t fileSize = 0;
    int16_t compressed = 0;
    std::array<uint8_t, 8> reservedBytes{};
    std::unique_ptr<SlotExtra> extra;

    SlotExtra& Extra() {
        if (!extra) extra = std::make_unique<SlotExtra>();
        return *extra;
    }
    const std::string& ReservedText1() const;
    const std::string& ReservedText2() const;
};

// Slots past EntryCount + 1 of a package that was read: no reader uses them, so
// they stay in the package file and are copied from there byte for byte when the
// package is written back. A table may claim millions of them.
struct SlotTail {
    uint32_t count = 0;
    uint64_t offset = 0;  // where the first of them starts in the package file
    uint64_t bytes = 0;
};

struct Header {
    std::string description;  // stored bytes
    bool tableSized = false;  // the entry table was written with 1 dimension
    std::vector<Slot> slots;  // slots 0 to EntryCount + 1 at most
    SlotTail tail;            // the rest of the table
    int32_t entryCount = 0;
    std::string formatTag;  // stored bytes
    std::string reservedText1;
    std::string reservedText2;
    int32_t reservedNumber1 = 0;
    int32_t reservedNumber2 = 0;
};

// What identifies the package file a session read, so that a later read of one of
// its entries can tell whether the file is still the one it was.
struct FileIdentity {
    bool known = false;
    dev_t device = 0;
    ino_t inode = 0;
    uint64_t size = 0;
    timespec modified{};
};

// Bytes of a package that holds files with these name lengths (stored bytes)
// and sizes, stored uncompressed: 58 for an empty package without description,
// plus the description, plus 30 per file with its name and bytes.
uint64_t StoredPackageSize(size_t descriptionBytes, const std::vector<size_t>& nameBytes,
                           const std::vector<uint64_t>& fileSizes);

// A new package that was never written: one empty slot 0, EntryCount 0, "STUF20".
Header NewPackageHeader();

// Reads a whole header from `path`; entry bytes are skipped and referenced.
// Throws a vw::Error with a clear text for a file that is cut short, has a slot
// count that the remaining bytes cannot hold, a dimension count other than 0 or 1,
// an entry table that does not start at slot 0, or an EntryCount outside the table.
Header ReadPackage(const std::string& path, FileIdentity& identity);

// Writes `header` to a new file beside `path` and renames it over `path`, so the
// package that was read stays whole until the new one is complete.
void WritePackage(const Header& header, const std::string& path, ContentsReader& contents);

}  // namespace vw::stuf
