#include "Cipher.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

#include "Error.h"
#include "Guard.h"
#include "Progress.h"
#include "Text1252.h"

namespace modVW {
namespace {

constexpr size_t kRun = 1 << 20;  // payload bytes between two turns of the user interface

vw::Error BadTable(vw::Text what) {
    return vw::Error(vw::ErrorNumber::SubscriptOutOfRange,
                     vw::Text(VW_TEXT("Classic",
                                      "Subscript out of range: the substitution table "
                                      "is damaged (%1)"),
                              {std::move(what)}));
}

vw::Error BadEntry(int entry, int16_t value) {
    return BadTable(vw::Text(VW_TEXT("Classic", "entry %1 is %2"),
                             {std::to_string(entry), std::to_string(value)}));
}

vw::Error NoEntryHolds(int value) {
    return BadTable(vw::Text(VW_TEXT("Classic", "no entry holds %1"), {std::to_string(value)}));
}

void SubstitutePayload(const ByteMap& map, std::vector<uint8_t>& data, Interaction& ui) {
    if (data.empty()) return;
    const Substitution substitution(map.map);
    for (size_t off = 0; off < data.size(); off += kRun) {
        const size_t len = std::min(kRun, data.size() - off);
        if (map.anyHole) CheckNoHoles(map, data.data() + off, len);
        SubstituteWithProgress(substitution, data.data() + off, len, off, data.size(), ui);
    }
}

}  // namespace

void SubstituteWithProgress(const Substitution& substitution, uint8_t* buf, size_t len,
                            uint64_t offset, uint64_t total, Interaction& ui) {
    PublishProgress(offset, len, total, ui,
                    [&](size_t from, size_t to) { substitution.Apply(buf + from, to - from); });
}

SubstitutionTable BuildTable() {
    // A Fisher-Yates shuffle of 1..255, seeded from the clock and the system's
    // entropy: every permutation is as likely as with drawing and redrawing
    // until a value is new, without the many redraws at the end.
    std::seed_seq seed{
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()),
        static_cast<uint64_t>(std::random_device{}())};
    std::mt19937_64 generator(seed);
    SubstitutionTable table{};
    std::iota(table.begin() + 1, table.end(), int16_t{1});
    std::shuffle(table.begin() + 1, table.end(), generator);
    return table;
}

std::array<int16_t, 256> BuildInverseTable(const SubstitutionTable& table) {
    std::array<int16_t, 256> inverse;
    inverse.fill(-1);
    for (int i = 0; i < 256; ++i) {
        if (table[i] < 0 || table[i] > 255) throw BadEntry(i, table[i]);
        inverse[table[i]] = static_cast<int16_t>(i);
    }
    return inverse;
}

ByteMap ForwardMap(const SubstitutionTable& table) {
    ByteMap m;
    for (int i = 0; i < 256; ++i) {
        if (table[i] < 0 || table[i] > 255) throw BadEntry(i, table[i]);
        m.map[i] = static_cast<uint8_t>(table[i]);
    }
    return m;
}

ByteMap InverseMap(const std::array<int16_t, 256>& inverse) {
    ByteMap m;
    for (int b = 0; b < 256; ++b) {
        m.hole[b] = inverse[b] < 0;
        m.anyHole |= m.hole[b];
        m.map[b] = m.hole[b] ? 0 : static_cast<uint8_t>(inverse[b]);
    }
    return m;
}

void CheckNoHoles(const ByteMap& map, const uint8_t* buf, size_t len) {
    for (size_t i = 0; i < len; ++i)
        if (map.hole[buf[i]]) throw NoEntryHolds(buf[i]);
}

std::string PasswordCodes(const std::string& typed) {
    if (auto codes = Text1252::FromUtf8Strict(typed)) return *codes;
    throw vw::Error(vw::ErrorNumber::InvalidCall,
                    VW_TEXT("Classic",
                            "Invalid procedure call or argument: the password holds a "
                            "character that cannot be stored (only Windows-1252 "
                            "characters are allowed)"));
}

std::string DecodePassword(const std::vector<uint8_t>& password,
                           const std::array<int16_t, 256>& inverse) {
    std::string decoded;
    for (size_t i = 1; i < password.size(); ++i) {
        if (inverse[password[i]] < 0) throw NoEntryHolds(password[i]);
        decoded += static_cast<char>(inverse[password[i]]);
    }
    return decoded;
}

bool PasswordsMatch(const std::string& typedCodes, const std::string& decodedCodes) {
    return Text1252::Lower(typedCodes) == Text1252::Lower(decodedCodes);
}

EncryptedRecord Encipher(EncryptedRecord& record, Interaction& ui) {
    const bool ok = Guarded(ui, [&] {
        record.Table = BuildTable();
        const ByteMap forward = ForwardMap(record.Table);
        for (size_t i = 1; i < record.Password.size(); ++i)
            record.Password[i] = forward.map[record.Password[i]];
        SubstitutePayload(forward, record.Data, ui);
    });
    return ok ? record : EncryptedRecord{};
}

EncryptedRecord Decipher(EncryptedRecord& record, const std::string& typed, Interaction& ui) {
    bool match = false;
    const bool ok = Guarded(ui, [&] {
        const auto inverse = BuildInverseTable(record.Table);
        SubstitutePayload(InverseMap(inverse), record.Data, ui);
        match = PasswordsMatch(PasswordCodes(typed), DecodePassword(record.Password, inverse));
    });
    return ok && match ? record : EncryptedRecord{};
}

bool CheckPassword(const EncryptedRecord& record, const std::string& typed, Interaction& ui) {
    bool match = false;
    Guarded(ui, [&] {
        const auto inverse = BuildInverseTable(record.Table);
        const std::string decoded = DecodePassword(record.Password, inverse);
        // The stored password is Windows-1252, so a typed one without a
        // Windows-1252 form cannot be it: simply no match.
        const auto typedCodes = Text1252::FromUtf8Strict(typed);
        match = typedCodes && PasswordsMatch(*typedCodes, decoded);
    });
    return match;
}

}  // namespace modVW
