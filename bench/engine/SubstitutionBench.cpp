// Substitution throughput of every kernel this processor runs, next to memcpy on
// the same buffer, in the same run: rounds alternate between the contenders, and
// each reports its median and the spread of its ratio to memcpy.
// Usage: bench_substitution [MiB] [rounds]   (default 256 MiB, 7 rounds)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "Cipher.h"
#include "KernelChoice.h"
#include "Progress.h"

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    const size_t n = mib << 20;
    std::vector<uint8_t> src(n), dst(n);
    std::mt19937_64 gen(42);
    for (size_t i = 0; i + 8 <= n; i += 8) {
        const uint64_t v = gen();
        std::memcpy(&src[i], &v, 8);
    }
    const auto map = modVW::ForwardMap(modVW::BuildTable()).map;
    const auto kernels = modVW::RunnableKernels();
    bench::Silent ui;

    // times[0] is memcpy, times[1 + k] kernel k; ratios are per round.
    std::vector<std::vector<double>> times(1 + kernels.size()), ratios(kernels.size());
    for (int r = 0; r < rounds; ++r) {
        const double copy = bench::Seconds([&] { std::memcpy(dst.data(), src.data(), n); });
        times[0].push_back(copy);
        for (size_t k = 0; k < kernels.size(); ++k) {
            const modVW::Substitution substitution(map, kernels[k]);
            const double t = bench::Seconds([&] {
                for (size_t off = 0; off < n; off += 1 << 20)
                    modVW::SubstituteWithProgress(substitution, dst.data() + off,
                                                  std::min<size_t>(1 << 20, n - off), off, n, ui);
            });
            times[1 + k].push_back(t);
            ratios[k].push_back(copy / t);
        }
    }
    const double gb = static_cast<double>(n) / 1e9;
    std::printf("buffer %zu MiB, %d rounds, picked kernel: %s\n", mib, rounds,
                modVW::KernelName(modVW::ChosenKernel()));
    std::printf("memcpy     %6.2f GB/s (median)\n", gb / bench::Median(times[0]));
    for (size_t k = 0; k < kernels.size(); ++k) {
        const auto [lo, hi] = std::minmax_element(ratios[k].begin(), ratios[k].end());
        std::printf("%-10s %6.2f GB/s   %5.2f of memcpy (spread %.2f..%.2f)\n",
                    modVW::KernelName(kernels[k]), gb / bench::Median(times[1 + k]),
                    bench::Median(ratios[k]), *lo, *hi);
    }
    std::printf("targets: avx2 at least 0.50 of memcpy, vbmi and portable for comparison\n");
    return 0;
}
