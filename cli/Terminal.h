#pragma once
// The few terminal services the vw3 command needs.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vw3 {

// Makes SIGINT, SIGTERM, SIGHUP and SIGQUIT remove the run's leftover files and give
// the terminal its echo back before the process ends as the signal says. A signal
// that arrives ignored stays ignored.
void EndCleanlyOnSignals();

bool StdinIsTerminal();
bool StderrIsTerminal();

// Shows `prompt` on standard error and reads one line from the terminal without
// echoing it. Nothing at end of input.
std::optional<std::string> ReadHiddenLine(const std::string& prompt);

// A one-line progress bar with percentage and MB/s on standard error, shown only
// once an operation has run for a second.
class ProgressBar {
public:
    // `totalBytes` is asked when the bar is first drawn (it may not be known before).
    explicit ProgressBar(std::function<uint64_t()> totalBytes);
    ~ProgressBar();  // clears the line it drew

    void Update(int32_t percent);

private:
    using Clock = std::chrono::steady_clock;
    std::function<uint64_t()> totalBytes_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDraw_{};
    bool drawn_ = false;
};

}  // namespace vw3
