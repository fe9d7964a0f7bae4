// AVX2 has no byte look-up wider than sixteen entries (vpshufb, in each 128-bit
// lane), so the 256-byte map is split by the high nibble into sixteen rows.
//
// vpshufb gives 0 for an index whose bit 7 is set. Adding 0x70 - 16*h with
// unsigned saturation keeps bit 7 clear exactly for the bytes whose high nibble
// is at most h (below 0x80), and leaves the low nibble alone. So table h, looked
// up with that index, contributes for every high nibble 0..h; when table h holds
// row h XOR row h+1 (row 7 plain), the XOR of the eight look-ups is the wanted
// row. Bytes from 0x80 up do the same after flipping bit 7, with tables 8..15.
// That is three instructions per table, with no compare or blend.

#include <cstring>

#include "VectorKernels.h"
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace modVW {

NibbleTables MakeNibbleTables(const std::array<uint8_t, 256>& map) {
    NibbleTables tables{};
    for (int half = 0; half < 2; ++half)
        for (int h = 0; h < 8; ++h)
            for (int lo = 0; lo < 16; ++lo) {
                const int row = half * 8 + h;
                const uint8_t next = h < 7 ? map[(row + 1) * 16 + lo] : 0;
                tables[row][lo] = static_cast<uint8_t>(map[row * 16 + lo] ^ next);
            }
    return tables;
}

#if defined(__x86_64__)
namespace {

struct Avx2Tables {
    __m256i row[16];
};

__attribute__((target("avx2"), always_inline)) inline __m256i Lookup(const Avx2Tables& t,
                                                                     __m256i x) {
    const __m256i flipped = _mm256_xor_si256(x, _mm256_set1_epi8(static_cast<char>(0x80)));
    __m256i low = _mm256_setzero_si256(), high = _mm256_setzero_si256();
    for (int h = 0; h < 8; ++h) {
        const __m256i bias = _mm256_set1_epi8(static_cast<char>(0x70 - 16 * h));
        low = _mm256_xor_si256(low, _mm256_shuffle_epi8(t.row[h], _mm256_adds_epu8(x, bias)));
        high = _mm256_xor_si256(high,
                                _mm256_shuffle_epi8(t.row[8 + h], _mm256_adds_epu8(flipped, bias)));
    }
    return _mm256_xor_si256(low, high);
}

// Eight bytes through the 256-byte map with scalar loads, one word at a time.
inline void ApplyWord(const std::array<uint8_t, 256>& map, uint8_t* p) {
    uint64_t word, out = 0;
    std::memcpy(&word, p, 8);
    for (int k = 0; k < 8; ++k)
        out |= uint64_t{map[(word >> (8 * k)) & 0xFF]} << (8 * k);
    std::memcpy(p, &out, 8);
}

}  // namespace

// The sixteen look-ups keep the vector shuffle unit busy while the integer units
// idle, so each 32-byte block is followed by one 8-byte word through the plain map
// on those units: about an eighth more bytes in the same time.
__attribute__((target("avx2"))) void ApplyAvx2(const NibbleTables& tables,
                                               const std::array<uint8_t, 256>& table, uint8_t* buf,
                                               size_t len) {
    // A local copy: stores through `buf` could alias the caller's map as far as
    // the compiler knows.
    const std::array<uint8_t, 256> map = table;
    Avx2Tables t;
    for (int r = 0; r < 16; ++r)
        t.row[r] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(tables[r].data())));
    size_t i = 0;
    for (; i + 40 <= len; i += 40) {
        auto* p = reinterpret_cast<__m256i*>(buf + i);
        _mm256_storeu_si256(p, Lookup(t, _mm256_loadu_si256(p)));
        ApplyWord(map, buf + i + 32);
    }
    for (; i < len; ++i)
        buf[i] = map[buf[i]];
}
#endif

}  // namespace modVW
