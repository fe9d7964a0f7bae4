#include "PayloadPipeline.h"

#include <pthread.h>

#include <array>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "Error.h"

namespace modVW {
namespace {

constexpr size_t kChunk = 1 << 20;
constexpr size_t kBuffers = 3;

// Where a buffer waits: to be filled, to be worked on, to be written.
enum Stage { kRead, kWork, kWrite, kStages };

// The buffers and the three queues they move through, read -> work -> write ->
// read. One lock guards them all; they change once per megabyte.
class Stages {
public:
    Stages() {
        for (size_t i = 0; i < kBuffers; ++i)
            queues_[kRead].push_back(i);
    }

    // The next buffer for `stage`, in payload order; nothing once a stage failed.
    std::optional<size_t> Take(Stage stage) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return failure_ || !queues_[stage].empty(); });
        if (failure_) return std::nullopt;
        const size_t buffer = queues_[stage].front();
        queues_[stage].pop_front();
        return buffer;
    }

    void Pass(Stage to, size_t buffer) {
        std::lock_guard lock(mutex_);
        queues_[to].push_back(buffer);
        changed_.notify_all();
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
    std::mutex mutex_;
    std::condition_variable changed_;
    std::array<std::deque<size_t>, kStages> queues_;
    std::exception_ptr failure_;
};

// Runs `body` on a new thread that never takes the process's signals, so an
// interrupt is still handled on the thread that talks to the user.
template <class Body>
std::thread QuietThread(Stages& stages, Body body) {
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old);
    std::thread thread;
    try {
        thread = std::thread([&stages, body] {
            try {
                body();
            } catch (...) {
                stages.Fail(std::current_exception());
            }
        });
    } catch (const std::system_error&) {
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
        throw vw::Error(vw::ErrorNumber::OutOfMemory,
                        "Out of memory: cannot start a thread for the payload");
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return thread;
}

// Calls `each(buffer, len, offset)` for every chunk of `total` bytes while
// `stage` has a buffer for it, passing the buffer on to `next`. The first chunk
// holds `first` bytes, the others kChunk.
template <class Each>
void RunStage(Stages& stages, Stage stage, Stage next, uint64_t total, uint64_t first, Each each) {
    for (uint64_t off = 0, len = first; off < total; off += len, len = kChunk) {
        const auto buffer = stages.Take(stage);
        if (!buffer) return;
        len = std::min(len, total - off);
        each(*buffer, static_cast<size_t>(len), off);
        stages.Pass(next, *buffer);
    }
}

}  // namespace

void RunPayloadPipeline(vw::FileReader& in, vw::FileWriter& out, uint64_t total,
                        const ChunkWork& work) {
    if (total == 0) return;
    std::vector<std::vector<uint8_t>> buffers(
        kBuffers, std::vector<uint8_t>(static_cast<size_t>(std::min<uint64_t>(kChunk, total))));
    Stages stages;
    // Reads end on whole megabytes of the source file, so a payload that starts
    // behind a header (a record's) is read at page-aligned offsets, as a plain
    // file's is: decryption reads and writes the way encryption writes and reads.
    const uint64_t first = kChunk - in.Position() % kChunk;
    std::thread reader, writer;
    try {
        reader = QuietThread(stages, [&] {
            RunStage(stages, kRead, kWork, total, first, [&](size_t b, size_t len, uint64_t) {
                in.ReadBytes(buffers[b].data(), len, "the payload");
            });
        });
        writer = QuietThread(stages, [&] {
            RunStage(stages, kWrite, kRead, total, first, [&](size_t b, size_t len, uint64_t) {
                out.WriteBytes(buffers[b].data(), len);
            });
        });
        RunStage(stages, kWork, kWrite, total, first,
                 [&](size_t b, size_t len, uint64_t off) { work(buffers[b].data(), len, off); });
    } catch (...) {
        stages.Fail(std::current_exception());
    }
    // A stage that failed has stopped the others, so both threads end.
    for (std::thread* t : {&reader, &writer})
        if (t->joinable()) t->join();
    if (const auto failure = stages.Failure()) std::rethrow_exception(failure);
}

}  // namespace modVW
