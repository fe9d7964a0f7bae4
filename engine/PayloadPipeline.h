#pragma once
// Reading, substituting and writing a payload at the same time. A reader thread
// fills 1 MiB buffers ahead of the work and a writer thread writes finished ones
// behind it, so a payload takes about as long as its slowest stage instead of
// the sum of all three. The work itself runs on the calling thread, which alone
// talks to the user. Three buffers circulate, whatever the size of the payload.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "BinaryFile.h"

namespace modVW {

// Called in payload order with each chunk and the offset of its first byte.
using ChunkWork = std::function<void(uint8_t* buf, size_t len, uint64_t offset)>;

// Copies `total` bytes from the position of `in` to `out` through `work`. Neither
// file is touched by the caller meanwhile. The first failure of any stage (a read
// error, a full disk, an error thrown by `work`) stops all of them and is thrown
// here as it was raised; nothing after the failed chunk is written.
void RunPayloadPipeline(vw::FileReader& in, vw::FileWriter& out, uint64_t total,
                        const ChunkWork& work);

}  // namespace modVW
