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

namespace modVW {

// The payload is read in pieces that end on multiples of this many bytes of the
// source file.
inline constexpr size_t kPayloadChunk = 1 << 20;

// Called with each chunk and the offset of its first byte, on either thread and
// in any order; it must not talk to the user.
using ChunkWork = std::function<void(uint8_t* buf, size_t len, uint64_t offset)>;
// Called on the calling thread, in payload order, once the chunk at `offset` has
// been written; this is where the user hears of progress.
using ChunkDone = std::function<void(uint64_t offset, size_t len)>;

// Copies `total` bytes from the position of `in` to `out` through `work`. Neither
// file is touched by the caller meanwhile. The first failure of either thread (a
// read error, a full disk, an error thrown by `work` or `done`) stops both and is
// thrown here as it was raised; nothing after the failed chunk is written.
void RunPayloadPipeline(vw::FileReader& in, vw::FileWriter& out, uint64_t total,
                        const ChunkWork& work, const ChunkDone& done);

}  // namespace modVW
