#pragma once
// The byte-substitution cipher: a fresh random permutation of 1..255 for every
// encryption (0 stands for itself), applied to the password and the payload.
// The table travels beside the payload in the file; the password only decides
// whether decryption goes on.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "EncryptedRecord.h"
#include "SubstitutionKernel.h"

namespace modVW {

class Interaction;

// A uniformly drawn table: Table[0] = 0, Table[1..255] a permutation of 1..255.
SubstitutionTable BuildTable();

// InverseTable[Table[i]] = i for i ascending (a later duplicate wins). Throws
// vw::Error when an entry lies outside 0..255. Entries that no position points
// to are -1.
std::array<int16_t, 256> BuildInverseTable(const SubstitutionTable& table);

// Typed UTF-8 password to Windows-1252 codes; throws vw::Error for a character
// that has none.
std::string PasswordCodes(const std::string& typed);

// A table as a byte map for the payload loops. `hole[b]` marks a byte that no
// table position maps to (only in a damaged table); meeting one is a failure.
struct ByteMap {
    std::array<uint8_t, 256> map{};
    std::array<bool, 256> hole{};
    bool anyHole = false;
};

// Throws vw::Error for an entry outside 0..255.
ByteMap ForwardMap(const SubstitutionTable& table);
ByteMap InverseMap(const std::array<int16_t, 256>& inverse);

// Throws vw::Error when buf holds a byte that `map` cannot substitute.
void CheckNoHoles(const ByteMap& map, const uint8_t* buf, size_t len);

// The stored password decoded with `inverse`; throws vw::Error on a hole.
std::string DecodePassword(const std::vector<uint8_t>& password,
                           const std::array<int16_t, 256>& inverse);

// True when `typed` equals the decoded password, letter case ignored.
bool PasswordsMatch(const std::string& typedCodes, const std::string& decodedCodes);

// Substitutes buf[0..len), where buf[0] is byte `offset` of a payload of `total`
// bytes, publishing the percentages as PublishProgress does.
void SubstituteWithProgress(const Substitution& substitution, uint8_t* buf, size_t len,
                            uint64_t offset, uint64_t total, Interaction& ui);

// Draws a table, substitutes Password and Data, returns a copy of the record.
// On failure shows the error report and returns the empty record.
EncryptedRecord Encipher(EncryptedRecord& record, Interaction& ui);

// Restores Data in place, then compares passwords: a copy of the record on a
// match, otherwise the empty record. On failure shows the error report and
// returns the empty record.
EncryptedRecord Decipher(EncryptedRecord& record, const std::string& typed, Interaction& ui);

// True when `typed` matches the stored password, letter case ignored. On failure
// shows the error report and returns false.
bool CheckPassword(const EncryptedRecord& record, const std::string& typed, Interaction& ui);

}  // namespace modVW
