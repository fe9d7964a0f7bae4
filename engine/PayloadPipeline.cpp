#include "PayloadPipeline.h"

#include <pthread.h>

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "Error.h"

namespace modVW {
namespace {

constexpr size_t kPage = 4096;

struct Chunk {
    uint64_t index;
    uint64_t offset;
    size_t len;
    uint8_t* bytes;  // where the chunk lies in its thread's buffer
};

// The kernel copies each read and each write with `rep movsb`, which some
// processors run ten times slower when destination and source lie 1 to 31 bytes
// apart modulo a page. A chunk's bytes start at this place within a page-aligned
// buffer, so that neither copy comes that close, in either direction: at the
// read's own place in its page, or a little behind it when the write's place is
// near that one (a record's payload starts 10 bytes into the file).
size_t PlaceInPage(uint64_t readAt, uint64_t writeAt) {
    const auto near = [](uint64_t apart) {
        apart %= kPage;
        return (apart >= 1 && apart <= 31) || apart >= kPage - 31;
    };
    uint64_t place = readAt % kPage;
    while (near(place - readAt) || near(writeAt - place))
        place = (place + 64) % kPage;
    return static_cast<size_t>(place);
}

// One thread's chunk buffer: a page more than a chunk, page-aligned.
class ChunkBuffer {
public:
    explicit ChunkBuffer(size_t chunk)
        : bytes_(static_cast<uint8_t*>(std::aligned_alloc(kPage, RoundUp(chunk + kPage)))) {
        if (!bytes_) throw std::bad_alloc();
    }
    uint8_t* At(size_t place) const { return bytes_.get() + place; }

private:
    static size_t RoundUp(size_t n) { return (n + kPage - 1) / kPage * kPage; }
    struct Free {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<uint8_t, Free> bytes_;
};

// Fills `len` bytes from `in`; a source that ends first is cut short.
void ReadWhole(vw::ByteSource& in, uint8_t* data, size_t len) {
    while (len > 0) {
        const size_t got = in.Read(data, len);
        if (got == 0)
            throw vw::Error(
                vw::ErrorNumber::InputPastEnd,
                "Input past end of file: the payload ends " + std::to_string(len) + " bytes early");
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
    std::optional<Chunk> ReadNext(const ChunkBuffer& buf) {
        std::lock_guard reading(readTurn_);
        if (Failure() || nextRead_ == count_) return std::nullopt;
        Chunk chunk = plan_.At(nextRead_++);
        chunk.bytes = buf.At(PlaceInPage(ends_.readAt(chunk.offset), ends_.writeAt(chunk.offset)));
        ReadWhole(ends_.in, chunk.bytes, chunk.len);
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
        ends_.out.Write(chunk.bytes, chunk.len);
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
void TakeChunks(Turns& turns, const ChunkBuffer& buf, const ChunkWork& work, After after) {
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

// Starts `body` on a thread that never takes the process's signals, so an
// interrupt is still handled on the thread that talks to the user. Nothing when
// no thread can be started: the calling thread then does all the work.
template <class Body>
std::optional<std::thread> QuietThread(Body body) {
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old);
    std::optional<std::thread> thread;
    try {
        thread.emplace(body);
    } catch (const std::system_error&) {
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return thread;
}

}  // namespace

void RunPayloadPipeline(const PayloadEnds& ends, uint64_t total, const ChunkWork& work,
                        const ChunkDone& done) {
    if (total == 0) return;
    const ChunkPlan plan(total, ends.readAt(0));
    const size_t size = static_cast<size_t>(std::min<uint64_t>(kPayloadChunk, total));
    const ChunkBuffer mine(size), theirs(size);
    Turns turns(plan, ends);
    uint64_t reported = 0;
    // The user hears of every chunk written so far, in order, from this thread only.
    const auto report = [&] {
        for (const uint64_t written = turns.Written(); reported < written; ++reported) {
            const Chunk chunk = plan.At(reported);
            done(chunk.offset, chunk.len);
        }
    };
    auto helper = QuietThread([&] { TakeChunks(turns, theirs, work, [] {}); });
    TakeChunks(turns, mine, work, [&] { report(); });
    if (helper) helper->join();
    if (const auto failure = turns.Failure()) std::rethrow_exception(failure);
    report();
}

size_t FileSource::Read(uint8_t* data, size_t len) {
    const auto n = static_cast<size_t>(std::min<uint64_t>(len, file_.Remaining()));
    file_.ReadBytes(data, n, "the payload");
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
