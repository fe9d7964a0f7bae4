#include "SubstitutionKernel.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#define VW_HAVE_VBMI_KERNEL 1
#endif

namespace modVW {
namespace {

#ifdef VW_HAVE_VBMI_KERNEL
// Four 64-byte registers hold the table; two-source permutes look up the lower
// and the upper half by the low seven bits, and bit 7 picks between them. The
// last partial block goes through masked loads and stores.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ApplyVbmi(const uint8_t* map,
                                                                      uint8_t* buf, size_t len) {
    const __m512i t0 = _mm512_loadu_si512(map);
    const __m512i t1 = _mm512_loadu_si512(map + 64);
    const __m512i t2 = _mm512_loadu_si512(map + 128);
    const __m512i t3 = _mm512_loadu_si512(map + 192);
    for (size_t i = 0; i < len; i += 64) {
        const __mmask64 block = len - i >= 64 ? ~__mmask64{0} : (__mmask64{1} << (len - i)) - 1;
        const __m512i x = _mm512_maskz_loadu_epi8(block, buf + i);
        const __m512i low = _mm512_permutex2var_epi8(t0, x, t1);
        const __m512i high = _mm512_permutex2var_epi8(t2, x, t3);
        _mm512_mask_storeu_epi8(buf + i, block,
                                _mm512_mask_blend_epi8(_mm512_movepi8_mask(x), low, high));
    }
}

bool CpuHasVbmi() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
}
#endif

}  // namespace

Substitution::Substitution(const std::array<uint8_t, 256>& map, Kernel kernel)
    : single_(map), pairs_(65536), vectorTable_(false) {
#ifdef VW_HAVE_VBMI_KERNEL
    vectorTable_ = kernel == Kernel::Fastest && CpuHasVbmi();
#endif
    for (uint32_t v = 0; v < 65536; ++v)
        pairs_[v] = static_cast<uint16_t>(map[v & 0xFF] | (map[v >> 8] << 8));
}

void Substitution::Apply(uint8_t* buf, size_t len) const {
#ifdef VW_HAVE_VBMI_KERNEL
    if (vectorTable_) return ApplyVbmi(single_.data(), buf, len);
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
