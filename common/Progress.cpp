#include "Progress.h"

#include <algorithm>
#include <cmath>

#include "Interaction.h"

namespace modVW {
namespace {

// First index after `i` whose percentage differs from that of `i` (or `total`).
// The percentage never falls as the index grows, so a binary search finds it.
uint64_t NextChange(uint64_t i, uint64_t total) {
    const int32_t p = ProgressAt(i, total);
    uint64_t lo = i + 1, hi = total;
    while (lo < hi) {
        const uint64_t mid = lo + (hi - lo) / 2;
        if (ProgressAt(mid, total) != p)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

}  // namespace

int32_t ProgressAt(uint64_t i, uint64_t total) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int32_t>(
        std::nearbyint(static_cast<double>(i) / static_cast<double>(total) * 100.0));
}

void PublishProgress(uint64_t offset, size_t len, uint64_t total, Interaction& ui,
                     const std::function<void(size_t from, size_t to)>& each) {
    uint64_t pos = offset;
    const uint64_t end = offset + len;
    while (pos < end) {
        CurrentProgress = ProgressAt(pos, total);
        const uint64_t runEnd = std::min(NextChange(pos, total), end);
        if (each) each(static_cast<size_t>(pos - offset), static_cast<size_t>(runEnd - offset));
        pos = runEnd;
        KeepResponsive(ui);
    }
}

}  // namespace modVW
