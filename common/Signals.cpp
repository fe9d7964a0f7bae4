#include "Signals.h"

#include <csignal>
#include <initializer_list>

#include "Leftovers.h"

namespace vw::interrupts {
namespace {

void (*firstStep)(int) = nullptr;
volatile sig_atomic_t holding = 0;
volatile sig_atomic_t arrived = 0;

// Cleans up, then lets the default action end the process: at once outside a
// handler, as soon as the handler returns inside one (the signal is blocked there).
void EndBy(int signal) {
    if (firstStep) firstStep(signal);
    Leftovers::RemoveAllNow();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void OnSignal(int signal) {
    if (holding) {
        arrived = signal;
        return;
    }
    EndBy(signal);
}

}  // namespace

void EndCleanly(void (*first)(int signal)) {
    firstStep = first;
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action {};
        if (::sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
        action = {};
        action.sa_handler = OnSignal;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

Held::Held() {
    arrived = 0;
    holding = 1;
}

Held::~Held() {
    holding = 0;
    if (arrived) EndBy(arrived);
}

bool Held::Arrived() const {
    return arrived != 0;
}

}  // namespace vw::interrupts
