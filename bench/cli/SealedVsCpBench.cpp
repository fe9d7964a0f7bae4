// Seals and opens one large file, and a folder's tree, with vw3, next to cp, tar
// and age of the same bytes in the same rounds. Each round runs every contender
// once, in groups of a shuffled order (an opening right after the sealing it
// reads); a first round only warms up. Before every run the page cache's dirty
// pages are written back (sync) and the run's input is read into the page cache.
// Each row gives the median over the rounds with the smallest and largest value;
// a ratio is taken round by round (a run against its reference of the same
// round) before its median and extremes are.
//
// Two views of the same runs:
//   - whole command with a password, nothing taken out: vw3 with its password
//     file (Argon2id, 3 passes, 256 MiB) against `age -p` (scrypt, 256 MiB), which
//     reads its passphrase from a pseudo-terminal this benchmark types into;
//   - the data path: vw3 less its fixed cost (start and key derivation, timed as a
//     seal and an open of an empty file in the same round) against cp, and age
//     with an X25519 key (`age -r` / `age -d -i`, no key derivation); the sealed
//     tree of the folder, less the same fixed cost, against `tar cf` / `tar xf`.
// Without age on the PATH its rows are left out (scripts/install-deps.sh --bench
// installs it). Usage: bench_sealed_vs_cp [MiB] [folder] [rounds] (default
// 1024 MiB, temp folder, 9); VW3_BINARY=path weighs another build's vw3.

#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
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
    Contender(std::string n, std::vector<std::string> a, std::string in, std::string out,
              std::string passphrase = {})
        : name(std::move(n)),
          argv(std::move(a)),
          input(std::move(in)),
          output(std::move(out)),
          typed(std::move(passphrase)) {}

    std::string name;
    std::vector<std::string> argv;
    std::string input;          // written back and read into the page cache before each run
    std::string output;         // removed once its group has run
    std::string typed;          // typed at each passphrase prompt, through a terminal
    bool outputFolder = false;  // made, empty, before each run (tar xf extracts into it)
    std::vector<double> times;
};

