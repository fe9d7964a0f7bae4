#include "ChunkThreads.h"

#include <pthread.h>

#include <csignal>
#include <system_error>

namespace modVW {

ChunkThreads::ChunkThreads() {
    threads_.reserve(2);  // nothing but a thread's start can fail below
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old);
    try {
        for (int i = 0; i < 2; ++i)
            threads_.emplace_back([this] { Serve(); });
    } catch (const std::system_error&) {
        // Fewer threads: the ones started, or the caller, do the work.
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

ChunkThreads::~ChunkThreads() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    waiting_.notify_all();
    for (auto& thread : threads_)
        thread.join();
}

void ChunkThreads::Queue(std::function<void()> job) {
    if (threads_.empty()) return job();
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    waiting_.notify_one();
}

void ChunkThreads::Serve() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            waiting_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty()) return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

}  // namespace modVW
