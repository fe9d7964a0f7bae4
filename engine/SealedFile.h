#pragma once
// The sealed file (.vws): the content encrypted with a key derived from the
// password, so that without the password a reader learns its size and nothing
// else. Layout (little-endian, no padding):
//
//   8   magic "\x89VWS\r\n\x1a\n"
//   2   version (1)
//   4   Argon2id passes        8   Argon2id memory in bytes
//   16  salt                   24  secretstream header
//   32  key check: BLAKE2b keyed with the check subkey, over the 62 bytes above
//   32  checksum: plain BLAKE2b over the 94 bytes above
//   then messages of XChaCha20-Poly1305 secretstream, each a u32 length L and
//   L bytes (the text plus 17): first i16 kind, u16 n, n name bytes; then the
//   content in pieces of at most 1 MiB, the last one tagged FINAL, then the end.
//
// The checksum makes any changed header byte damage before the costly key
// derivation; the key check tells a wrong password from a damaged message.

#include <sodium.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "BinaryFile.h"
#include "Error.h"
#include "SealedKey.h"

namespace modVW {

class Interaction;

constexpr uint16_t kSealedVersion = 1;
constexpr size_t kSealedHeaderBytes = 126;
constexpr size_t kSealedPiece = size_t{1} << 20;

// The cost new files are sealed with. Only tests lower it, to stay fast; no option
// of the program reaches it, and the reader accepts any cost within the bounds.
inline SealedCost SealingCost = kNewFileCost;

struct SealedHeader {
    SealedCost Cost;
    uint8_t Salt[kSaltBytes] = {};
    std::array<uint8_t, kSealedHeaderBytes> Bytes = {};  // as stored
};

// What the first message holds: what a classic record keeps in the clear.
struct SealedContents {
    int16_t Kind = 0;
    std::string StoredName;  // the stored form of the name (see Text1252::NameToFile)
};

// True when the file at `path` starts with the sealed magic, or is named .vws and
// does not start as a classic record does. A file that cannot be read is not
// sealed: the classic procedure then reports why.
bool IsSealedFile(const std::string& path);
// True when `name` ends in ".vws", the name that asks for a sealed file.
bool IsSealedName(const std::string& name);

// "The sealed file '<path>' is damaged", error 321.
vw::Error DamagedError(const std::string& path);

// Reads the header from the start of `in` and checks its checksum, version and
// cost bounds; throws the damaged error before any key is derived.
SealedHeader ReadSealedHeader(vw::FileReader& in);

// True when `keys` come from the password the file was sealed with.
bool KeysMatch(const SealedHeader& header, const SealedKeys& keys);

// Writes the sealed file of `in` (a file, kind 1, or a folder's package, kind 2)
// into `out`; `storedName` is the stored form of its name.
void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui, const SealedCost& cost = SealingCost);

// The messages after a matching header, read in order. Each message is checked
// before any of its bytes are handed on; any changed, missing or extra byte is the
// damaged error.
class SealedStream {
public:
    SealedStream(vw::FileReader& in, const SealedHeader& header, const SealedKeys& keys);
    ~SealedStream();
    SealedStream(const SealedStream&) = delete;
    SealedStream& operator=(const SealedStream&) = delete;

    SealedContents ReadContents();
    // Writes the content to `out` and checks that it ends with the FINAL message and
    // the file with it. The caller keeps `out` out of sight until this returns.
    void ContentTo(vw::FileWriter& out, Interaction& ui);

private:
    // Reads and opens the next message into `plain`; returns its tag.
    uint8_t Next(std::vector<uint8_t>& plain);

    vw::FileReader& in_;
    std::vector<uint8_t> sealed_;
    crypto_secretstream_xchacha20poly1305_state state_;
};

}  // namespace modVW
