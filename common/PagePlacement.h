#pragma once
// Where a buffer that the kernel copies file bytes into and out of should lie.
// The kernel copies each read and each write with `rep movsb`, which some
// processors run ten times slower when destination and source lie 1 to 31 bytes
// apart modulo a page; a 1 MiB buffer from malloc lies 16 bytes into its page,
// so every read at a page-aligned file offset fell into that window.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace vw {

inline constexpr size_t kPageBytes = 4096;

// The place within a page for bytes read at file position `readAt` and written
// at `writeAt`: the read's own place, or a little behind it when the write's is
// near that one (a record's payload starts 10 bytes into its file), so that
// neither copy comes close in either direction.
inline size_t PlaceInPage(uint64_t readAt, uint64_t writeAt) {
    const auto near = [](uint64_t apart) {
        apart %= kPageBytes;
        return (apart >= 1 && apart <= 31) || apart >= kPageBytes - 31;
    };
    uint64_t place = readAt % kPageBytes;
    while (near(place - readAt) || near(writeAt - place))
        place = (place + 64) % kPageBytes;
    return static_cast<size_t>(place);
}

// A page-aligned buffer a page longer than asked, so that `size` bytes fit at
// any place within its first page.
class PlacedBuffer {
public:
    explicit PlacedBuffer(size_t size)
        : size_(size),
          bytes_(
              static_cast<uint8_t*>(std::aligned_alloc(kPageBytes, RoundUp(size + kPageBytes)))) {
        if (!bytes_) throw std::bad_alloc();
    }
    size_t Size() const { return size_; }
    // Payload text passes through: wiped before it is freed.
    ~PlacedBuffer() { ::explicit_bzero(bytes_.get(), RoundUp(size_ + kPageBytes)); }
    PlacedBuffer(const PlacedBuffer&) = delete;
    PlacedBuffer& operator=(const PlacedBuffer&) = delete;
    uint8_t* At(size_t place) const { return bytes_.get() + place; }
    uint8_t* For(uint64_t readAt, uint64_t writeAt) const {
        return At(PlaceInPage(readAt, writeAt));
    }

private:
    static size_t RoundUp(size_t n) { return (n + kPageBytes - 1) / kPageBytes * kPageBytes; }
    struct Free {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    size_t size_;
    std::unique_ptr<uint8_t, Free> bytes_;
};

}  // namespace vw
