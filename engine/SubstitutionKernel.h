#pragma once
// The inner loop of every payload: buf[i] = map[buf[i]], as fast as the processor
// allows. A byte-pair table serves everywhere; processors with AVX-512 VBMI look
// up 64 bytes per instruction pair instead.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace modVW {

class Substitution {
public:
    enum class Kernel { Fastest, Portable };
    explicit Substitution(const std::array<uint8_t, 256>& map, Kernel kernel = Kernel::Fastest);
    void Apply(uint8_t* buf, size_t len) const;

private:
    void ApplyPairs(uint8_t* buf, size_t len) const;

    std::array<uint8_t, 256> single_;
    std::vector<uint16_t> pairs_;  // indexed by two bytes as one native 16-bit load reads them
    bool vectorTable_;             // the processor can look bytes up in a 256-byte vector table
};

}  // namespace modVW
