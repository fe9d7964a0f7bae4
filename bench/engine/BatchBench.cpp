// A batch of sealed files against one key derivation: 100 files of 10 KiB sealed
// together, then opened together, each round next to one Argon2id run at the
// new-file cost in the same round (rounds alternate the three). A batch pays for
// one derivation, so each should stay under 2 x the derivation's median. Usage:
// bench_batch [files] [KiB each] [rounds] (default 100, 10, 7)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "BenchSupport.h"
#include "Interaction.h"
#include "SealedFile.h"
#include "SealedKey.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPassword = "staple-oyster-gravel-tulip-ribcage-clumsy";

// Chooses sealed files, gives the password to every question, goes on at every
// question before work.
class Answering : public modVW::Interaction {
public:
    std::string ShowOpen(const modVW::FileDialogRequest&) override { return {}; }
    std::string ShowSave(const modVW::FileDialogRequest&) override { return {}; }
    std::string BrowseFolders(const std::string&) override { return {}; }
    std::string PasswordDialog(const std::string&) override { return kPassword; }
    int Choose(const std::string&, const std::string&, const std::vector<std::string>&) override {
        return modVW::kSealedFiles;
    }
    void MsgBox(const std::string& text, const std::string&, int) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        std::exit(1);
    }
    void DoEvents() override {}
};

}  // namespace

int main(int argc, char** argv) {
    const size_t files = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const size_t kib = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 7;
    const fs::path dir = fs::temp_directory_path() / ("vw-batch-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    ::setenv("VAULTWISE_TEMP_DIR", dir.c_str(), 1);
    std::vector<std::string> sources, sealed;
    const std::string content(kib * 1024, 'x');
    for (size_t i = 0; i < files; ++i) {
        sources.push_back(dir / "f" += std::to_string(i));
        sealed.push_back(sources.back() + ".vws");
    }
    std::vector<double> derive, seal, open;
    Answering ui;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& source : sources)
            std::ofstream(source, std::ios::binary) << content;
        for (const auto& file : sealed)
            fs::remove(file);
        derive.push_back(bench::Seconds([] {
            modVW::SealedKeys keys;
            uint8_t salt[modVW::kSaltBytes] = {};
            modVW::DeriveSealedKeys(
                kPassword, salt, modVW::kNewFileCost, [] {}, keys);
        }));
        seal.push_back(bench::Seconds([&] { modVW::EncryptBatch(ui, sources); }));
        for (const auto& source : sources)
            fs::remove(source);
        open.push_back(bench::Seconds([&] { modVW::DecryptBatch(ui, sealed); }));
    }
    fs::remove_all(dir);
    const double reference = bench::Median(derive);
    std::printf("one key derivation  %6.3f s\n", reference);
    std::printf("seal %zu x %zu KiB  %6.3f s  %5.2f x one derivation (target < 2)\n", files, kib,
                bench::Median(seal), bench::Median(seal) / reference);
    std::printf("open %zu x %zu KiB  %6.3f s  %5.2f x one derivation (target < 2)\n", files, kib,
                bench::Median(open), bench::Median(open) / reference);
    return 0;
}
