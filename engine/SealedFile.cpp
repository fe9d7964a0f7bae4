#include "SealedFile.h"

#include <algorithm>
#include <cstring>

#include "EncryptedRecord.h"
#include "Interaction.h"
#include "Progress.h"

namespace modVW {
namespace {

constexpr uint8_t kMagic[8] = {0x89, 'V', 'W', 'S', '\r', '\n', 0x1A, '\n'};
// Where the fields of the header start.
constexpr size_t kVersionAt = 8, kPassesAt = 10, kMemoryAt = 14, kSaltAt = 22, kStreamAt = 38;
constexpr size_t kKeyCheckAt = 62, kChecksumAt = 94;
constexpr size_t kTagBytes = crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr size_t kLargestMessage = kSealedPiece + kTagBytes;
static_assert(kChecksumAt + crypto_generichash_BYTES == kSealedHeaderBytes);
static_assert(kKeyCheckAt - kStreamAt == crypto_secretstream_xchacha20poly1305_HEADERBYTES);

using HeaderBytes = std::array<uint8_t, kSealedHeaderBytes>;

void PutLittleEndian(HeaderBytes& bytes, size_t at, uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetLittleEndian(const HeaderBytes& bytes, size_t at, size_t width) {
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

// BLAKE2b-256 of bytes[0, length), keyed when `key` is given.
void Digest(const HeaderBytes& bytes, size_t length, const uint8_t* key, uint8_t* out) {
    crypto_generichash(out, crypto_generichash_BYTES, bytes.data(), length, key,
                       key ? kKeyBytes : 0);
}

HeaderBytes BuildHeader(const SealedHeader& header, const uint8_t* streamHeader,
                        const SealedKeys& keys) {
    HeaderBytes bytes{};
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutLittleEndian(bytes, kVersionAt, kSealedVersion, 2);
    PutLittleEndian(bytes, kPassesAt, header.Cost.Passes, 4);
    PutLittleEndian(bytes, kMemoryAt, header.Cost.MemoryBytes, 8);
    std::memcpy(bytes.data() + kSaltAt, header.Salt, kSaltBytes);
    std::memcpy(bytes.data() + kStreamAt, streamHeader, kKeyCheckAt - kStreamAt);
    Digest(bytes, kKeyCheckAt, keys.Check, bytes.data() + kKeyCheckAt);
    Digest(bytes, kChecksumAt, nullptr, bytes.data() + kChecksumAt);
    return bytes;
}

// One message: its length, then the text encrypted and authenticated.
void Push(crypto_secretstream_xchacha20poly1305_state& state, vw::FileWriter& out,
          const uint8_t* text, size_t length, uint8_t tag, std::vector<uint8_t>& sealed) {
    sealed.resize(length + kTagBytes);
    crypto_secretstream_xchacha20poly1305_push(&state, sealed.data(), nullptr, text, length,
                                               nullptr, 0, tag);
    out.WriteU32(static_cast<uint32_t>(sealed.size()));
    out.WriteBytes(sealed.data(), sealed.size());
}

std::vector<uint8_t> ContentsMessage(int16_t kind, const std::string& storedName) {
    if (storedName.size() > UINT16_MAX)
        throw vw::Error(vw::ErrorNumber::InvalidCall, "The file name is too long to store");
    std::vector<uint8_t> text{static_cast<uint8_t>(kind), static_cast<uint8_t>(kind >> 8),
                              static_cast<uint8_t>(storedName.size()),
                              static_cast<uint8_t>(storedName.size() >> 8)};
    text.insert(text.end(), storedName.begin(), storedName.end());
    return text;
}

// The content of `in` in pieces of at most 1 MiB, the last (even an empty one) FINAL.
void SealContent(vw::FileReader& in, vw::FileWriter& out,
                 crypto_secretstream_xchacha20poly1305_state& state, Interaction& ui) {
    const uint64_t total = in.Size();
    std::vector<uint8_t> piece(static_cast<size_t>(std::min<uint64_t>(kSealedPiece, total)));
    std::vector<uint8_t> sealed;
    uint64_t done = 0;
    do {
        const size_t length = static_cast<size_t>(std::min<uint64_t>(piece.size(), total - done));
        in.ReadBytes(piece.data(), length, "the content");
        done += length;
        const uint8_t tag = done == total ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                          : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
        Push(state, out, piece.data(), length, tag, sealed);
        CurrentProgress = ProgressAt(done, total ? total : 1);
        KeepResponsive(ui);
    } while (done < total);
    sodium_memzero(piece.data(), piece.size());
}

}  // namespace

bool IsSealedFile(const std::string& path) {
    uint8_t start[sizeof kMagic] = {};
    try {
        vw::FileReader in(path);
        in.ReadBytes(start, std::min<uint64_t>(sizeof start, in.Size()), "the magic");
    } catch (const vw::Error&) {
        return false;
    }
    if (std::memcmp(start, kMagic, sizeof kMagic) == 0) return true;
    // A classic record always starts with its dimension count, u16 1; any other
    // file named .vws is a sealed file whose magic was damaged.
    return IsSealedName(path) && !(start[0] == 1 && start[1] == 0);
}

bool IsSealedName(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".vws") == 0;
}

vw::Error DamagedError(const std::string& path) {
    return vw::Error(vw::ErrorNumber::InvalidFileFormat,
                     "The sealed file '" + path + "' is damaged");
}

SealedHeader ReadSealedHeader(vw::FileReader& in) {
    RequireSodium();
    if (in.Remaining() < kSealedHeaderBytes) throw DamagedError(in.Path());
    SealedHeader header;
    in.ReadBytes(header.Bytes.data(), header.Bytes.size(), "the header");
    uint8_t checksum[crypto_generichash_BYTES];
    Digest(header.Bytes, kChecksumAt, nullptr, checksum);
    if (std::memcmp(header.Bytes.data(), kMagic, sizeof kMagic) != 0 ||
        std::memcmp(checksum, header.Bytes.data() + kChecksumAt, sizeof checksum) != 0 ||
        GetLittleEndian(header.Bytes, kVersionAt, 2) != kSealedVersion)
        throw DamagedError(in.Path());
    header.Cost.Passes = static_cast<uint32_t>(GetLittleEndian(header.Bytes, kPassesAt, 4));
    header.Cost.MemoryBytes = GetLittleEndian(header.Bytes, kMemoryAt, 8);
    if (!CostWithinBounds(header.Cost)) throw DamagedError(in.Path());
    std::memcpy(header.Salt, header.Bytes.data() + kSaltAt, kSaltBytes);
    return header;
}

bool KeysMatch(const SealedHeader& header, const SealedKeys& keys) {
    uint8_t check[crypto_generichash_BYTES];
    Digest(header.Bytes, kKeyCheckAt, keys.Check, check);
    return crypto_verify_32(check, header.Bytes.data() + kKeyCheckAt) == 0;
}

void SealFile(vw::FileReader& in, vw::FileWriter& out, const std::string& password, int16_t kind,
              const std::string& storedName, Interaction& ui, const SealedCost& cost) {
    if (password.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall, "A sealed file needs a password");
    if (!CostWithinBounds(cost))
        throw vw::Error(vw::ErrorNumber::InvalidCall, "The key derivation cost is out of bounds");
    SealedHeader header;
    header.Cost = cost;
    NewSalt(header.Salt);
    SealedKeys keys;
    DeriveSealedKeys(password, header.Salt, cost, ui, keys);

    crypto_secretstream_xchacha20poly1305_state state;
    uint8_t streamHeader[crypto_secretstream_xchacha20poly1305_HEADERBYTES];
    crypto_secretstream_xchacha20poly1305_init_push(&state, streamHeader, keys.Stream);
    const HeaderBytes bytes = BuildHeader(header, streamHeader, keys);

    out.WriteBytes(bytes.data(), bytes.size());
    const auto contents = ContentsMessage(kind, storedName);
    std::vector<uint8_t> sealed;
    Push(state, out, contents.data(), contents.size(),
         crypto_secretstream_xchacha20poly1305_TAG_MESSAGE, sealed);
    SealContent(in, out, state, ui);
    sodium_memzero(&state, sizeof state);
}

SealedStream::SealedStream(vw::FileReader& in, const SealedHeader& header, const SealedKeys& keys)
    : in_(in) {
    in_.Seek(kSealedHeaderBytes, "the messages");
    if (crypto_secretstream_xchacha20poly1305_init_pull(&state_, header.Bytes.data() + kStreamAt,
                                                        keys.Stream) != 0)
        throw DamagedError(in_.Path());
}

SealedStream::~SealedStream() {
    sodium_memzero(&state_, sizeof state_);
}

uint8_t SealedStream::Next(std::vector<uint8_t>& plain) {
    if (in_.Remaining() < 4) throw DamagedError(in_.Path());
    const uint32_t length = in_.ReadU32("a message length");
    // The length is checked against the format and the file before any allocation.
    if (length < kTagBytes || length > kLargestMessage || length > in_.Remaining())
        throw DamagedError(in_.Path());
    sealed_.resize(length);
    in_.ReadBytes(sealed_.data(), length, "a message");
    plain.resize(length - kTagBytes);
    uint8_t tag = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(&state_, plain.data(), nullptr, &tag,
                                                   sealed_.data(), length, nullptr, 0) != 0)
        throw DamagedError(in_.Path());
    return tag;
}

SealedContents SealedStream::ReadContents() {
    std::vector<uint8_t> text;
    if (Next(text) != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE || text.size() < 4)
        throw DamagedError(in_.Path());
    SealedContents contents;
    contents.Kind = static_cast<int16_t>(text[0] | (text[1] << 8));
    const size_t nameLength = static_cast<size_t>(text[2] | (text[3] << 8));
    if (nameLength != text.size() - 4 ||
        (contents.Kind != SourceKinds::File && contents.Kind != SourceKinds::Folder))
        throw DamagedError(in_.Path());
    contents.StoredName.assign(text.begin() + 4, text.end());
    return contents;
}

void SealedStream::ContentTo(vw::FileWriter& out, Interaction& ui) {
    std::vector<uint8_t> piece;
    for (;;) {
        const uint8_t tag = Next(piece);
        out.WriteBytes(piece.data(), piece.size());
        CurrentProgress = ProgressAt(in_.Position(), in_.Size());
        KeepResponsive(ui);
        if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) break;
        if (tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE)
            throw DamagedError(in_.Path());
    }
    if (in_.Remaining() != 0) throw DamagedError(in_.Path());
    sodium_memzero(piece.data(), piece.size());
}

}  // namespace modVW
