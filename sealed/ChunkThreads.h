#pragma once
// Two threads kept for the life of one sealed stream, which run its chunk jobs in
// the order they are handed in. Starting a thread for each 1 MiB chunk cost a
// clone, fresh stack pages and a wake-up per chunk; two threads that live as
// long as the stream pay that once. The threads never take the process's
// signals, so an interrupt is handled on the thread that talks to the user.

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace modVW {

class ChunkThreads {
public:
    // Starts up to two threads; when none can be started, Run does each job on
    // the calling thread.
    ChunkThreads();
    // Runs the jobs still waiting, then ends the threads.
    ~ChunkThreads();
    ChunkThreads(const ChunkThreads&) = delete;
    ChunkThreads& operator=(const ChunkThreads&) = delete;

    // `job`'s result, or what it threw, once a thread has run it.
    template <class Job>
    auto Run(Job job) -> std::shared_future<decltype(job())> {
        auto task = std::make_shared<std::packaged_task<decltype(job())()>>(std::move(job));
        auto result = task->get_future().share();
        Queue([task] { (*task)(); });
        return result;
    }

private:
    void Queue(std::function<void()> job);
    void Serve();

    std::mutex mutex_;
    std::condition_variable waiting_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace modVW
