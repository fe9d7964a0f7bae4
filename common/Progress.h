#pragma once
// The program-wide percentage of the payload loop that runs, and the chunked
// substitution that keeps it exactly as a byte-by-byte loop would.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace modVW {

class Interaction;

// 0..100; set by the payload loops, read by the progress window. Keeps its last
// value between operations.
inline int32_t CurrentProgress = 0;

// The percentage a byte-by-byte loop publishes before byte `i` of `total`:
// (i / total) * 100 in double precision, division first, halves to even.
int32_t ProgressAt(uint64_t i, uint64_t total);

// Publishes the percentages of payload bytes [offset, offset + len) of `total`:
// CurrentProgress takes every value the byte loop would give it, and the user
// interface gets a turn each time the value changes and at the end, so callers
// pass runs of at most 1 MiB; a turn in which the user cancelled throws
// WorkCancelled (see KeepResponsive). `each`, when given, is called for every run of
// bytes of one percentage (relative to `offset`) before that turn.
void PublishProgress(uint64_t offset, size_t len, uint64_t total, Interaction& ui,
                     const std::function<void(size_t from, size_t to)>& each = {});

}  // namespace modVW
