#include "SealedChunks.h"

#include <sodium.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace modVW {
namespace {

constexpr size_t kNonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
static_assert(kChunkTag == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(kNoncePrefixBytes + 4 + 1 == kNonceBytes);
// The counter is 32 bits: at most 2^32 chunks (4 PiB) in one file.
constexpr uint64_t kMaxChunks = uint64_t{1} << 32;

void MakeNonce(const ChunkKey& key, uint64_t index, bool last, uint8_t (&nonce)[kNonceBytes]) {
    std::memcpy(nonce, key.Prefix, kNoncePrefixBytes);
    for (int i = 0; i < 4; ++i)
        nonce[kNoncePrefixBytes + i] = static_cast<uint8_t>(index >> (24 - 8 * i));
    nonce[kNonceBytes - 1] = last ? 1 : 0;
}

}  // namespace

ChunkBuffer::ChunkBuffer() {
    memory_ = static_cast<uint8_t*>(std::aligned_alloc(kPage, kChunkSealed + 2 * kPage));
    if (!memory_) throw std::bad_alloc();
}

ChunkBuffer::~ChunkBuffer() {
    sodium_memzero(memory_, kChunkSealed + 2 * kPage);
    std::free(memory_);
}

uint8_t* ChunkBuffer::PlacedFor(uint64_t fileOffset) {
    return memory_ + fileOffset % kPage;
}

ChunkWriter::ChunkWriter(vw::FileWriter& out, ChunkKey key)
    : out_(out), key_(key), start_(out.Position()), text_(buffers_[0].PlacedFor(start_)) {}

ChunkWriter::~ChunkWriter() {
    if (writing_.valid()) writing_.wait();
}

void ChunkWriter::Write(const uint8_t* data, size_t len) {
    while (len > 0) {
        // A full chunk is sealed only once more text comes: until then it may be the last.
        if (used_ == kChunkText) Submit(false);
        const size_t take = std::min(len, kChunkText - used_);
        std::memcpy(text_ + used_, data, take);
        used_ += take;
        data += take;
        len -= take;
    }
}

void ChunkWriter::Finish() {
    Submit(true);
    writing_.get();
}

void ChunkWriter::Submit(bool last) {
    if (writing_.valid()) writing_.get();  // in order, and its buffer free again
    if (counter_ == kMaxChunks)
        throw vw::Error(vw::ErrorNumber::InvalidCall, "The content is too large to seal");
    writing_ =
        std::async(std::launch::async, [this, text = text_, used = used_, index = counter_, last] {
            uint8_t nonce[kNonceBytes];
            MakeNonce(key_, index, last, nonce);
            crypto_aead_xchacha20poly1305_ietf_encrypt_detached(
                text, text + used, nullptr, text, used, nullptr, 0, nullptr, nonce, key_.Key);
            out_.WriteBytes(text, used + kChunkTag);
        });
    ++counter_;
    current_ ^= 1;
    text_ = buffers_[current_].PlacedFor(start_ + counter_ * kChunkSealed);
    used_ = 0;
}

ChunkReader::ChunkReader(vw::FileReader& in, ChunkKey key, vw::Error damaged, Turn turn)
    : in_(in),
      key_(key),
      damaged_(std::move(damaged)),
      turn_(std::move(turn)),
      start_(in.Position()) {
    // Every chunk but the last is full; the last holds its tag at least, and text
    // unless it is the only one.
    const uint64_t rest = in_.Remaining();
    count_ = (rest + kChunkSealed - 1) / kChunkSealed;
    const uint64_t lastSealed = rest - (count_ ? count_ - 1 : 0) * kChunkSealed;
    if (count_ == 0 || count_ > kMaxChunks || lastSealed < kChunkTag ||
        (count_ > 1 && lastSealed == kChunkTag))
        throw damaged_;
    StartLoading(0);
}

ChunkReader::~ChunkReader() {
    if (next_.valid()) next_.wait();
}

void ChunkReader::StartLoading(uint64_t index) {
    next_ = std::async(std::launch::async, [this, index] { return Load(index, index % 2); });
}

size_t ChunkReader::Load(uint64_t index, int slot) {
    const uint64_t offset = start_ + index * kChunkSealed;
    const bool last = index + 1 == count_;
    const size_t sealed = last ? static_cast<size_t>(in_.Size() - offset) : kChunkSealed;
    uint8_t* chunk = buffers_[slot].PlacedFor(offset);
    in_.ReadBytes(chunk, sealed, "a chunk");
    const size_t length = sealed - kChunkTag;
    uint8_t nonce[kNonceBytes];
    MakeNonce(key_, index, last, nonce);
    if (crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
            chunk, nullptr, chunk, length, chunk + length, nullptr, 0, nonce, key_.Key) != 0)
        throw damaged_;
    text_[slot] = chunk;
    return length;
}

size_t ChunkReader::Read(uint8_t* data, size_t len) {
    while (at_ == length_) {
        if (loaded_ && index_ + 1 == count_) return 0;
        if (loaded_) ++index_;
        length_ = next_.get();
        at_ = 0;
        current_ = static_cast<int>(index_ % 2);
        loaded_ = true;
        if (index_ + 1 < count_) StartLoading(index_ + 1);
        if (turn_) turn_(std::min(in_.Size(), start_ + (index_ + 1) * kChunkSealed), in_.Size());
    }
    const size_t take = std::min(len, length_ - at_);
    std::memcpy(data, text_[current_] + at_, take);
    at_ += take;
    return take;
}

}  // namespace modVW
