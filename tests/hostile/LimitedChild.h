#pragma once
// Runs a step in a forked child whose files may not grow beyond a given size
// (RLIMIT_FSIZE), so every write past it fails with EFBIG as on a full disk. The
// child hands back the messages it collected; the parent then looks at the disk.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Nothing when the child did not end normally (a crash shows as a failure).
inline std::optional<std::vector<std::string>> RunWithFileSizeLimit(
    rlim_t limit, const std::function<std::vector<std::string>()>& step) {
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        rlimit rl{};
        ::getrlimit(RLIMIT_FSIZE, &rl);
        rl.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &rl);
        std::string out;
        for (const auto& m : step())
            out += m + '\n';
        const ssize_t written = ::write(fds[1], out.data(), out.size());
        ::_exit(written == static_cast<ssize_t>(out.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    std::vector<std::string> messages;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        messages.push_back(text.substr(start, end - start));
    return messages;
}

// Lifts the limit again inside the child, as far as the hard limit allows.
inline void LiftFileSizeLimit() {
    rlimit rl{};
    ::getrlimit(RLIMIT_FSIZE, &rl);
    rl.rlim_cur = rl.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &rl);
}
