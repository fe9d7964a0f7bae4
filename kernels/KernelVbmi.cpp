// Four 64-byte registers hold the map; two-source permutes look up the lower and
// the upper half by the low seven bits, and bit 7 picks between them. The last
// partial block goes through masked loads and stores.

#if defined(__x86_64__)
#include <immintrin.h>

#include "VectorKernels.h"

namespace modVW {

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ApplyVbmi(
    const std::array<uint8_t, 256>& table, uint8_t* buf, size_t len) {
    const uint8_t* map = table.data();
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

}  // namespace modVW
#endif
