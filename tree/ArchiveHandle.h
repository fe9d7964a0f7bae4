#pragma once
// What the writing and the reading half of a tree share: the block both move at
// a time, and libarchive's handles freed on every way out.

#include <archive.h>

#include <cstddef>
#include <exception>
#include <memory>

namespace vw::tree {

// The pax writer's block, and what the reader asks of the source at a time.
inline constexpr size_t kBlock = 64 * 1024;

using Archive = std::unique_ptr<archive, int (*)(archive*)>;

// Marks the writer `a` failed when the scope is left by an exception, so that
// freeing it does not finish it: the pax writer would pad the open entry with
// zeros to its full size (gigabytes sealed after a Cancel), the disk writer would
// set the folder times and modes it deferred, by names relative to a working
// folder that is no longer the staging one. Declared after the handle, so it
// runs first.
class FailOnUnwind {
public:
    explicit FailOnUnwind(archive* a) : a_(a), unwinding_(std::uncaught_exceptions()) {}
    ~FailOnUnwind() {
        if (std::uncaught_exceptions() > unwinding_) archive_write_fail(a_);
    }
    FailOnUnwind(const FailOnUnwind&) = delete;
    FailOnUnwind& operator=(const FailOnUnwind&) = delete;

private:
    archive* a_;
    int unwinding_;
};

}  // namespace vw::tree
