// Substitution throughput next to memcpy on the same buffer, in the same run.
// Usage: bench_substitution [MiB]   (default 256)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "Cipher.h"
#include "Interaction.h"
#include "Progress.h"

namespace {

class Silent : public modVW::Interaction {
public:
    std::string ShowOpen(const modVW::FileDialogRequest&) override { return ""; }
    std::string ShowSave(const modVW::FileDialogRequest&) override { return ""; }
    std::string BrowseFolders(const std::string&) override { return ""; }
    std::string PasswordDialog(const std::string&) override { return ""; }
    void MsgBox(const std::string&, const std::string&, int) override {}
    void DoEvents() override {}
};

template <class F>
double BestSeconds(F&& f) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    const size_t n = mib << 20;
    std::vector<uint8_t> src(n), dst(n);
    std::mt19937_64 gen(42);
    for (size_t i = 0; i + 8 <= n; i += 8) {
        const uint64_t v = gen();
        std::memcpy(&src[i], &v, 8);
    }
    const modVW::Substitution substitution(modVW::ForwardMap(modVW::BuildTable()).map);
    Silent ui;

    const double copy = BestSeconds([&] { std::memcpy(dst.data(), src.data(), n); });
    const double subst = BestSeconds([&] {
        for (size_t off = 0; off < n; off += 1 << 20)
            modVW::SubstituteWithProgress(substitution, dst.data() + off,
                                          std::min<size_t>(1 << 20, n - off), off, n, ui);
    });
    const double gb = static_cast<double>(n) / 1e9;
    std::printf("buffer        %zu MiB\n", mib);
    std::printf("memcpy        %6.2f GB/s\n", gb / copy);
    std::printf("substitution  %6.2f GB/s\n", gb / subst);
    std::printf("ratio         %6.2f of memcpy (target: at least 0.25)\n", copy / subst);
    return 0;
}
