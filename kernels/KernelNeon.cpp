// The 256-byte map as four 64-byte tables, each looked up by vqtbl4q_u8 with the
// byte minus 0, 64, 128 and 192: an index past a table's 64 entries gives 0 there
// (tbl) or leaves the byte so far alone (tbx), so the four together leave exactly
// the wanted entry. Every ARMv8-A processor has these instructions.

#if defined(__aarch64__)
#include <arm_neon.h>

#include "VectorKernels.h"

namespace modVW {

void ApplyNeon(const std::array<uint8_t, 256>& map, uint8_t* buf, size_t len) {
    uint8x16x4_t t[4];
    for (int q = 0; q < 4; ++q)
        t[q] = vld1q_u8_x4(map.data() + 64 * q);
    const uint8x16_t step = vdupq_n_u8(64);
    size_t i = 0;
    for (; i + 16 <= len; i += 16) {
        uint8x16_t x = vld1q_u8(buf + i);
        uint8x16_t out = vqtbl4q_u8(t[0], x);
        for (int q = 1; q < 4; ++q) {
            x = vsubq_u8(x, step);
            out = vqtbx4q_u8(out, t[q], x);
        }
        vst1q_u8(buf + i, out);
    }
    for (; i < len; ++i)
        buf[i] = map[buf[i]];
}

}  // namespace modVW
#endif
