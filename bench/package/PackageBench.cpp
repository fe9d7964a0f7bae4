// Packs a generated folder into a STUF20 package and extracts it again, and
// reports the process's peak resident memory and the time of each phase next to
// the folder's size: the package keeps its entries as references to their bytes
// on disk, so the peak must stay small (target: under 64 MiB) whatever the
// folder's size. A third phase streams the same package (as an encrypted folder
// is written) into a file of its own, which must equal the package file.
//
//   package_bench [SIZE] [SMALL_FILES] [LEVEL]
//     SIZE         folder size, with K, M or G (default 1G)
//     SMALL_FILES  number of small files (default 10000); the rest of SIZE goes
//                  into 4 large files
//     LEVEL        compression level for AddFile (default 0, as the program uses)
//
// Everything lives in a temporary folder that is removed at the end.

#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "PackageStream.h"
#include "Text1252.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kMiB = 1024 * 1024;

uint64_t ParseSize(const std::string& text) {
    size_t used = 0;
    const double value = std::stod(text, &used);
    uint64_t unit = 1;
    if (used < text.size()) {
        switch (text[used]) {
            case 'k':
            case 'K':
                unit = 1024;
                break;
            case 'm':
            case 'M':
                unit = kMiB;
                break;
            case 'g':
            case 'G':
                unit = 1024 * kMiB;
                break;
            default:
                throw std::invalid_argument("bad size: " + text);
        }
    }
    return static_cast<uint64_t>(value * static_cast<double>(unit));
}

// Peak resident set size of this process so far, in bytes (VmHWM).
uint64_t PeakResident() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<uint64_t>(usage.ru_maxrss) * 1024;
}

// Resets the peak so that each phase can be measured on its own (Linux 4.0+).
bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

double MiB(uint64_t bytes) {
    return static_cast<double>(bytes) / kMiB;
}

// Writes `size` bytes of pseudo-random, partly compressible data to `path`.
void MakeFile(const fs::path& path, uint64_t size, std::mt19937_64& random) {
    static std::vector<char> block(kMiB);
    std::ofstream out(path, std::ios::binary);
    while (size > 0) {
        for (size_t i = 0; i < block.size(); i += 8) {
            const uint64_t v = random();
            // Half the words random, half from a small alphabet.
            for (int k = 0; k < 8; ++k)
                block[i + k] = (v & 1) ? static_cast<char>(v >> (8 * k))
                                       : static_cast<char>('a' + ((v >> (8 * k)) % 16));
        }
        const uint64_t take = std::min<uint64_t>(size, block.size());
        out.write(block.data(), static_cast<std::streamsize>(take));
        size -= take;
    }
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

struct Phase {
    const char* name;
    double seconds;
    uint64_t peak;
};

}  // namespace

