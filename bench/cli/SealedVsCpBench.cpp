// Seals and opens one large file with `vw3 encrypt --sealed` / `vw3 decrypt`, next
// to `cp` and to age (`age -r` / `age -d -i`, an X25519 key, so it derives no key)
// of the same file in the same rounds. Each round runs every contender once in a
// shuffled order; each reports its median and quartiles as multiples of cp's
// median, and vw3's peak resident memory. The key derivation is timed on its own,
// in this process, and taken out of vw3's times, since it costs the same whatever
// the file's size. Without age on the PATH its rows are left out (install it with
// scripts/install-deps.sh --bench).
// Usage: bench_sealed_vs_cp [MiB] [folder] [rounds]   (default 1024 MiB, temp folder, 9)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SealedKey.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Contender {
    std::string name;
    std::vector<std::string> argv;
    std::string output;  // removed before each run
    std::vector<double> times;
    long maxRssKiB = 0;
};

double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

// The median time of the key derivation at the cost new files are sealed with.
double KeyDerivationSeconds(int runs) {
    const uint8_t salt[modVW::kSaltBytes] = {};
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        modVW::SealedKeys keys;
        const auto t0 = Clock::now();
        modVW::DeriveSealedKeys(
            "benchmark", salt, modVW::kNewFileCost, [] {}, keys);
        times.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return Quantile(times, 0.5);
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

bool OnPath(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

void Report(const Contender& c, double cpMedian, double kdf) {
    const double q1 = Quantile(c.times, 0.25) - kdf, q2 = Quantile(c.times, 0.5) - kdf,
                 q3 = Quantile(c.times, 0.75) - kdf;
    std::printf("%-10s %7.2f s  %5.2f x cp  (quartiles %5.2f .. %5.2f)", c.name.c_str(), q2,
                q2 / cpMedian, q1 / cpMedian, q3 / cpMedian);
    if (c.maxRssKiB) std::printf("  peak RSS %6.1f MiB", c.maxRssKiB / 1024.0);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 9;
    const fs::path dir = base / ("vw3-sealed-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string plain = dir / "plain.bin", pw = dir / "pw", key = dir / "age.key";
    std::ofstream(pw) << "benchmark\n";
    MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    std::vector<Contender> all{
        {"cp", {"cp", "--reflink=never", plain, dir / "copy.bin"}, dir / "copy.bin"},
        {"vw3 seal",
         {VW3_BINARY, "encrypt", "--sealed", plain, "-o", dir / "p.vws", "--password-file", pw,
          "--quiet", "--force"},
         dir / "p.vws"},
        {"vw3 open",
         {VW3_BINARY, "decrypt", dir / "p.vws", "-o", dir / "back.bin", "--password-file", pw,
          "--quiet", "--force"},
         dir / "back.bin"}};
    const bool age = OnPath("age") && OnPath("age-keygen");
    if (age) {
        bench::RunChild({"age-keygen", "-o", key});
        std::ifstream keyText(key);
        std::string line, recipient;
        while (std::getline(keyText, line))
            if (line.rfind("# public key: ", 0) == 0) recipient = line.substr(14);
        all.push_back(
            {"age seal", {"age", "-r", recipient, "-o", dir / "p.age", plain}, dir / "p.age"});
        all.push_back({"age open",
                       {"age", "-d", "-i", key, "-o", dir / "back-age.bin", dir / "p.age"},
                       dir / "back-age.bin"});
    }
    // Each round runs the groups (cp; vw3 seal, open; age seal, open) in a shuffled
    // order, an opening right after its sealing, which it needs.
    std::vector<std::vector<size_t>> groups{{0}, {1, 2}};
    if (age) groups.push_back({3, 4});
    std::mt19937 shuffle(12345);
    for (int round = 0; round < rounds; ++round) {
        std::shuffle(groups.begin(), groups.end(), shuffle);
        for (const auto& group : groups)
            for (const size_t i : group) {
                Contender& c = all[i];
                fs::remove(c.output);
                bench::RunChild({"sync"});
                const bench::Measure m = bench::RunChild(c.argv);
                c.times.push_back(m.seconds);
                if (c.name.rfind("vw3", 0) == 0) c.maxRssKiB = std::max(c.maxRssKiB, m.maxRssKiB);
            }
    }
    const double kdf = KeyDerivationSeconds(5);
    const bool same =
        std::system(("cmp -s '" + plain + "' '" + (dir / "back.bin").string() + "'").c_str()) == 0;

    std::printf(
        "file %zu MiB, %d rounds%s; key derivation (Argon2id, %u passes, %llu MiB) "
        "%.2f s, taken out of the vw3 rows\n",
        mib, rounds, same ? "" : "  (ROUND TRIP DIFFERS)", modVW::kNewFileCost.Passes,
        static_cast<unsigned long long>(modVW::kNewFileCost.MemoryBytes >> 20), kdf);
    const double cpMedian = Quantile(all[0].times, 0.5);
    std::map<std::string, double> median;
    for (const auto& c : all) {
        const double k = c.name.rfind("vw3", 0) == 0 ? kdf : 0;
        Report(c, cpMedian, k);
        median[c.name] = Quantile(c.times, 0.5) - k;
    }
    if (age)
        std::printf("vw3 / age: seal %.2f x, open %.2f x (target at most 0.7 x each)\n",
                    median["vw3 seal"] / median["age seal"],
                    median["vw3 open"] / median["age open"]);
    else
        std::printf("age is not installed: its rows are left out\n");
    std::printf("target: vw3 peak RSS under 300 MiB\n");
    fs::remove_all(dir);
    return same ? 0 : 1;
}
