#pragma once
// The inner loop of every payload: buf[i] = map[buf[i]], as fast as the processor
// allows. A byte-pair table serves everywhere; AVX2 looks up 32 bytes in sixteen
// nibble tables, AVX-512 VBMI 64 bytes per instruction pair, NEON 16 bytes in four
// 64-byte tables (see KernelChoice).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "KernelChoice.h"
#include "VectorKernels.h"

namespace modVW {

class Substitution {
public:
    // The chosen kernel (ChosenKernel()).
    explicit Substitution(const std::array<uint8_t, 256>& map);
    // `kernel` when the processor runs it, otherwise the best one below it.
    Substitution(const std::array<uint8_t, 256>& map, Kernel kernel);

    Kernel Runs() const { return kernel_; }
    void Apply(uint8_t* buf, size_t len) const;

private:
    void ApplyPairs(uint8_t* buf, size_t len) const;

    Kernel kernel_;
    std::array<uint8_t, 256> single_;
    std::vector<uint16_t> pairs_;  // indexed by two bytes as one native 16-bit load reads them
    NibbleTables nibbles_{};
};

}  // namespace modVW
