#pragma once
// The record of one encryption: what a .vw3 file holds.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace modVW {

using SubstitutionTable = std::array<int16_t, 256>;

struct EncryptedRecord {
    std::vector<uint8_t> Data;      // the payload, N bytes
    std::vector<uint8_t> Password;  // L + 1 bytes: element 0 is 0, then the character codes
    int16_t SourceKind = 0;         // 1 single file, 2 folder package
    std::string SourceName;         // stored bytes (Windows-1252 or UTF-8, see Text1252.h)
    SubstitutionTable Table{};      // entry 0 is 0; 1..255 a permutation of 1..255

    bool operator==(const EncryptedRecord&) const = default;
};

}  // namespace modVW
