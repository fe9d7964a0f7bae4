#pragma once
// What the writing and the reading half of a tree share: the block both move at
// a time, and libarchive's handles freed on every way out.

#include <archive.h>

#include <cstddef>
#include <memory>

namespace vw::tree {

// The pax writer's block, and what the reader asks of the source at a time.
inline constexpr size_t kBlock = 64 * 1024;

using Archive = std::unique_ptr<archive, int (*)(archive*)>;

}  // namespace vw::tree
