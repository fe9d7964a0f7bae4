#include "PayloadPipeline.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "Error.h"
#include "PagePlacement.h"
#include "QuietThread.h"

namespace modVW {
namespace {

struct Chunk {
    uint64_t index;
    uint64_t offset;
    size_t len;
    uint8_t* bytes;  // where the chunk lies in its thread's buffer
};

// Fills `len` bytes from `in`; a source that ends first is cut short.
void ReadWhole(vw::ByteSource& in, uint8_t* data, size_t len) {
    while (len > 0) {
        const size_t got = in.Read(data, len);
        if (got == 0)
            throw vw::Error(vw::ErrorNumber::InputPastEnd,
                            vw::Text(VW_TEXT("Procedures",
                                             "Input past end of file: the payload "
                                             "ends %1 bytes early"),
                                     {std::to_string(len)}));
        data += got;
        len -= got;
    }
}

// Where the chunks of a payload lie: the first ends where the source file reaches
// a multiple of kPayloadChunk, so a payload that starts behind a header (a
// record's) is read at page-aligned offsets, as a plain file is: decryption reads
// and writes the way encryption writes and reads.
class ChunkPlan {
public:
    ChunkPlan(uint64_t total, uint64_t sourceStart)
        : total_(total), first_(kPayloadChunk - sourceStart % kPayloadChunk) {}

    uint64_t Count() const {
        return total_ <= first_ ? 1 : 1 + (total_ - first_ + kPayloadChunk - 1) / kPayloadChunk;
    }
    Chunk At(uint64_t index) const {
        const uint64_t offset = index == 0 ? 0 : first_ + (index - 1) * kPayloadChunk;
        const uint64_t len =
            std::min<uint64_t>(index == 0 ? first_ : kPayloadChunk, total_ - offset);
        return {index, offset, static_cast<size_t>(len), nullptr};
    }

private:
    uint64_t total_, first_;
};

// The two turns both threads take, and the first failure, which ends both.
class Turns {
public:
    Turns(const ChunkPlan& plan, const PayloadEnds& ends)
        : plan_(plan), count_(plan.Count()), ends_(ends) {}

    // Reads the next chunk in payload order into `buf`; nothing once all are
    // taken or a thread failed. The turn to read is held during the read.
    std::optional<Chunk> ReadNext(const vw::PlacedBuffer& buf) {
        std::lock_guard reading(readTurn_);
        if (Failure() || nextRead_ == count_) return std::nullopt;
        Chunk chunk = plan_.At(nextRead_++);
        chunk.bytes = buf.For(ends_.readAt(chunk.offset), ends_.writeAt(chunk.offset));
        ReadWhole(ends_.in, chunk.bytes, chunk.len + ends_.shrinks);
        return chunk;
    }

    // Writes `chunk` once every chunk before it is written; false when a thread
    // failed first.
    bool WriteInTurn(const Chunk& chunk) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return failure_ || written_ == chunk.index; });
            if (failure_) return false;
        }
        ends_.out.Write(chunk.bytes, chunk.len + ends_.grows);
        std::lock_guard lock(mutex_);
        ++written_;
        changed_.notify_all();
        return true;
    }

    uint64_t Written() {
        std::lock_guard lock(mutex_);
        return written_;
    }

    // Keeps the first failure only: the later ones are its consequences.
    void Fail(std::exception_ptr failure) {
        std::lock_guard lock(mutex_);
        if (!failure_) failure_ = failure;
        changed_.notify_all();
    }

    std::exception_ptr Failure() {
        std::lock_guard lock(mutex_);
        return failure_;
    }

private:
    const ChunkPlan& plan_;
    const uint64_t count_;
    const PayloadEnds& ends_;
    std::mutex readTurn_;
    uint64_t nextRead_ = 0;  // guarded by readTurn_
    std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t written_ = 0;
    std::exception_ptr failure_;
};

// One thread's share: chunk after chunk, read, worked on and written, with
// `after` called after each chunk it wrote.
template <class After>
void TakeChunks(Turns& turns, const vw::PlacedBuffer& buf, const ChunkWork& work, After after) {
    try {
        while (const auto chunk = turns.ReadNext(buf)) {
            work(chunk->bytes, chunk->len, chunk->offset);
            if (!turns.WriteInTurn(*chunk)) return;
            after();
        }
    } catch (...) {
        turns.Fail(std::current_exception());
    }
}

}  // namespace

void RunPayloadPipeline(const PayloadEnds& ends, uint64_t total, const ChunkWork& work,
                        const ChunkDone& done) {
    if (total == 0) return;
    const ChunkPlan plan(total, ends.cutAt ? ends.cutAt(0) : ends.readAt(0));
    const size_t size =
        static_cast<size_t>(std::min<uint64_t>(kPayloadChunk, total)) + ends.grows + ends.shrinks;
    const vw::PlacedBuffer mine(size), theirs(size);
    Turns turns(plan, ends);
    uint64_t reported = 0;
    // The user hears of every chunk written so far, in order, from this thread only.
    const auto report = [&] {
        for (const uint64_t written = turns.Written(); reported < written; ++reported) {
            const Chunk chunk = plan.At(reported);
            done(chunk.offset, chunk.len);
        }
    };
    auto helper = vw::QuietThread([&] { TakeChunks(turns, theirs, work, [] {}); });
    TakeChunks(turns, mine, work, [&] { report(); });
    if (helper) helper->join();
    if (const auto failure = turns.Failure()) std::rethrow_exception(failure);
    report();
}

size_t FileSource::Read(uint8_t* data, size_t len) {
    const auto n = static_cast<size_t>(std::min<uint64_t>(len, file_.Remaining()));
    file_.ReadBytes(data, n, VW_FIELD("Fields", "the payload"));
    return n;
}

void RunPayloadPipeline(vw::FileReader& in, vw::FileWriter& out, uint64_t total,
                        const ChunkWork& work, const ChunkDone& done) {
    FileSource source(in);
    FileSink sink(out);
    const uint64_t readFrom = in.Position(), writeFrom = out.Position();
    RunPayloadPipeline({source, sink, [&](uint64_t off) { return readFrom + off; },
                        [&](uint64_t off) { return writeFrom + off; }},
                       total, work, done);
}

}  // namespace modVW
