#pragma once
// Pieces every benchmark shares: a child run measured for wall time and peak
// memory, and an Interaction that answers nothing, for engine calls that must not
// ask anyone.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Interaction.h"

namespace bench {

struct Measure {
    double seconds;
    long maxRssKiB;
};

// Runs `argv` with `env` (NAME=value pairs) added to its environment; its wall
// time and peak resident memory. A failed run ends the benchmark.
inline Measure RunChild(std::vector<std::string> argv, const std::vector<std::string>& env = {}) {
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const auto& e : env)
            ::putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> args;
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {s, usage.ru_maxrss};
}

// Reads every file at `path` (a file, or a folder's whole tree) so that the run
// after it finds its input in the page cache. This machine pages out file pages
// it sees unused for a few seconds, and a contender whose input was read less
// recently than the reference's then paid for the disk alone.
inline void Warm(const std::string& path) {
    namespace fs = std::filesystem;
    std::vector<char> buf(1 << 20);
    const auto read = [&](const fs::path& file) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        while (::read(fd, buf.data(), buf.size()) > 0) {
        }
        ::close(fd);
    };
    if (!fs::is_directory(path)) return read(path);
    for (const auto& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file()) read(entry.path());
}

class Silent : public modVW::Interaction {
public:
    std::string ShowOpen(const modVW::FileDialogRequest&) override { return ""; }
    std::string ShowSave(const modVW::FileDialogRequest&) override { return ""; }
    std::string BrowseFolders(const std::string&) override { return ""; }
    std::string PasswordDialog(const std::string&) override { return ""; }
    void MsgBox(const std::string&, const std::string&, int) override {}
    void DoEvents() override {}
};

}  // namespace bench
