#include "SealedFile.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "SealedPieces.h"

namespace modVW {
namespace {

constexpr uint8_t kMagic[8] = {0x89, 'V', 'W', 'S', '\r', '\n', 0x1A, '\n'};
// Where the fields of the header start.
constexpr size_t kVersionAt = 8, kPassesAt = 10, kMemoryAt = 14, kSaltAt = 22, kStreamAt = 38;
constexpr size_t kKeyCheckAt = 62, kChecksumAt = 94;
constexpr int16_t kFileKind = 1, kFolderKind = 2;
static_assert(kChecksumAt + crypto_generichash_BYTES == kSealedHeaderBytes);
static_assert(kKeyCheckAt - kStreamAt == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(kStreamAt + kNoncePrefixBytes < kKeyCheckAt);

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

bool KnownKind(int16_t kind) {
    return kind == kFileKind || kind == kFolderKind;
}

// The contents of version 1: one message holding exactly the kind, n and the name.
SealedContents ContentsOfMessage(const std::vector<uint8_t>& text, const vw::Error& damaged) {
    if (text.size() < 4) throw damaged;
    SealedContents contents;
    contents.Kind = static_cast<int16_t>(text[0] | (text[1] << 8));
    const size_t nameLength = static_cast<size_t>(text[2] | (text[3] << 8));
    if (nameLength != text.size() - 4 || !KnownKind(contents.Kind)) throw damaged;
    contents.StoredName.assign(text.begin() + 4, text.end());
    return contents;
}

// Exactly `len` bytes of `source`, or the damaged error.
void ReadExactly(vw::ByteSource& source, uint8_t* data, size_t len, const vw::Error& damaged) {
    while (len > 0) {
        const size_t got = source.Read(data, len);
        if (got == 0) throw damaged;
        data += got;
        len -= got;
    }
}

// The contents of version 2: the first bytes of the chunks' text.
SealedContents ContentsOfStream(vw::ByteSource& source, const vw::Error& damaged) {
    uint8_t start[4];
    ReadExactly(source, start, sizeof start, damaged);
    SealedContents contents;
    contents.Kind = static_cast<int16_t>(start[0] | (start[1] << 8));
    if (!KnownKind(contents.Kind)) throw damaged;
    contents.StoredName.resize(static_cast<size_t>(start[2] | (start[3] << 8)));
    ReadExactly(source, reinterpret_cast<uint8_t*>(contents.StoredName.data()),
                contents.StoredName.size(), damaged);
    return contents;
}

}  // namespace

bool IsSealedFile(const std::string& path) {
    uint8_t start[sizeof kMagic] = {};
    try {
        vw::FileReader in(path);
        in.ReadBytes(start, std::min<uint64_t>(sizeof start, in.Size()),
                     VW_FIELD("Fields", "the magic"));
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
                     vw::Text(VW_TEXT("Sealed", "The sealed file '%1' is damaged"), {path}));
}

SealedHeader ReadSealedHeader(vw::FileReader& in) {
    RequireSodium();
    if (in.Remaining() < kSealedHeaderBytes) throw DamagedError(in.Path());
    SealedHeader header;
    in.ReadBytes(header.Bytes.data(), header.Bytes.size(), VW_FIELD("Fields", "the header"));
    uint8_t checksum[crypto_generichash_BYTES];
    Digest(header.Bytes, kChecksumAt, nullptr, checksum);
    header.Version = static_cast<uint16_t>(GetLittleEndian(header.Bytes, kVersionAt, 2));
    if (std::memcmp(header.Bytes.data(), kMagic, sizeof kMagic) != 0 ||
        std::memcmp(checksum, header.Bytes.data() + kChecksumAt, sizeof checksum) != 0 ||
        (header.Version != 1 && header.Version != 2))
        throw DamagedError(in.Path());
    // Version 2 uses 19 of the stream field's 24 bytes; the rest stays zero.
    if (header.Version == 2 && GetLittleEndian(header.Bytes, kStreamAt + kNoncePrefixBytes,
                                               kKeyCheckAt - kStreamAt - kNoncePrefixBytes) != 0)
        throw DamagedError(in.Path());
    header.Cost.Passes = static_cast<uint32_t>(GetLittleEndian(header.Bytes, kPassesAt, 4));
    header.Cost.MemoryBytes = GetLittleEndian(header.Bytes, kMemoryAt, 8);
    if (!CostWithinBounds(header.Cost)) throw DamagedError(in.Path());
    std::memcpy(header.Salt, header.Bytes.data() + kSaltAt, kSaltBytes);
    return header;
}

SealedHeader NewSealedHeader(const SealedCost& cost) {
    if (!CostWithinBounds(cost))
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed", "The key derivation cost is out of bounds"));
    SealedHeader header;
    header.Cost = cost;
    NewSalt(header.Salt);
    return header;
}

bool KeysMatch(const SealedHeader& header, const SealedKeys& keys) {
    uint8_t check[crypto_generichash_BYTES];
    Digest(header.Bytes, kKeyCheckAt, keys.Check, check);
    return crypto_verify_32(check, header.Bytes.data() + kKeyCheckAt) == 0;
}

std::vector<uint8_t> ContentsText(const SealedContents& contents) {
    const std::string& name = contents.StoredName;
    if (name.size() > UINT16_MAX)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed", "The file name is too long to store"));
    std::vector<uint8_t> text(4 + name.size());
    text[0] = static_cast<uint8_t>(contents.Kind);
    text[1] = static_cast<uint8_t>(contents.Kind >> 8);
    text[2] = static_cast<uint8_t>(name.size());
    text[3] = static_cast<uint8_t>(name.size() >> 8);
    std::copy(name.begin(), name.end(), text.begin() + 4);
    return text;
}

SealedStart::SealedStart(vw::FileWriter& out, SealedHeader header, const SealedKeys& keys)
    : stream_(keys.Stream) {
    randombytes_buf(prefix_, sizeof prefix_);
    HeaderBytes& bytes = header.Bytes;
    bytes.fill(0);
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutLittleEndian(bytes, kVersionAt, kSealedVersion, 2);
    PutLittleEndian(bytes, kPassesAt, header.Cost.Passes, 4);
    PutLittleEndian(bytes, kMemoryAt, header.Cost.MemoryBytes, 8);
    std::memcpy(bytes.data() + kSaltAt, header.Salt, kSaltBytes);
    std::memcpy(bytes.data() + kStreamAt, prefix_, sizeof prefix_);
    Digest(bytes, kKeyCheckAt, keys.Check, bytes.data() + kKeyCheckAt);
    Digest(bytes, kChecksumAt, nullptr, bytes.data() + kChecksumAt);
    out.WriteBytes(bytes.data(), bytes.size());
}

SealingSink::SealingSink(vw::FileWriter& out, SealedHeader header, const SealedKeys& keys,
                         const SealedContents& contents)
    : start_(out, std::move(header), keys),
      chunks_(std::make_unique<ChunkWriter>(out, start_.Key())) {
    const auto text = ContentsText(contents);
    chunks_->Write(text.data(), text.size());
}

SealedSource::SealedSource(vw::FileReader& in, const SealedHeader& header, const SealedKeys& keys,
                           SealedTurn turn) {
    const vw::Error damaged = DamagedError(in.Path());
    in.Seek(kSealedHeaderBytes, VW_FIELD("Fields", "the content"));
    if (header.Version == 1) {
        auto pieces = std::make_unique<PieceReader>(in, header.Bytes.data() + kStreamAt,
                                                    keys.Stream, damaged, std::move(turn));
        contents_ = ContentsOfMessage(pieces->FirstMessage(), damaged);
        body_ = std::move(pieces);
        return;
    }
    std::memcpy(prefix_, header.Bytes.data() + kStreamAt, sizeof prefix_);
    auto chunks =
        std::make_unique<ChunkReader>(in, ChunkKey{keys.Stream, prefix_}, damaged, std::move(turn));
    chunks_ = chunks.get();
    body_ = std::move(chunks);
    contents_ = ContentsOfStream(*body_, damaged);
}

SealedSource::~SealedSource() = default;

size_t SealedSource::Take(const uint8_t*& data, size_t len, uint8_t* scratch) {
    if (chunks_) return chunks_->Take(data, len);
    data = scratch;
    return body_->Read(scratch, len);
}

}  // namespace modVW
