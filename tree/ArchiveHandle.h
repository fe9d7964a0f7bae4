#pragma once
// What the writing and the reading half of a tree share: the block both move at
// a time, and libarchive's handles freed on every way out.

#include <archive.h>

#include <cstddef>
#include <exception>
#include <memory>
#include <utility>

namespace vw::tree {

// The pax writer's block, and what the reader asks of the source at a time.
inline constexpr size_t kBlock = 64 * 1024;

using Archive = std::unique_ptr<archive, int (*)(archive*)>;

// Runs `stop` when the scope is left by an exception. Declared after an archive
// handle, it runs before the handle is freed: libarchive then finishes what was
// open, and `stop` says how far that may go.
template <class Stop>
class OnUnwind {
public:
    explicit OnUnwind(Stop stop) : stop_(std::move(stop)), unwinding_(std::uncaught_exceptions()) {}
    ~OnUnwind() {
        if (std::uncaught_exceptions() > unwinding_) stop_();
    }
    OnUnwind(const OnUnwind&) = delete;
    OnUnwind& operator=(const OnUnwind&) = delete;

private:
    Stop stop_;
    int unwinding_;
};

}  // namespace vw::tree
