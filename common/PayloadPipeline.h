#pragma once
// Reading, substituting and writing a payload on two processors at once. Each of
// two threads takes the next chunk, reads it, transforms it and writes it, so a
// chunk stays in the cache of the processor that handles it from its read to its
// write. Reads and writes still happen in payload order: a thread waits for its
// turn to read and for its turn to write. Two chunk buffers exist, whatever the
// size of the payload.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "BinaryFile.h"
#include "ByteStream.h"

namespace modVW {

// The payload is read in pieces that end on multiples of this many bytes of the
// source file.
inline constexpr size_t kPayloadChunk = 1 << 20;

// Called with each chunk and the offset of its first byte, on either thread and
// in any order; it must not talk to the user. It may fill the PayloadEnds::grows
// bytes after the chunk.
using ChunkWork = std::function<void(uint8_t* buf, size_t len, uint64_t offset)>;
// Called on the calling thread, in payload order, once the chunk at `offset` has
// been written; this is where the user hears of progress.
using ChunkDone = std::function<void(uint64_t offset, size_t len)>;
// The position in its file of the payload's byte at `offset`.
using FilePosition = std::function<uint64_t(uint64_t offset)>;

// Both ends of a payload. `in` is read only in its turn and `out` written only in
// its turn, one thread at a time, so neither needs a lock of its own. `readAt` and
// `writeAt` say where the payload lies in the files behind them: the chunks end on
// whole chunks of the first (of `cutAt` when it is given), and the buffers are
// placed to suit both.
struct PayloadEnds {
    vw::ByteSource& in;
    vw::ByteSink& out;
    FilePosition readAt;
    FilePosition writeAt;
    // The bytes the work adds after each chunk, written with it (a sealed chunk's
    // tag when sealing); the buffers have room for them.
    size_t grows = 0;
    // The bytes read after each chunk that the work takes in (a sealed chunk's tag
    // when opening); the buffers have room for them.
    size_t shrinks = 0;
    // Where the chunks end instead of readAt's whole chunks: a sealed file's
    // chunks hold whole chunks of its text, wherever the text lies.
    FilePosition cutAt = {};
};

// Copies `total` bytes from `in` to `out` through `work`. The first failure of
// either thread (a read error, a source that ends early, a full disk, an error
// thrown by `work` or `done`) stops both and is thrown here as it was raised;
// nothing after the failed chunk is written.
void RunPayloadPipeline(const PayloadEnds& ends, uint64_t total, const ChunkWork& work,
                        const ChunkDone& done);

// A file read from its current position as a payload's source.
class FileSource : public vw::ByteSource {
public:
    explicit FileSource(vw::FileReader& file) : file_(file) {}
    size_t Read(uint8_t* data, size_t len) override;

private:
    vw::FileReader& file_;
};

// A file written from its current position as a payload's destination.
class FileSink : public vw::ByteSink {
public:
    explicit FileSink(vw::FileWriter& file) : file_(file) {}
    void Write(const uint8_t* data, size_t len) override { file_.WriteBytes(data, len); }

private:
    vw::FileWriter& file_;
};

// The same between two files, from their current positions. Neither file is
// touched by the caller meanwhile.
void RunPayloadPipeline(vw::FileReader& in, vw::FileWriter& out, uint64_t total,
                        const ChunkWork& work, const ChunkDone& done);

}  // namespace modVW
