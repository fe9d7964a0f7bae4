#pragma once
// Pieces every benchmark shares: a child run measured for wall time and peak
// memory, the inputs (a file and a folder of random bytes), quantiles, and an
// Interaction that answers nothing, for engine calls that must not ask anyone.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Interaction.h"

namespace bench {

struct Measure {
    double seconds;
    long maxRssKiB;
};

// In a child: becomes `argv`, or ends with 127 when it cannot.
[[noreturn]] inline void Exec(std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    std::_Exit(127);
}

// Runs `argv` with `env` (NAME=value pairs) added to its environment; its wall
// time and peak resident memory. A failed run ends the benchmark.
inline Measure RunChild(std::vector<std::string> argv, const std::vector<std::string>& env = {}) {
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const auto& e : env)
            ::putenv(const_cast<char*>(e.c_str()));
        Exec(argv);
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

// A file of `mib` MiB of random bytes: nothing for a compressor to take out.
inline void MakeFile(const std::string& path, size_t mib) {
    std::ofstream out(path, std::ios::binary);
    std::mt19937_64 gen(7);
    std::vector<uint64_t> block((1 << 20) / 8);
    for (size_t i = 0; i < mib; ++i) {
        for (auto& v : block)
            v = gen();
        out.write(reinterpret_cast<const char*>(block.data()), 1 << 20);
    }
}

// The folder the folder rows weigh against tar: 4 files of 64 MiB and 2,000 of 4 KiB.
inline void MakeFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 4; ++i)
        MakeFile(folder / ("large-" + std::to_string(i) + ".bin"), 64);
    std::mt19937_64 gen(11);
    std::vector<uint64_t> block(4096 / 8);
    for (int i = 0; i < 2000; ++i) {
        for (auto& v : block)
            v = gen();
        std::ofstream(folder / ("small-" + std::to_string(i) + ".dat"), std::ios::binary)
            .write(reinterpret_cast<const char*>(block.data()), 4096);
    }
}
inline constexpr const char* kFolderShape = "4 x 64 MiB + 2,000 x 4 KiB";

// The wall time `work` takes in this process.
template <class Work>
double Seconds(Work&& work) {
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// The value below which a share `q` (0..1) of `v` lies.
inline double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}
inline double Median(std::vector<double> v) {
    return Quantile(std::move(v), 0.5);
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
