// Seals and opens one large file with `vw3 encrypt --sealed` / `vw3 decrypt`, next
// to `cp` of the same file in the same run: wall time (median of five runs) and
// peak resident memory. The key derivation is timed on its own, in this process,
// and reported separately, since it costs the same whatever the file's size.
// Usage: bench_sealed_vs_cp [MiB] [folder]   (default 1024 MiB in the temp folder)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SealedKey.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 5;

using bench::Measure;

double Since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Runs `argv`; its wall time and the child's peak resident memory.
Measure Run(std::vector<std::string> argv) {
    return bench::RunChild(std::move(argv));
}

// The median of five runs (after writing back what earlier steps left dirty), and
// the largest peak memory of them.
Measure Median(const std::vector<std::string>& argv, const std::string& output) {
    std::vector<double> times;
    long rss = 0;
    for (int i = 0; i < kRuns; ++i) {
        fs::remove(output);
        Run({"sync"});
        const Measure m = Run(argv);
        times.push_back(m.seconds);
        rss = std::max(rss, m.maxRssKiB);
    }
    std::sort(times.begin(), times.end());
    return {times[kRuns / 2], rss};
}

// The median time of the key derivation at the cost new files are sealed with.
double KeyDerivationSeconds() {
    bench::Silent ui;
    const uint8_t salt[modVW::kSaltBytes] = {};
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        modVW::SealedKeys keys;
        const auto t0 = Clock::now();
        modVW::DeriveSealedKeys("benchmark", salt, modVW::kNewFileCost, ui, keys);
        times.push_back(Since(t0));
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

void MakeFile(const std::string& path, size_t mib) {
    std::ofstream out(path, std::ios::binary);
    std::vector<uint64_t> block((1 << 20) / 8);
    uint64_t x = 88172645463325252ull;
    for (size_t i = 0; i < mib; ++i) {
        for (auto& v : block) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            v = x;
        }
        out.write(reinterpret_cast<const char*>(block.data()), 1 << 20);
    }
}

void Report(const char* what, const Measure& m, const Measure& cp, double kdf) {
    std::printf(
        "%-6s %7.2f s  %5.2f x cp  without KDF %5.2f x cp  peak RSS %7.1f MiB"
        "  (%+.1f MiB over Argon2id)\n",
        what, m.seconds, m.seconds / cp.seconds, (m.seconds - kdf) / cp.seconds,
        m.maxRssKiB / 1024.0, m.maxRssKiB / 1024.0 - modVW::kNewFileCost.MemoryBytes / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path dir = base / ("vw3-sealed-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string plain = dir / "plain.bin", pw = dir / "pw";
    std::ofstream(pw) << "benchmark\n";
    MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    const double kdf = KeyDerivationSeconds();
    const Measure cp = Median({"cp", "--reflink=never", plain, dir / "copy.bin"}, dir / "copy.bin");
    const Measure seal = Median({VW3_BINARY, "encrypt", "--sealed", plain, "-o", dir / "p.vws",
                                 "--password-file", pw, "--quiet", "--force"},
                                dir / "p.vws");
    const Measure open = Median({VW3_BINARY, "decrypt", dir / "p.vws", "-o", dir / "back.bin",
                                 "--password-file", pw, "--quiet", "--force"},
                                dir / "back.bin");
    const bool same =
        std::system(("cmp -s '" + plain + "' '" + (dir / "back.bin").string() + "'").c_str()) == 0;

    std::printf("file   %zu MiB%s; key derivation (Argon2id, %u passes, %llu MiB) %.2f s\n", mib,
                same ? "" : "  (ROUND TRIP DIFFERS)", modVW::kNewFileCost.Passes,
                static_cast<unsigned long long>(modVW::kNewFileCost.MemoryBytes >> 20), kdf);
    Report("cp", cp, cp, 0);
    Report("seal", seal, cp, kdf);
    Report("open", open, cp, kdf);
    std::printf("targets: without KDF at most 2 x cp; peak RSS at most Argon2id + 32 MiB\n");
    fs::remove_all(dir);
    return same ? 0 : 1;
}
