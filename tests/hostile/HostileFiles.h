#pragma once
// The hostile .vw3 files of tests/data/hostile, built byte by byte. Each one is
// a file a user might be handed; the case says what the user must be told.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace hostile {

using Bytes = std::vector<uint8_t>;

// The password every hostile record is enciphered with.
constexpr const char* kPassword = "secret";

struct Case {
    std::string File;  // name in tests/data/hostile
    Bytes Content;
    int16_t Kind;  // the kind the record claims; 1 asks for a file, all else for a folder
    // Every message shown, one a line. "{file}" stands for the path the program was
    // given, "{package}" for the temporary package.
    std::string Report;
};

std::vector<Case> Cases();

// `text` without the run folder of a temporary package (".../.vaultwise-temp-XXXXXX").
std::string WithoutRunFolder(const std::string& text);

// Test names show the file, not the bytes.
inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.File;
}

// A record of `kind` holding `plain`, enciphered with kPassword through a fixed
// table, so the bytes are the same on every run.
Bytes EncipheredRecord(int16_t kind, const std::string& name, const Bytes& plain);

}  // namespace hostile
