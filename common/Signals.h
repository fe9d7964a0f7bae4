#pragma once
// What SIGINT, SIGTERM, SIGHUP and SIGQUIT do to a run: the files and folders
// registered in Leftovers go, then the process ends as the signal says. While a
// folder's entries are being put in place the signals are held instead, so that
// the placement is finished or rolled back before anything is removed: removing
// the staging folder half-way would delete the old versions it holds.

namespace vw::interrupts {

// Installs the handlers; `first` (async-signal-safe, may be null) runs before the
// clean-up, e.g. to give a terminal its echo back. A signal that was ignored when
// the process started (nohup, a script's background job) stays ignored.
void EndCleanly(void (*first)(int signal));

// While one lives, the signals are noted instead of acted on. Destroyed after
// one arrived, it ends the process as the signal would have.
class Held {
public:
    Held();
    ~Held();
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    // True once a signal has arrived: the holder rolls back or finishes, then
    // lets go.
    bool Arrived() const;
};

}  // namespace vw::interrupts