// Runs `argv` on a pseudo-terminal of its own, its controlling terminal, and
// types `typed` and Enter at every prompt that asks for a passphrase (age reads
// one from the terminal only). Its wall time and peak memory; a run that fails,
// or waits a minute without a word, ends the benchmark.
bench::Measure RunAtTerminal(std::vector<std::string> argv, const std::string& typed) {
    const auto t0 = std::chrono::steady_clock::now();
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0) {
        std::perror("forkpty");
        std::exit(1);
    }
    if (pid == 0) bench::Exec(argv);
    std::string shown;
    size_t answered = 0;  // where the text not yet answered starts
    for (;;) {
        pollfd wait{terminal, POLLIN, 0};
        if (::poll(&wait, 1, 60000) == 0) {
            std::fprintf(stderr, "%s waits for something: %s\n", argv[0].c_str(), shown.c_str());
            ::kill(pid, SIGKILL);
            std::exit(1);
        }
        char text[512];
        const ssize_t got = ::read(terminal, text, sizeof text);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // EIO once the program has closed its side
        shown.append(text, static_cast<size_t>(got));
        for (size_t ask; (ask = shown.find("passphrase", answered)) != std::string::npos;) {
            const size_t end = shown.find(": ", ask);
            if (end == std::string::npos) break;
            const std::string line = typed + "\n";
            if (::write(terminal, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                std::exit(1);
            answered = end + 2;
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    ::close(terminal);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed: %s\n", argv[0].c_str(), shown.c_str());
        std::exit(1);
    }
    return {s, usage.ru_maxrss};
}

bool OnPath(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

// The median and the extremes of `v`: "0.52 (0.48..0.61)".
std::string Spread(const std::vector<double>& v, const char* format = "%.2f") {
    const auto one = [&](double x) {
        char text[32];
        std::snprintf(text, sizeof text, format, x);
        return std::string(text);
    };
    return one(bench::Quantile(v, 0.5)) + " (" + one(*std::min_element(v.begin(), v.end())) + ".." +
           one(*std::max_element(v.begin(), v.end())) + ")";
}

// Round by round: (a - less) / ref, each of its own round; `less` may be empty.
std::vector<double> Ratios(const Contender& a, const Contender* less, const Contender& ref) {
    std::vector<double> r;
    for (size_t i = 0; i < a.times.size(); ++i)
        r.push_back((a.times[i] - (less ? less->times[i] : 0)) / ref.times[i]);
    return r;
}

std::vector<double> Net(const Contender& a, const Contender& less) {
    std::vector<double> r;
    for (size_t i = 0; i < a.times.size(); ++i)
        r.push_back(a.times[i] - less.times[i]);
    return r;
}

void Row(const char* name, const std::vector<double>& seconds) {
    std::printf("  %-14s %s s\n", name, Spread(seconds).c_str());
}

void Row(const char* name, const std::vector<double>& seconds, const std::vector<double>& ratios,
         const char* ref, const char* target) {
    std::printf("  %-14s %s s  %s x %s  %s\n", name, Spread(seconds).c_str(),
                Spread(ratios).c_str(), ref, target);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1024;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
    const fs::path dir = base / ("vw3-sealed-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string plain = dir / "plain.bin", pw = dir / "pw", key = dir / "age.key",
                      empty = dir / "empty.bin", folder = dir / "folder";
    // Strong enough that vw3 gives no warning about it, the same for age.
    const std::string passphrase = "Tq8vL2mRz5wK9pXe";
    std::ofstream(pw) << passphrase << "\n";
    std::ofstream{empty};
    bench::MakeFile(plain, mib);
    bench::MakeFolder(folder);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);
    // Another build's vw3 may be weighed instead, to compare two versions.
    const std::string vw3 = std::getenv("VW3_BINARY") ? std::getenv("VW3_BINARY") : VW3_BINARY;

    const auto seal = [&](const std::string& name, const std::string& in, const fs::path& out) {
        return Contender{name,
                         {vw3, "encrypt", "--sealed", in, "-o", out, "--password-file", pw,
                          "--quiet", "--force"},
                         in,
                         out};
    };
    const auto open = [&](const std::string& name, const fs::path& in, const fs::path& out) {
        return Contender{
            name,
            {vw3, "decrypt", in, "-o", out, "--password-file", pw, "--quiet", "--force"},
            in,
            out};
    };
    // The contenders by name, and the groups each round runs in a shuffled order.
    std::map<std::string, Contender> all;
    std::vector<std::vector<std::string>> groups;
    const auto group = [&](std::vector<Contender> members) {
        groups.emplace_back();
        for (auto& c : members) {
            groups.back().push_back(c.name);
            all.emplace(c.name, std::move(c));
        }
    };
    group({{"cp", {"cp", "--reflink=never", plain, dir / "copy.bin"}, plain, dir / "copy.bin"}});
    group({seal("vw3 seal", plain, dir / "p.vws"), open("vw3 open", dir / "p.vws", dir / "back")});
    group({seal("seal 0 B", empty, dir / "e.vws"), open("open 0 B", dir / "e.vws", dir / "e")});
    group({seal("vw3 seal tree", folder, dir / "t.vws"),
           open("vw3 open tree", dir / "t.vws", dir / "t")});
    Contender tarX{
        "tar xf", {"tar", "xf", dir / "t.tar", "-C", dir / "x"}, dir / "t.tar", dir / "x"};
    tarX.outputFolder = true;
    group({{"tar cf", {"tar", "cf", dir / "t.tar", "-C", dir, "folder"}, folder, dir / "t.tar"},
           tarX});
    const bool age = OnPath("age") && OnPath("age-keygen");
    if (age) {
        // It names the public key on standard error; the key file holds it too.
        if (std::system(("age-keygen -o '" + key + "' 2>/dev/null").c_str()) != 0) return 1;
        std::ifstream keyText(key);
        std::string line, recipient;
        while (std::getline(keyText, line))
            if (line.rfind("# public key: ", 0) == 0) recipient = line.substr(14);
        group({{"age seal",
                {"age", "-r", recipient, "-o", dir / "a.age", plain},
                plain,
                dir / "a.age"},
               {"age open",
                {"age", "-d", "-i", key, "-o", dir / "a", dir / "a.age"},
                dir / "a.age",
                dir / "a"}});
        group({{"age -p seal",
                {"age", "-p", "-o", dir / "p.age", plain},
                plain,
                dir / "p.age",
                passphrase},
               {"age -p open",
                {"age", "-d", "-o", dir / "pa", dir / "p.age"},
                dir / "p.age",
                dir / "pa",
                passphrase}});
    }

    // Whether vw3's outputs of the first round are what went in.
    const auto sameBack = [&] {
        return std::system(("cmp -s '" + plain + "' '" + (dir / "back").string() + "'").c_str()) ==
               0;
    };
    const auto sameTree = [&] {
        return std::system(("diff -r '" + folder + "' '" + (dir / "t").string() + "'").c_str()) ==
               0;
    };
    bool same = true;
    std::mt19937 shuffle(12345);
    long maxRssKiB = 0;
    // A first round only warms up (the programs' own pages, the folder's
    // metadata) and is not counted; it checks the round trips.
    for (int round = -1; round < rounds; ++round) {
        std::shuffle(groups.begin(), groups.end(), shuffle);
        for (const auto& names : groups) {
            for (const auto& name : names) {
                Contender& c = all.at(name);
                if (c.outputFolder) fs::create_directories(c.output);
                bench::RunChild({"sync"});
                bench::Warm(c.input);
                const bench::Measure m =
                    c.typed.empty() ? bench::RunChild(c.argv) : RunAtTerminal(c.argv, c.typed);
                if (round < 0) continue;
                c.times.push_back(m.seconds);
                if (c.argv[0] == vw3) maxRssKiB = std::max(maxRssKiB, m.maxRssKiB);
            }
            if (round < 0 && names.back() == "vw3 open") same = sameBack() && same;
            if (round < 0 && names.back() == "vw3 open tree") same = sameTree() && same;
            // Every output goes once its group is done, so that each run finds the
            // same files and the same free memory: on a virtual machine, pages
            // never used before cost much more to write into.
            for (const auto& name : names)
                fs::remove_all(all.at(name).output);
        }
    }

    const auto of = [&](const char* name) -> const Contender& { return all.at(name); };
    std::printf(
        "file %zu MiB, folder %s, %d rounds%s: median (smallest..largest), ratios round by "
        "round\n",
        mib, bench::kFolderShape, rounds, same ? "" : "  (ROUND TRIP DIFFERS)");
    if (age) {
        std::printf(
            "whole command with a password, nothing taken out (age -p: scrypt, 256 MiB, "
            "passphrase typed at a terminal):\n");
        Row("age -p seal", of("age -p seal").times);
        Row("vw3 seal", of("vw3 seal").times, Ratios(of("vw3 seal"), nullptr, of("age -p seal")),
            "age -p", "(target at most 0.6)");
        Row("age -p open", of("age -p open").times);
        Row("vw3 open", of("vw3 open").times, Ratios(of("vw3 open"), nullptr, of("age -p open")),
            "age -p", "(target at most 0.5)");
    }
    std::printf("fixed cost, an empty file (start, Argon2id %u passes, %llu MiB):\n",
                modVW::kNewFileCost.Passes,
                static_cast<unsigned long long>(modVW::kNewFileCost.MemoryBytes >> 20));
    Row("seal 0 B", of("seal 0 B").times);
    Row("open 0 B", of("open 0 B").times);
    std::printf("data path: vw3 less the fixed cost of its round; age with an X25519 key:\n");
    Row("cp", of("cp").times);
    Row("vw3 seal", Net(of("vw3 seal"), of("seal 0 B")),
        Ratios(of("vw3 seal"), &of("seal 0 B"), of("cp")), "cp", "(target at most 2)");
    Row("vw3 open", Net(of("vw3 open"), of("open 0 B")),
        Ratios(of("vw3 open"), &of("open 0 B"), of("cp")), "cp", "(target at most 2)");
    if (age) {
        Row("age seal", of("age seal").times, Ratios(of("age seal"), nullptr, of("cp")), "cp", "");
        Row("age open", of("age open").times, Ratios(of("age open"), nullptr, of("cp")), "cp", "");
    } else {
        std::printf("  age is not installed: its rows are left out\n");
    }
    std::printf("the folder's tree, vw3 less the fixed cost of its round:\n");
    Row("tar cf", of("tar cf").times);
    Row("vw3 seal tree", Net(of("vw3 seal tree"), of("seal 0 B")),
        Ratios(of("vw3 seal tree"), &of("seal 0 B"), of("tar cf")), "tar cf", "");
    Row("tar xf", of("tar xf").times);
    Row("vw3 open tree", Net(of("vw3 open tree"), of("open 0 B")),
        Ratios(of("vw3 open tree"), &of("open 0 B"), of("tar xf")), "tar xf", "");
    std::printf("vw3 peak RSS %.1f MiB (target under 300 MiB)\n", maxRssKiB / 1024.0);
    fs::remove_all(dir);
    return same ? 0 : 1;
}
