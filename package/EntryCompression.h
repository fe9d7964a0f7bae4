#pragma once
// Entry compression of the STUF20 package: one compress2 call when a
// file is added with a level above 0, one uncompress call when GetFileData reads a
// compressed entry, and a streaming inflater with the same rules for extraction,
// so extracting a large compressed entry needs no buffer of the entry's size.
//
// Every failure throws a vw::Error and leaves the caller's bytes unchanged; the
// calling operation of cSTUF20 reports it through LastError and its result.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vw::stuf {

// The output capacity for n bytes: n × 1.01 + n + 12 in double precision, rounded
// to the nearest whole number (ties to even). 0 → 12, 100 → 213, 1000 → 2022.
uint64_t EntryCapacity(uint64_t n);

// The most bytes a zlib stream of `compressedLength` bytes can expand to (deflate
// cannot do better than about 1032 to 1), so a damaged FileSize is refused before
// anything of its size is allocated.
uint64_t MaxExpansion(uint64_t compressedLength);

// Replaces `contents` by the zlib stream of compress2 at `level`. Throws when zlib
// reports a failure (a level outside 1 to 9, memory exhausted).
void CompressEntryData(std::vector<uint8_t>& contents, int16_t level);

// Replaces `contents`, a zlib stream, by the fileSize bytes it expands to. Throws
// unless uncompress succeeds with exactly `fileSize` bytes. `entry` names the entry
// in the failure text (e.g. `2 "a.txt"`).
void DecompressEntryData(std::vector<uint8_t>& contents, int32_t fileSize,
                         const std::string& entry = {});

// Expands a zlib stream that arrives in pieces and hands the bytes to `sink` as they
// come. Accepts exactly what DecompressEntryData accepts: a complete stream (bytes
// after its end are ignored, as uncompress ignores them) of exactly `fileSize` bytes.
class EntryInflater {
public:
    using Sink = std::function<void(const uint8_t*, size_t)>;
    EntryInflater(int32_t fileSize, Sink sink, std::string entry = {});
    ~EntryInflater();
    EntryInflater(const EntryInflater&) = delete;
    EntryInflater& operator=(const EntryInflater&) = delete;

    void Feed(const uint8_t* data, size_t n);
    // Throws unless the stream ended and gave exactly `fileSize` bytes.
    void Finish();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vw::stuf
