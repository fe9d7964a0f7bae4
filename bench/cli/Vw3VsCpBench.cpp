// Encrypts and decrypts one large file with vw3 and reports wall time and peak
// resident memory next to `cp` of the same file, in the same run: with the kernel
// the processor picks, and with the AVX2 and portable kernels forced. Each run is
// preceded by a cp; each contender reports its median time over the rounds as a
// multiple of cp's median, with its quartiles.
// Usage: bench_vw3_vs_cp [MiB] [rounds] [folder]   (default 1024 MiB, 9 rounds, temp folder)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "KernelChoice.h"

namespace fs = std::filesystem;

namespace {

using bench::Measure;

// Runs `argv` (with VAULTWISE_KERNEL=`kernel` when one is given) after writing
// back what earlier steps left dirty, so the page cache's flushing does not land
// on one contender only; returns its wall time and peak resident memory.
Measure Run(std::vector<std::string> argv, const std::string& kernel = "") {
    bench::RunChild({"sync"});
    return bench::RunChild(std::move(argv),
                           kernel.empty() ? std::vector<std::string>{}
                                          : std::vector<std::string>{"VAULTWISE_KERNEL=" + kernel});
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

double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

// One contender's runs: seconds and peak memory. On a virtual machine a run now and
// then takes several times as long (fresh pages cost the host a fault each), and
// cp as often as vw3, so a contender is weighed by its median against cp's median
// rather than by the ratio of two single runs; its quartiles give the spread.
struct Series {
    explicit Series(std::string n) : name(std::move(n)) {}

    std::string name;
    std::vector<double> seconds;
    long maxRssKiB = 0;

    void Add(const Measure& m) {
        seconds.push_back(m.seconds);
        maxRssKiB = std::max(maxRssKiB, m.maxRssKiB);
    }
    double Median() const { return Quantile(seconds, 0.5); }
    void Report(double cpMedian) const {
        std::printf("%-20s %6.2f s  %5.2f x cp (quartiles %.2f..%.2f)  peak RSS %6.1f MiB\n",
                    name.c_str(), Median(), Median() / cpMedian, Quantile(seconds, 0.25) / cpMedian,
                    Quantile(seconds, 0.75) / cpMedian, maxRssKiB / 1024.0);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const fs::path base = argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path();
    const fs::path dir = base / ("vw3-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string plain = dir / "plain.bin", pw = dir / "pw", vw3 = dir / "plain.vw3",
                      copy = dir / "copy.bin";
    std::ofstream(pw) << "benchmark\n";
    MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    // The file every decryption reads; the table it holds is the same for any kernel.
    Run({VW3_BINARY, "encrypt", plain, "-o", vw3, "--password-file", pw, "--quiet"});

    // Each contender runs right after a cp of its own, and every run's output is
    // removed as soon as it is measured, so each run finds the same files and the
    // same free memory (on a virtual machine, pages never used before cost much
    // more to write into), and another program's load weighs on both alike. The
    // order rotates each round; a first round only warms up and is not counted.
    // "" is the kernel the processor picks; the others are forced.
    struct Contender {
        Series series;
        std::string kernel;
        bool decrypt;
    };
    std::vector<Contender> contenders;
    for (const std::string k : {"", "avx2", "portable"})
        for (bool decrypt : {false, true})
            contenders.push_back({Series(std::string(decrypt ? "decrypt " : "encrypt ") +
                                         (k.empty() ? std::string("picked ") +
                                                          modVW::KernelName(modVW::ChosenKernel())
                                                    : k)),
                                  k, decrypt});
    Series cpSeries("cp");
    bool same = true;
    for (int r = -1; r < rounds; ++r)
        for (size_t i = 0; i < contenders.size(); ++i) {
            Contender& c = contenders[(i + r + 1) % contenders.size()];
            const std::string out = dir / ((c.decrypt ? "back-" : "again-") + c.kernel);
            // cp is told to copy through user space, as vw3 does, not to clone in the kernel.
            const Measure cp = Run({"cp", "--reflink=never", plain, copy});
            fs::remove(copy);
            const Measure m =
                Run({VW3_BINARY, c.decrypt ? "decrypt" : "encrypt", c.decrypt ? vw3 : plain, "-o",
                     out, "--password-file", pw, "--quiet"},
                    c.kernel);
            if (c.decrypt)
                same = same && ::system(("cmp -s '" + plain + "' '" + out + "'").c_str()) == 0;
            fs::remove(out);
            if (r < 0) continue;
            cpSeries.Add(cp);
            c.series.Add(m);
        }

    std::printf("file %zu MiB, %d rounds, medians%s\n", mib, rounds,
                same ? "" : "  (ROUND TRIP DIFFERS)");
    cpSeries.Report(cpSeries.Median());
    for (const auto& c : contenders)
        c.series.Report(cpSeries.Median());
    std::printf("targets: picked at most 1.1 x cp, avx2 at most 1.2 x cp, peak RSS under 32 MiB\n");
    fs::remove_all(dir);
    return same ? 0 : 1;
}
