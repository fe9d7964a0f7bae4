// Sealed files through the vw3 binary: the golden file, wrong passwords, the cost
// the program seals with, and the damage table.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliInteraction.h"
#include "SealedFile.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = std::string(VW_TEST_DATA) + "/sealed/";

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string Text(const std::string& path) {
    const auto bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

class SealedVw3 : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir / "pw", {'P', 'w', '\n'});
        ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
    }

    Result Run(const std::string& args) {
        const std::string command = "cd '" + dir.Path() + "' && " + VW3_BINARY + " " + args +
                                    " </dev/null >'" + temp / "out" + "' 2>'" + temp / "err" + "'";
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), Text(temp / "out"), Text(temp / "err")};
    }

    // The names in the test folder, to see that a failure left nothing behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.Path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    TempDir temp;
};

// Where each region of a sealed file of `size` bytes with the name "subject.bin"
// starts: the header fields, then messages of a u32 length and the sealed text.
uint64_t RegionStart(const std::string& region, uint64_t size) {
    const uint64_t piece1 = 126 + 4 + (4 + 11 + 17);
    const std::map<std::string, uint64_t> starts = {
        {"magic", 0},
        {"version", 8},
        {"passes", 10},
        {"memory", 14},
        {"salt", 22},
        {"stream", 38},
        {"keycheck", 62},
        {"checksum", 94},
        {"contents", 126},
        {"piece1", piece1},
        {"piece2", piece1 + 4 + modVW::kSealedPiece + 17},
        {"end", size}};
    return starts.at(region);
}

}  // namespace

TEST_F(SealedVw3, TheGoldenFileOpensAndShowsOnlyItsCost) {
    const auto r =
        Run("decrypt '" + kData + "golden.vws' --password-file '" + kData + "golden.password'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(dir / "golden.txt"), ReadFile(kData + "golden.txt"));
    const auto info = Run("info '" + kData + "golden.vws'");
    EXPECT_NE(info.out.find("Argon2id, 2 passes, 64 KiB"), std::string::npos) << info.out;
    EXPECT_EQ(info.out.find("golden.txt"), std::string::npos) << "the name stays sealed";
}

TEST_F(SealedVw3, AWrongPasswordEndsWithStatus3AndWritesNothing) {
    const auto r = Run("decrypt '" + kData + "golden.vws' --password-file pw");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "Error: You have entered an incorrect password.\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"pw"});
}

TEST_F(SealedVw3, TheProgramSealsAtTheFullCost) {
    WriteFile(dir / "doc", {'d'});
    ASSERT_EQ(Run("encrypt --sealed doc --password-file pw").status, 0);
    EXPECT_NE(Run("info doc.vws").out.find("3 passes, 262144 KiB"), std::string::npos);
}

TEST_F(SealedVw3, EveryDamageIsReportedAndWritesNothing) {
    modVW::SealingCost = {1, 8192};
    std::vector<uint8_t> content(modVW::kSealedPiece + 1000, 0x33);
    WriteFile(temp / "subject.bin", content);
    vw3::CliInteraction quiet(std::nullopt, true);
    modVW::SealFile(temp / "subject.bin", temp / "subject.vws", "Pw", 1, quiet);
    const auto sealed = ReadFile(temp / "subject.vws");
    ASSERT_EQ(Run("decrypt '" + temp / "subject.vws" + "' -o out --password-file pw").status, 0);
    fs::remove(dir / "out");

    std::ifstream manifest(kData + "damage.txt");
    std::string line;
    int rows = 0;
    while (std::getline(manifest, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::string region, action, report;
        int64_t offset = 0;
        int status = 0;
        row >> region >> offset >> action >> status >> std::ws;
        std::getline(row, report);
        SCOPED_TRACE(line);
        const uint64_t at = RegionStart(region, sealed.size()) + offset;
        auto damaged = sealed;
        if (action == "flip") damaged[at] ^= 0xFF;
        if (action == "cut") damaged.resize(at);
        if (action == "append") damaged.insert(damaged.end(), offset, 0x5A);
        WriteFile(dir / "d.vws", damaged);
        const auto r = Run("decrypt d.vws -o out --password-file pw");
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.err, report.replace(report.find("{file}"), 6, "d.vws") + "\n");
        EXPECT_EQ(Names(), (std::vector<std::string>{"d.vws", "pw"}));
        ++rows;
    }
    EXPECT_EQ(rows, 30);
}
