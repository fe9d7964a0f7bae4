#include "SealedChunks.h"

#include <algorithm>
#include <cstring>

namespace modVW {
namespace {

constexpr size_t kNonceBytes = kChunkNonceBytes;
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

void SealChunk(const ChunkKey& key, uint64_t index, bool last, uint8_t* text, size_t len) {
    if (index >= kMaxChunks)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed", "The content is too large to seal"));
    uint8_t nonce[kNonceBytes];
    MakeNonce(key, index, last, nonce);
    SealText(key.Key, nonce, text, len, text + len);
}

bool OpenChunk(const ChunkKey& key, uint64_t index, bool last, uint8_t* text, size_t len) {
    uint8_t nonce[kNonceBytes];
    MakeNonce(key, index, last, nonce);
    return OpenText(key.Key, nonce, text, len, text + len);
}

ChunkWriter::ChunkWriter(vw::FileWriter& out, ChunkKey key)
    : out_(out), key_(key), start_(out.Position()), text_(buffers_[0].PlacedFor(start_)) {}

ChunkWriter::~ChunkWriter() {
    for (auto& chunk : writing_)
        chunk.wait();
}

void ChunkWriter::Write(const uint8_t* data, size_t len) {
    while (len > 0) {
        size_t take = len;
        uint8_t* const room = Room(take);  // first: it cuts `take` to what fits
        std::memcpy(room, data, take);
        used_ += take;
        data += take;
        len -= take;
    }
}

uint8_t* ChunkWriter::Room(size_t& len) {
    // A full chunk is sealed only once more text comes: until then it may be the last.
    if (used_ == kChunkText) Submit(false);
    len = std::min(len, kChunkText - used_);
    return text_ + used_;
}

void ChunkWriter::Finish() {
    Submit(true);
    for (; !writing_.empty(); writing_.pop_front())
        writing_.front().get();
}

void ChunkWriter::Submit(bool last) {
    if (counter_ == kMaxChunks)
        throw vw::Error(vw::ErrorNumber::InvalidCall,
                        VW_TEXT("Sealed", "The content is too large to seal"));
    std::shared_future<void> before =
        writing_.empty() ? std::shared_future<void>() : writing_.back();
    writing_.push_back(
        threads_.Run([this, text = text_, used = used_, index = counter_, last, before] {
            SealChunk(key_, index, last, text, used);
            // In order; the failure of an earlier chunk is this one's too.
            if (before.valid()) before.get();
            out_.WriteBytes(text, used + kChunkTag);
        }));
    ++counter_;
    text_ = buffers_[counter_ % kChunkSlots].PlacedFor(start_ + counter_ * kChunkSealed);
    used_ = 0;
    // The next chunk's buffer is free once the chunk that had it is written.
    for (; writing_.size() >= kChunkSlots; writing_.pop_front())
        writing_.front().get();
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
    StartLoading(next_++);
}

ChunkReader::~ChunkReader() {
    for (auto& chunk : ahead_)
        chunk.wait();
}

void ChunkReader::StartLoading(uint64_t index) {
    auto read = std::make_shared<std::promise<void>>();
    std::shared_future<void> before = lastRead_;
    lastRead_ = read->get_future().share();
    ahead_.push_back(
        threads_.Run([this, index, before, read] { return Load(index, before, *read); }));
}

size_t ChunkReader::Load(uint64_t index, const std::shared_future<void>& before,
                         std::promise<void>& read) {
    const uint64_t offset = start_ + index * kChunkSealed;
    const bool last = index + 1 == count_;
    const size_t sealed = last ? static_cast<size_t>(in_.Size() - offset) : kChunkSealed;
    uint8_t* chunk = buffers_[index % kChunkSlots].PlacedFor(offset);
    try {
        if (before.valid()) before.get();
        in_.ReadBytes(chunk, sealed, VW_FIELD("Fields", "a chunk"));
    } catch (...) {
        read.set_exception(std::current_exception());
        throw;
    }
    read.set_value();
    const size_t length = sealed - kChunkTag;
    if (!OpenChunk(key_, index, last, chunk, length)) throw damaged_;
    text_[index % kChunkSlots] = chunk;
    return length;
}

size_t ChunkReader::Read(uint8_t* data, size_t len) {
    const uint8_t* text = nullptr;
    const size_t take = Take(text, len);
    if (take) std::memcpy(data, text, take);
    return take;
}

size_t ChunkReader::Take(const uint8_t*& data, size_t len) {
    while (at_ == length_) {
        if (loaded_ && index_ + 1 == count_) return 0;
        if (loaded_) ++index_;
        // Past the first chunk, the two after the one wanted load meanwhile, the
        // last of them where the one just handed on was.
        while (index_ > 0 && next_ < count_ && next_ <= index_ + kChunkSlots - 1)
            StartLoading(next_++);
        length_ = ahead_.front().get();
        ahead_.pop_front();
        at_ = 0;
        loaded_ = true;
        if (turn_) turn_(std::min(in_.Size(), start_ + (index_ + 1) * kChunkSealed), in_.Size());
    }
    const size_t take = std::min(len, length_ - at_);
    data = text_[index_ % kChunkSlots] + at_;
    at_ += take;
    return take;
}

ChunkReader::Rest ChunkReader::TakeRest() {
    // Chunks loading would share the file with the caller.
    if (!loaded_ || !ahead_.empty())
        throw vw::Error(vw::ErrorNumber::InvalidCall, "The chunks are being read");
    Rest rest{text_[index_ % kChunkSlots] + at_, length_ - at_, index_ + 1, in_.Size(), 0};
    at_ = length_;
    const uint64_t count = count_ - rest.index;
    if (count == 0) return rest;
    rest.offset = start_ + rest.index * kChunkSealed;
    rest.textBytes = in_.Size() - rest.offset - count * kChunkTag;
    return rest;
}

}  // namespace modVW