int main(int argc, char** argv) {
    try {
        const uint64_t total = argc > 1 ? ParseSize(argv[1]) : 1024 * kMiB;
        const uint64_t smallCount = argc > 2 ? std::stoull(argv[2]) : 10000;
        const auto level = static_cast<int16_t>(argc > 3 ? std::stoi(argv[3]) : 0);

        std::string pattern = (fs::temp_directory_path() / "vwpkgbench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        const fs::path root = pattern;
        struct Cleanup {
            fs::path path;
            ~Cleanup() {
                std::error_code ec;
                fs::remove_all(path, ec);
            }
        } cleanup{root};

        // The folder: SMALL_FILES files of 1 to 8 KiB (about 4.5 KiB on average, at
        // most a tenth of SIZE), the rest in 4 large files.
        const fs::path source = root / "source";
        fs::create_directory(source);
        std::mt19937_64 random(20240601);
        uint64_t smallBytes = 0;
        const uint64_t smallBudget = total / 10;
        for (uint64_t i = 0; i < smallCount; ++i) {
            uint64_t size = 1024 + random() % (7 * 1024);
            if (smallBytes + size > smallBudget)
                size = (smallBudget - smallBytes) / (smallCount - i);
            MakeFile(source / ("small-" + std::to_string(i) + ".dat"), size, random);
            smallBytes += size;
        }
        const uint64_t largeBytes = total - smallBytes;
        for (int i = 0; i < 4; ++i)
            MakeFile(source / ("large-" + std::to_string(i) + ".bin"),
                     largeBytes / 4 + (i == 3 ? largeBytes % 4 : 0), random);

        std::vector<fs::path> files;
        uint64_t folderBytes = 0;
        for (const auto& e : fs::directory_iterator(source)) {
            files.push_back(e.path());
            folderBytes += e.file_size();
        }
        const uint64_t peakSetUp = PeakResident();
        const bool canReset = ResetPeak();

        std::vector<Phase> phases;
        const std::string package = (root / "package.stuf").string();
        const fs::path dest = root / "extracted";
        cSTUF20 p;

        auto start = std::chrono::steady_clock::now();
        if (p.StartSession(package) != 0) throw std::runtime_error(p.LastError);
        for (const auto& f : files)
            if (p.AddFile(f.string(), level) != 0) throw std::runtime_error(p.LastError);
        if (p.EndSession() != 0) throw std::runtime_error(p.LastError);
        phases.push_back(
            {"pack",
             std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
             PeakResident()});
        const uint64_t packageBytes = fs::file_size(package);
        if (canReset) ResetPeak();

        start = std::chrono::steady_clock::now();
        if (p.StartSession(package) != 0) throw std::runtime_error(p.LastError);
        if (p.FileCount() != static_cast<int32_t>(files.size()))
            throw std::runtime_error("wrong file count");
        if (p.ExtractPackage(dest.string()) != 0) throw std::runtime_error(p.LastError);
        if (p.EndSession() != 0) throw std::runtime_error(p.LastError);
        phases.push_back(
            {"extract",
             std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
             PeakResident()});

        if (canReset) ResetPeak();
        start = std::chrono::steady_clock::now();
        std::vector<vw::stuf::StreamedFile> streamed;
        for (const auto& f : files)
            streamed.push_back(
                {f.string(), Text1252::NameToFile(f.filename().string()), fs::file_size(f)});
        const std::string streamedPath = (root / "streamed.stuf").string();
        {
            vw::stuf::PackageStream stream("", std::move(streamed));
            std::vector<uint8_t> chunk(kMiB);
            std::ofstream out(streamedPath, std::ios::binary);
            while (const size_t n = stream.Read(chunk.data(), chunk.size()))
                out.write(reinterpret_cast<const char*>(chunk.data()),
                          static_cast<std::streamsize>(n));
        }
        phases.push_back(
            {"stream",
             std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
             PeakResident()});
        if (level == 0 && ::system(("cmp -s '" + package + "' '" + streamedPath + "'").c_str()))
            throw std::runtime_error("the streamed package differs from the package file");

        // Check: every extracted file has its source's size; compare a few fully.
        uint64_t extractedBytes = 0;
        for (const auto& f : files) {
            const fs::path out = dest / f.filename();
            if (fs::file_size(out) != fs::file_size(f))
                throw std::runtime_error("size differs: " + out.string());
            extractedBytes += fs::file_size(out);
        }
        for (const auto& name : {"small-0.dat", "large-0.bin"}) {
            std::ifstream a(source / name, std::ios::binary), b(dest / name, std::ios::binary);
            std::vector<char> x(kMiB), y(kMiB);
            while (a && b) {
                a.read(x.data(), static_cast<std::streamsize>(x.size()));
                b.read(y.data(), static_cast<std::streamsize>(y.size()));
                if (a.gcount() != b.gcount() ||
                    !std::equal(x.begin(), x.begin() + a.gcount(), y.begin()))
                    throw std::runtime_error(std::string("content differs: ") + name);
            }
        }

        std::printf("package_bench: folder %.1f MiB in %zu files (%llu small, 4 large), level %d\n",
                    MiB(folderBytes), files.size(), static_cast<unsigned long long>(smallCount),
                    level);
        std::printf("  package file        %10.1f MiB\n", MiB(packageBytes));
        std::printf("  extracted           %10.1f MiB, sizes equal, 2 files compared in full\n",
                    MiB(extractedBytes));
        std::printf("  peak RSS set-up     %10.1f MiB (writing the folder)\n", MiB(peakSetUp));
        for (const Phase& ph : phases)
            std::printf("  peak RSS %-10s %10.1f MiB  in %6.2f s (%.0f MiB/s)\n", ph.name,
                        MiB(ph.peak), ph.seconds, MiB(folderBytes) / ph.seconds);
        if (!canReset)
            std::printf("  (peak could not be reset between phases: figures are cumulative)\n");
        const uint64_t peak = std::max({phases[0].peak, phases[1].peak, phases[2].peak});
        std::printf("  peak RSS overall    %10.1f MiB (the largest of the four)\n",
                    MiB(std::max(peak, peakSetUp)));
        std::printf("  target: pack and extract under 64 MiB: %s\n",
                    peak < 64 * kMiB ? "met" : "NOT MET");
        // Compressed entries are materialised for compression, so only the stored
        // case (the program's own) is held to the target.
        return peak < 64 * kMiB || level > 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "package_bench: %s\n", e.what());
        return 2;
    }
}
