#include "ChunkThreads.h"

#include <utility>

#include "QuietThread.h"

namespace modVW {

ChunkThreads::ChunkThreads() {
    threads_.reserve(2);  // so that keeping a started thread cannot fail
    // A thread that cannot start leaves its share to the other, or to the caller.
    for (int i = 0; i < 2; ++i)
        if (auto thread = vw::QuietThread([this] { Serve(); }))
            threads_.push_back(std::move(*thread));
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
