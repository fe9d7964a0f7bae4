// Seals and opens one large file with `vw3 encrypt --sealed` / `vw3 decrypt`, next
// to `cp` and to age (`age -r` / `age -d -i`, an X25519 key, so it derives no key)
// of the same file in the same rounds. Each round runs every contender once in a
// shuffled order; each reports its median and quartiles as multiples of cp's
// median, and vw3's peak resident memory. The key derivation costs the same
// whatever the file's size: it is timed apart, as a seal and an open of an empty
// file in the same rounds, and those medians are taken out of vw3's times. Every
// run finds its input in the page cache. Without age on the PATH its rows are left out (install it
// with scripts/install-deps.sh --bench). Usage: bench_sealed_vs_cp [MiB] [folder] [rounds] (default
// 1024 MiB, temp folder, 9)

#include <unistd.h>

#include <algorithm>
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

namespace {

struct Contender {
    Contender(std::string n, std::vector<std::string> a, std::string in, std::string out)
        : name(std::move(n)), argv(std::move(a)), input(std::move(in)), output(std::move(out)) {}

    std::string name;
    std::vector<std::string> argv;
    std::string input;   // read into the page cache before each run
    std::string output;  // removed before each run
    std::vector<double> times;
    long maxRssKiB = 0;
};

double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
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
    const std::string plain = dir / "plain.bin", pw = dir / "pw", key = dir / "age.key",
                      empty = dir / "empty.bin";
    std::ofstream(pw) << "benchmark\n";
    std::ofstream{empty};
    MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    const auto seal = [&](const std::string& name, const std::string& in, const fs::path& out) {
        return Contender{name,
                         {VW3_BINARY, "encrypt", "--sealed", in, "-o", out, "--password-file", pw,
                          "--quiet", "--force"},
                         in,
                         out};
    };
    const auto open = [&](const std::string& name, const fs::path& in, const fs::path& out) {
        return Contender{
            name,
            {VW3_BINARY, "decrypt", in, "-o", out, "--password-file", pw, "--quiet", "--force"},
            in,
            out};
    };
    std::vector<Contender> all{
        {"cp", {"cp", "--reflink=never", plain, dir / "copy.bin"}, plain, dir / "copy.bin"},
        seal("vw3 seal", plain, dir / "p.vws"),
        open("vw3 open", dir / "p.vws", dir / "back.bin"),
        seal("seal 0 B", empty, dir / "e.vws"),
        open("open 0 B", dir / "e.vws", dir / "e.bin")};
    const bool age = OnPath("age") && OnPath("age-keygen");
    if (age) {
        bench::RunChild({"age-keygen", "-o", key});
        std::ifstream keyText(key);
        std::string line, recipient;
        while (std::getline(keyText, line))
            if (line.rfind("# public key: ", 0) == 0) recipient = line.substr(14);
        all.push_back({"age seal",
                       {"age", "-r", recipient, "-o", dir / "p.age", plain},
                       plain,
                       dir / "p.age"});
        all.push_back({"age open",
                       {"age", "-d", "-i", key, "-o", dir / "back-age.bin", dir / "p.age"},
                       dir / "p.age",
                       dir / "back-age.bin"});
    }
    // Each round runs the groups (cp; vw3 seal, open; the same for an empty file;
    // age seal, open) in a shuffled order, an opening right after its sealing,
    // which it needs.
    std::vector<std::vector<size_t>> groups{{0}, {1, 2}, {3, 4}};
    if (age) groups.push_back({5, 6});
    std::mt19937 shuffle(12345);
    for (int round = 0; round < rounds; ++round) {
        std::shuffle(groups.begin(), groups.end(), shuffle);
        for (const auto& group : groups)
            for (const size_t i : group) {
                Contender& c = all[i];
                fs::remove(c.output);
                bench::RunChild({"sync"});
                bench::Warm(c.input);
                const bench::Measure m = bench::RunChild(c.argv);
                c.times.push_back(m.seconds);
                if (c.name.rfind("vw3", 0) == 0) c.maxRssKiB = std::max(c.maxRssKiB, m.maxRssKiB);
            }
    }
    const bool same =
        std::system(("cmp -s '" + plain + "' '" + (dir / "back.bin").string() + "'").c_str()) == 0;

    std::printf(
        "file %zu MiB, %d rounds%s; the 0 B rows (start and key derivation: Argon2id, %u "
        "passes, %llu MiB) are taken out of the vw3 rows\n",
        mib, rounds, same ? "" : "  (ROUND TRIP DIFFERS)", modVW::kNewFileCost.Passes,
        static_cast<unsigned long long>(modVW::kNewFileCost.MemoryBytes >> 20));
    const double cpMedian = Quantile(all[0].times, 0.5);
    const double fixed[] = {0, Quantile(all[3].times, 0.5), Quantile(all[4].times, 0.5)};
    std::map<std::string, double> median;
    for (size_t i = 0; i < all.size(); ++i) {
        const double k = i < 3 ? fixed[i] : 0;
        Report(all[i], cpMedian, k);
        median[all[i].name] = Quantile(all[i].times, 0.5) - k;
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
