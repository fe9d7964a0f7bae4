#include "Terminal.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

#include "Signals.h"

namespace vw3 {

namespace {

termios savedTerminal{};
volatile sig_atomic_t terminalChanged = 0;

void GiveTerminalBack(int) {
    if (terminalChanged) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
    static constexpr char kSaid[] = "\nvw3: interrupted\n";
    (void)!::write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
}

}  // namespace

void EndCleanlyOnSignals() {
    vw::interrupts::EndCleanly(GiveTerminalBack);
}

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}
bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

std::optional<std::string> ReadHiddenLine(const std::string& prompt) {
    std::cerr << prompt << ' ' << std::flush;
    const bool terminal = ::tcgetattr(STDIN_FILENO, &savedTerminal) == 0;
    if (terminal) {
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        terminalChanged = 1;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
    terminalChanged = 0;
    std::cerr << '\n';
    if (!got) return std::nullopt;
    return line;
}

ProgressBar::ProgressBar(std::function<uint64_t()> totalBytes)
    : totalBytes_(std::move(totalBytes)) {}

ProgressBar::~ProgressBar() {
    if (drawn_) std::fprintf(stderr, "\r%60s\r", "");
}

void ProgressBar::Update(int32_t percent) {
    const auto now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - start_).count();
    if (seconds < 1.0 || now - lastDraw_ < std::chrono::milliseconds(100)) return;
    lastDraw_ = now;
    drawn_ = true;
    const double mb = static_cast<double>(totalBytes_()) * percent / 100.0 / 1e6;
    const int filled = percent * 30 / 100;
    std::fprintf(stderr, "\r[%-30s] %3d%%  %7.1f MB/s", std::string(filled, '#').c_str(), percent,
                 mb / seconds);
    std::fflush(stderr);
}

}  // namespace vw3
