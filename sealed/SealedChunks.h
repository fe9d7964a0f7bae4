#pragma once
// The content of a version-2 sealed file: chunks sealed one by one with
// XChaCha20-Poly1305 in the STREAM construction. Chunk i (from 0) holds
// kChunkText bytes of text (the last one 0..kChunkText, empty only when it is the
// only one) followed by its 16-byte tag, under the nonce
//
//   19 bytes prefix (random, from the header) | u32 i big-endian | 1 if last, else 0
//
// so a chunk moved, repeated, dropped or cut, or bytes after the last one, fail to
// open. Every chunk but the last is exactly kChunkSealed bytes, so the file's size
// says where the last one starts and no lengths are stored.
//
// SealChunk and OpenChunk do one chunk, for a caller that shares a file's chunks
// between threads itself (the payload pipeline). ChunkWriter and ChunkReader serve
// a stream written or read on the caller's thread (a tree, through libarchive)
// and keep both processors busy: two chunks are sealed (opened) at once on two
// threads kept for the stream while this thread fills (empties) a third; writes
// (reads) still happen one chunk after the other, in file order. Each chunk's
// buffer sits at the same place within its page as the chunk within the file, so
// the kernel copies between page-aligned distances.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>

#include "BinaryFile.h"
#include "ByteStream.h"
#include "ChunkCipher.h"
#include "ChunkThreads.h"
#include "Error.h"
#include "PagePlacement.h"

namespace modVW {

constexpr size_t kChunkText = size_t{1} << 20;
constexpr size_t kChunkTag = kChunkTagBytes;
constexpr size_t kChunkSealed = kChunkText + kChunkTag;
constexpr size_t kNoncePrefixBytes = 19;
// The chunk being filled or emptied, and two in flight.
constexpr int kChunkSlots = 3;

// A chunk's room, text and tag, wiped when freed.
class ChunkBuffer {
public:
    // The chunk's first byte, placed for the chunk at `fileOffset`: at the same
    // place within its page.
    uint8_t* PlacedFor(uint64_t fileOffset) const { return room_.At(fileOffset % vw::kPageBytes); }

private:
    vw::PlacedBuffer room_{kChunkSealed};
};

struct ChunkKey {
    const uint8_t* Key;     // 32 bytes
    const uint8_t* Prefix;  // kNoncePrefixBytes
};

// Seals chunk `index` in place: `text` holds its `len` bytes, and its tag goes in
// the kChunkTag bytes after them. The last chunk of a stream is marked `last`.
void SealChunk(const ChunkKey& key, uint64_t index, bool last, uint8_t* text, size_t len);

// Opens chunk `index` in place, `len` bytes of text followed by their tag: true
// when it is that chunk of the stream `key` sealed, else false with the bytes wiped.
bool OpenChunk(const ChunkKey& key, uint64_t index, bool last, uint8_t* text, size_t len);

// Seals what it is given into `out`, whose next byte is the first chunk's. Finish
// seals the last chunk and waits for every write; without it nothing marks the
// end, so an unfinished file never opens.
class ChunkWriter : public vw::ByteSink {
public:
    ChunkWriter(vw::FileWriter& out, ChunkKey key);
    ~ChunkWriter() override;
    void Write(const uint8_t* data, size_t len) override;
    void Finish();

private:
    // Room for at most `len` bytes of text in place (a full chunk is sealed first);
    // `len` becomes what fits.
    uint8_t* Room(size_t& len);
    void Submit(bool last);

    vw::FileWriter& out_;
    ChunkKey key_;
    uint64_t start_;
    ChunkBuffer buffers_[kChunkSlots];
    uint8_t* text_;
    size_t used_ = 0;
    uint64_t counter_ = 0;
    std::deque<std::shared_future<void>> writing_;  // chunks not yet waited for, oldest first
    ChunkThreads threads_;                          // last: ended before what its jobs use
};

// The text of the chunks from `in`'s position to its end, each opened and checked
// before any of its bytes are handed on; a damaged chunk, or a file whose chunks
// cannot be the ones sealed, throws `damaged`. `turn` runs on the reading thread
// after each chunk with the file bytes consumed so far and the file's size.
class ChunkReader : public vw::ByteSource {
public:
    using Turn = std::function<void(uint64_t done, uint64_t total)>;
    ChunkReader(vw::FileReader& in, ChunkKey key, vw::Error damaged, Turn turn);
    ~ChunkReader() override;
    size_t Read(uint8_t* data, size_t len) override;
    // The next at most `len` bytes of text in place, valid until the next call: how
    // many, 0 at the verified end.
    size_t Take(const uint8_t*& data, size_t len);

    // What remains of the chunk being handed on, in place, and where the chunks
    // after it lie, for a caller that reads, opens (OpenChunk) and writes those
    // itself; Take and Read are not called again. Only while the first chunk is
    // in hand: the chunks after it are loaded only once Take asks for them.
    struct Rest {
        const uint8_t* text;  // the rest of the chunk in hand
        size_t length;
        uint64_t index, offset, textBytes;  // the first chunk after it, its place, their text
    };
    Rest TakeRest();
    const ChunkKey& Key() const { return key_; }

private:
    // Reads chunk `index` once `before` (the one before it) is read, says so through
    // `read`, then opens it; returns its text length.
    size_t Load(uint64_t index, const std::shared_future<void>& before, std::promise<void>& read);
    void StartLoading(uint64_t index);

    vw::FileReader& in_;
    ChunkKey key_;
    vw::Error damaged_;
    Turn turn_;
    uint64_t start_, count_;
    ChunkBuffer buffers_[kChunkSlots];
    uint8_t* text_[kChunkSlots] = {};
    uint64_t index_ = 0;  // the chunk being handed on
    uint64_t next_ = 0;   // the next chunk to start loading
    size_t at_ = 0, length_ = 0;
    bool loaded_ = false;
    std::deque<std::shared_future<size_t>> ahead_;  // chunks loading, in order
    std::shared_future<void> lastRead_;
    ChunkThreads threads_;  // last: ended before what its jobs use
};

}  // namespace modVW
