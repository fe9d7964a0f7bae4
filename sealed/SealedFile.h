#pragma once
// The sealed file (.vws): the content encrypted with a key derived from the
// password, so that without the password a reader learns its size and nothing
// else. The header (little-endian, no padding, 126 bytes):
//
//   8   magic "\x89VWS\r\n\x1a\n"
//   2   version (1 or 2)
//   4   Argon2id passes        8   Argon2id memory in bytes
//   16  salt
//   24  version 1: secretstream header; version 2: 19 bytes nonce prefix, 5 zero
//   32  key check: BLAKE2b keyed with the check subkey, over the 62 bytes above
//   32  checksum: plain BLAKE2b over the 94 bytes above
//
// Version 1 then holds secretstream messages, each a u32 length and the sealed
// text: first the contents (i16 kind, u16 n, n name bytes), then the content in
// pieces of at most 1 MiB, the last one tagged FINAL. Version 2 holds chunks (see
// SealedChunks.h) whose text is the contents followed by the content.
//
// The checksum makes any changed header byte damage before the costly key
// derivation; the key check tells a wrong password from a damaged chunk.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BinaryFile.h"
#include "ByteStream.h"
#include "Error.h"
#include "SealedChunks.h"
#include "SealedKey.h"

namespace modVW {

// The version new files are sealed in; version 1 files are still read.
constexpr uint16_t kSealedVersion = 2;
constexpr size_t kSealedHeaderBytes = 126;

// The cost new files are sealed with. Only tests lower it, to stay fast; no option
// of the program reaches it, and the reader accepts any cost within the bounds.
inline SealedCost SealingCost = kNewFileCost;

struct SealedHeader {
    uint16_t Version = kSealedVersion;
    SealedCost Cost;
    uint8_t Salt[kSaltBytes] = {};
    std::array<uint8_t, kSealedHeaderBytes> Bytes = {};  // as stored
};

// What the content starts with: what a classic record keeps in the clear. Kind 1
// is a file; kind 2 a folder: its STUF20 package in version 1, its whole tree as a
// POSIX pax archive in version 2.
struct SealedContents {
    int16_t Kind = 0;
    std::string StoredName;  // the stored form of the name (see Text1252::NameToFile)
};

// Progress while the content streams: file bytes done of the total.
using SealedTurn = std::function<void(uint64_t done, uint64_t total)>;

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

// A version-2 header for new keys: the cost and a fresh salt. Derive the keys
// from its salt, then seal with them.
SealedHeader NewSealedHeader(const SealedCost& cost);

// True when `keys` come from the password the file was sealed with.
bool KeysMatch(const SealedHeader& header, const SealedKeys& keys);

// The contents as they start the text: i16 kind, u16 n, n name bytes.
std::vector<uint8_t> ContentsText(const SealedContents& contents);

// The start of a version-2 file: its header, written into `out` at once with a
// fresh nonce prefix, and the key its chunks are then sealed with (see
// SealedChunks.h); the first chunk's text begins with ContentsText. Holds
// `keys` by reference.
class SealedStart {
public:
    SealedStart(vw::FileWriter& out, SealedHeader header, const SealedKeys& keys);
    SealedStart(const SealedStart&) = delete;
    SealedStart& operator=(const SealedStart&) = delete;
    ChunkKey Key() const { return {stream_, prefix_}; }

private:
    uint8_t prefix_[kNoncePrefixBytes];
    const uint8_t* stream_;
};

// Writes a version-2 sealed file into `out`: the header and the contents at once,
// the content as it is written here. Finish ends it; a file not finished never
// opens.
class SealingSink : public vw::ByteSink {
public:
    SealingSink(vw::FileWriter& out, SealedHeader header, const SealedKeys& keys,
                const SealedContents& contents);
    void Write(const uint8_t* data, size_t len) override { chunks_->Write(data, len); }
    void Finish() { chunks_->Finish(); }

private:
    SealedStart start_;
    std::unique_ptr<ChunkWriter> chunks_;
};

// The content after a matching header, of either version: Contents() at once,
// then the content's bytes, each checked before it is handed on. Read returns 0
// only once the end is verified; any changed, missing or extra byte throws the
// damaged error.
class SealedSource : public vw::ByteSource {
public:
    SealedSource(vw::FileReader& in, const SealedHeader& header, const SealedKeys& keys,
                 SealedTurn turn);
    ~SealedSource() override;
    const SealedContents& Contents() const { return contents_; }
    size_t Read(uint8_t* data, size_t len) override { return body_->Read(data, len); }
    // The next at most `len` bytes in place where the version allows it, else read
    // into `scratch` (of `len` bytes): how many, 0 at the verified end.
    size_t Take(const uint8_t*& data, size_t len, uint8_t* scratch);
    // Version 2's chunks, for a caller that opens those after the first itself
    // (ChunkReader::TakeRest); none for version 1.
    ChunkReader* Chunks() const { return chunks_; }

private:
    uint8_t prefix_[kNoncePrefixBytes];
    std::unique_ptr<vw::ByteSource> body_;
    ChunkReader* chunks_ = nullptr;  // body_, for version 2
    SealedContents contents_;
};

}  // namespace modVW
