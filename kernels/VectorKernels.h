#pragma once
// The vector substitution kernels, each compiled for its own instruction set and
// called only when the processor runs it (see KernelChoice).

#include <array>
#include <cstddef>
#include <cstdint>

namespace modVW {

// Sixteen 16-byte look-up tables derived from a 256-byte map (see KernelAvx2.cpp).
using NibbleTables = std::array<std::array<uint8_t, 16>, 16>;
NibbleTables MakeNibbleTables(const std::array<uint8_t, 256>& map);

#if defined(__x86_64__)
void ApplyAvx2(const NibbleTables& tables, const std::array<uint8_t, 256>& map, uint8_t* buf,
               size_t len);
void ApplyVbmi(const std::array<uint8_t, 256>& map, uint8_t* buf, size_t len);
#endif
#if defined(__aarch64__)
void ApplyNeon(const std::array<uint8_t, 256>& map, uint8_t* buf, size_t len);
#endif

}  // namespace modVW
