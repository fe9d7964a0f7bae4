// Encrypts and decrypts one large file with vw3 and reports wall time and peak
// resident memory next to `cp` of the same file, in the same run.
// Usage: bench_vw3_vs_cp [MiB] [folder]   (default 1024 MiB in the temp folder)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Measure {
    double seconds;
    long maxRssKiB;
};

// Runs `argv` and returns its wall time and the child's peak resident memory.
Measure Run(std::vector<std::string> argv) {
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
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

// The best of three runs, after writing back what earlier steps left dirty, so
// the page cache's flushing does not land on one contender only.
Measure Best(const std::vector<std::string>& argv, const std::string& output) {
    Measure best{1e9, 0};
    for (int i = 0; i < 3; ++i) {
        fs::remove(output);
        Run({"sync"});
        const Measure m = Run(argv);
        best.seconds = std::min(best.seconds, m.seconds);
        best.maxRssKiB = std::max(best.maxRssKiB, m.maxRssKiB);
    }
    return best;
}

void MakeFile(const std::string& path, size_t mib) {
    std::ofstream out(path, std::ios::binary);
    std::mt19937_64 gen(7);
    std::vector<uint64_t> block((1 << 20) / 8);
    for (size_t i = 0; i < mib; ++i) {
        for (auto& v : block)
            v = gen();
        out.write(reinterpret_cast<const char*>(block.data()), 1 << 20);
    }
}

void Report(const char* what, const Measure& m, const Measure& cp) {
    std::printf("%-10s %8.2f s  %6.2f x cp   peak RSS %7.1f MiB\n", what, m.seconds,
                m.seconds / cp.seconds, m.maxRssKiB / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path dir = base / ("vw3-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string plain = dir / "plain.bin", pw = dir / "pw";
    std::ofstream(pw) << "benchmark\n";
    MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    // cp is told to copy through user space, as vw3 does, not to clone in the kernel.
    const Measure cp = Best({"cp", "--reflink=never", plain, dir / "copy.bin"}, dir / "copy.bin");
    const Measure enc = Best({VW3_BINARY, "encrypt", plain, "-o", dir / "plain.vw3",
                              "--password-file", pw, "--quiet", "--force"},
                             dir / "plain.vw3");
    const Measure dec = Best({VW3_BINARY, "decrypt", dir / "plain.vw3", "-o", dir / "back.bin",
                              "--password-file", pw, "--quiet", "--force"},
                             dir / "back.bin");
    const bool same = Run({"cmp", "-s", plain, dir / "back.bin"}).seconds >= 0;

    std::printf("file       %zu MiB%s\n", mib, same ? "" : "  (ROUND TRIP DIFFERS)");
    Report("cp", cp, cp);
    Report("encrypt", enc, cp);
    Report("decrypt", dec, cp);
    std::printf("targets: each direction at most 1.5 x cp, peak RSS under 32 MiB\n");
    fs::remove_all(dir);
    return 0;
}
