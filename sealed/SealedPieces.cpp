#include "SealedPieces.h"

#include <algorithm>
#include <cstring>

namespace modVW {
namespace {

constexpr size_t kTagBytes = crypto_secretstream_xchacha20poly1305_ABYTES;
constexpr size_t kLargestMessage = (size_t{1} << 20) + kTagBytes;

}  // namespace

PieceReader::PieceReader(vw::FileReader& in, const uint8_t* streamHeader, const uint8_t* key,
                         vw::Error damaged, Turn turn)
    : in_(in), damaged_(std::move(damaged)), turn_(std::move(turn)) {
    if (crypto_secretstream_xchacha20poly1305_init_pull(&state_, streamHeader, key) != 0)
        throw damaged_;
}

PieceReader::~PieceReader() {
    sodium_memzero(&state_, sizeof state_);
    if (!plain_.empty()) sodium_memzero(plain_.data(), plain_.size());
}

uint8_t PieceReader::Next() {
    if (in_.Remaining() < 4) throw damaged_;
    const uint32_t length = in_.ReadU32(VW_FIELD("Fields", "a message length"));
    // The length is checked against the format and the file before any allocation.
    if (length < kTagBytes || length > kLargestMessage || length > in_.Remaining()) throw damaged_;
    sealed_.resize(length);
    in_.ReadBytes(sealed_.data(), length, VW_FIELD("Fields", "a message"));
    plain_.resize(length - kTagBytes);
    uint8_t tag = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(&state_, plain_.data(), nullptr, &tag,
                                                   sealed_.data(), length, nullptr, 0) != 0)
        throw damaged_;
    at_ = 0;
    return tag;
}

std::vector<uint8_t> PieceReader::FirstMessage() {
    if (Next() != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE) throw damaged_;
    std::vector<uint8_t> text;
    text.swap(plain_);
    return text;
}

size_t PieceReader::Read(uint8_t* data, size_t len) {
    while (at_ == plain_.size()) {
        if (final_) return 0;
        const uint8_t tag = Next();
        final_ = tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
        if (!final_ && tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE) throw damaged_;
        // Nothing may follow the FINAL message; it is checked before its text goes on.
        if (final_ && in_.Remaining() != 0) throw damaged_;
        if (turn_) turn_(in_.Position(), in_.Size());
    }
    const size_t take = std::min(len, plain_.size() - at_);
    std::memcpy(data, plain_.data() + at_, take);
    at_ += take;
    return take;
}

}  // namespace modVW
