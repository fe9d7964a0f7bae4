// Encrypts and decrypts one large file with vw3 and reports wall time and peak
// resident memory next to `cp` of the file it reads, in the same run: with the
// kernel the processor picks, and with the AVX2 and portable kernels forced. Each
// run is preceded by a cp of its own input; each contender reports its median time
// over the rounds as a multiple of that cp's median, with its quartiles. Then a folder of 4 x 64
// MiB and 2,000 x 4 KiB files, encrypted and decrypted against `tar cf` and `tar xf`. Usage:
// bench_vw3_vs_cp [MiB] [rounds] [folder]   (default 1024 MiB, 9 rounds, temp folder)

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
// on one contender only, and after reading its `input` into the page cache;
// returns its wall time and peak resident memory.
Measure Run(std::vector<std::string> argv, const std::string& input,
            const std::string& kernel = "") {
    bench::RunChild({"sync"});
    bench::Warm(input);
    return bench::RunChild(std::move(argv),
                           kernel.empty() ? std::vector<std::string>{}
                                          : std::vector<std::string>{"VAULTWISE_KERNEL=" + kernel});
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
    double Median() const { return bench::Quantile(seconds, 0.5); }
    void Report(double refMedian, const char* ref = "cp") const {
        std::printf("%-20s %6.2f s  %5.2f x %s (quartiles %.2f..%.2f)  peak RSS %6.1f MiB\n",
                    name.c_str(), Median(), Median() / refMedian, ref,
                    bench::Quantile(seconds, 0.25) / refMedian,
                    bench::Quantile(seconds, 0.75) / refMedian, maxRssKiB / 1024.0);
    }
};

// tar reads and writes every file once; so does vw3 once the package is streamed.
// Each vw3 run follows the tar run it is weighed against, and every output goes
// as soon as it is measured. Returns false when a folder came back different.
bool FolderRow(const fs::path& dir, const std::string& pw, int rounds) {
    const fs::path folder = dir / "folder", tarFile = dir / "folder.tar", vw3 = dir / "folder.vw3",
                   out = dir / "out";
    bench::MakeFolder(folder);
    Run({"tar", "cf", tarFile, "-C", dir, "folder"}, folder);
    Run({VW3_BINARY, "encrypt", folder, "-o", vw3, "--password-file", pw, "--quiet"}, folder);
    Series tarC("tar cf"), enc("encrypt folder"), tarX("tar xf"), dec("decrypt folder");
    bool same = true;
    for (int r = -1; r < rounds; ++r) {
        const fs::path again = dir / "again.tar", againVw3 = dir / "again.vw3";
        const Measure tc = Run({"tar", "cf", again, "-C", dir, "folder"}, folder);
        fs::remove(again);
        const Measure e =
            Run({VW3_BINARY, "encrypt", folder, "-o", againVw3, "--password-file", pw, "--quiet"},
                folder);
        fs::remove(againVw3);
        fs::create_directories(out);
        const Measure tx = Run({"tar", "xf", tarFile, "-C", out}, tarFile);
        fs::remove_all(out);
        const Measure d =
            Run({VW3_BINARY, "decrypt", vw3, "-o", out, "--password-file", pw, "--quiet"}, vw3);
        if (r < 0)
            same =
                ::system(("diff -r '" + folder.string() + "' '" + out.string() + "'").c_str()) == 0;
        fs::remove_all(out);
        if (r < 0) continue;
        tarC.Add(tc);
        enc.Add(e);
        tarX.Add(tx);
        dec.Add(d);
    }
    std::printf("folder %s, %d rounds, medians%s\n", bench::kFolderShape, rounds,
                same ? "" : "  (ROUND TRIP DIFFERS)");
    tarC.Report(tarC.Median(), "tar cf");
    enc.Report(tarC.Median(), "tar cf");
    tarX.Report(tarX.Median(), "tar xf");
    dec.Report(tarX.Median(), "tar xf");
    std::printf(
        "targets: encrypt at most 1.3 x tar cf, decrypt at most 1.2 x tar xf, "
        "peak RSS under 32 MiB\n");
    return same;
}

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
    bench::MakeFile(plain, mib);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);

    // The file every decryption reads; the table it holds is the same for any kernel.
    Run({VW3_BINARY, "encrypt", plain, "-o", vw3, "--password-file", pw, "--quiet"}, plain);

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
    // An encryption reads the plain file and a decryption the .vw3 file: each is
    // weighed against cp of the file it reads, which moves the same bytes.
    Series cpPlain("cp plain file"), cpRecord("cp .vw3 file");
    bool same = true;
    for (int r = -1; r < rounds; ++r)
        for (size_t i = 0; i < contenders.size(); ++i) {
            Contender& c = contenders[(i + r + 1) % contenders.size()];
            const std::string out = dir / ((c.decrypt ? "back-" : "again-") + c.kernel);
            // cp is told to copy through user space, as vw3 does, not to clone in the kernel.
            const std::string input = c.decrypt ? vw3 : plain;
            const Measure cp = Run({"cp", "--reflink=never", input, copy}, input);
            fs::remove(copy);
            const Measure m = Run({VW3_BINARY, c.decrypt ? "decrypt" : "encrypt", input, "-o", out,
                                   "--password-file", pw, "--quiet"},
                                  input, c.kernel);
            if (c.decrypt)
                same = same && ::system(("cmp -s '" + plain + "' '" + out + "'").c_str()) == 0;
            fs::remove(out);
            if (r < 0) continue;
            (c.decrypt ? cpRecord : cpPlain).Add(cp);
            c.series.Add(m);
        }

    std::printf("file %zu MiB, %d rounds, medians%s\n", mib, rounds,
                same ? "" : "  (ROUND TRIP DIFFERS)");
    cpPlain.Report(cpPlain.Median());
    cpRecord.Report(cpRecord.Median());
    for (const auto& c : contenders)
        c.series.Report((c.decrypt ? cpRecord : cpPlain).Median());
    std::printf("targets: picked at most %s x cp, avx2 at most 1.2 x cp, peak RSS under 32 MiB\n",
                mib >= 1024 ? "1.05" : "1.1");
    fs::remove(plain);
    fs::remove(vw3);
    same = FolderRow(dir, pw, rounds) && same;
    fs::remove_all(dir);
    return same ? 0 : 1;
}
