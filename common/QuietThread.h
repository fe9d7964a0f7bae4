#pragma once
// Helper threads that never take the process's signals, so that an interrupt is
// always handled on the thread that talks to the user.

#include <pthread.h>

#include <csignal>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace vw {

// Starts `body` on a thread with every signal blocked; nothing when no thread
// can be started, and the caller then does the work itself.
template <class Body>
std::optional<std::thread> QuietThread(Body body) {
    sigset_t all, old;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old);
    std::optional<std::thread> thread;
    try {
        thread.emplace(std::move(body));
    } catch (const std::system_error&) {
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return thread;
}

}  // namespace vw
