#include "SubstitutionKernel.h"

#include <cstring>

namespace modVW {

Substitution::Substitution(const std::array<uint8_t, 256>& map)
    : Substitution(map, ChosenKernel()) {}

Substitution::Substitution(const std::array<uint8_t, 256>& map, Kernel kernel)
    : kernel_(RunnableAtMost(kernel)), single_(map) {
    if (kernel_ == Kernel::Avx2) nibbles_ = MakeNibbleTables(map);
    if (kernel_ != Kernel::Portable) return;
    pairs_.resize(65536);
    for (uint32_t v = 0; v < 65536; ++v)
        pairs_[v] = static_cast<uint16_t>(map[v & 0xFF] | (map[v >> 8] << 8));
}

void Substitution::Apply(uint8_t* buf, size_t len) const {
#if defined(__x86_64__)
    if (kernel_ == Kernel::Vbmi) return ApplyVbmi(single_, buf, len);
    if (kernel_ == Kernel::Avx2) return ApplyAvx2(nibbles_, single_, buf, len);
#endif
#if defined(__aarch64__)
    if (kernel_ == Kernel::Neon) return ApplyNeon(single_, buf, len);
#endif
    ApplyPairs(buf, len);
}

void Substitution::ApplyPairs(uint8_t* buf, size_t len) const {
    // Local copies: stores through `buf` could alias the members as far as the
    // compiler knows, which would reload them for every byte.
    const uint16_t* const pairs = pairs_.data();
    const std::array<uint8_t, 256> single = single_;
    size_t i = 0;
    for (; i + 8 <= len; i += 8) {
        uint16_t v[4];
        std::memcpy(v, buf + i, 8);
        for (auto& pair : v)
            pair = pairs[pair];
        std::memcpy(buf + i, v, 8);
    }
    for (; i < len; ++i)
        buf[i] = single[buf[i]];
}

}  // namespace modVW
