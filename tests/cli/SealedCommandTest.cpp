// Sealed files through the vw3 binary: the golden file, wrong passwords, the cost
// the program seals with, and the damage table.

#include <gtest/gtest.h>
#include <sodium.h>
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

class SealedVw3 : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir / "pw", std::string("Pw\n"));
        ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
    }

    // Runs vw3 in the test folder; its status, with standard output and error kept.
    int Run(const std::string& args) {
        const std::string command = "cd '" + dir.Path() + "' && " + VW3_BINARY + " " + args +
                                    " </dev/null >'" + temp / "out" + "' 2>'" + temp / "err" + "'";
        return WEXITSTATUS(std::system(command.c_str()));
    }
    std::string Out(const char* name = "out") const {
        const auto bytes = ReadFile(temp / name);
        return {bytes.begin(), bytes.end()};
    }
    // How many names the test folder holds, to see that a failure left nothing.
    long Names() const {
        return std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator());
    }

    TempDir dir;
    TempDir temp;
};

}  // namespace

TEST_F(SealedVw3, TheGoldenFileOpensWithItsPasswordOnlyAndShowsOnlyItsCost) {
    EXPECT_EQ(Run("decrypt " + kData + "golden.vws --password-file pw"), 3);
    EXPECT_EQ(Out("err"), "Error: You have entered an incorrect password.\n");
    EXPECT_EQ(Names(), 1) << "nothing written";
    ASSERT_EQ(Run("decrypt " + kData + "golden.vws --password-file " + kData + "golden.password"),
              0)
        << Out("err");
    EXPECT_EQ(ReadFile(dir / "golden.txt"), ReadFile(kData + "golden.txt"));
    ASSERT_EQ(Run("info " + kData + "golden.vws"), 0);
    EXPECT_NE(Out().find("Argon2id, 2 passes, 64 KiB"), std::string::npos) << Out();
    EXPECT_EQ(Out().find("golden.txt"), std::string::npos) << "the name stays sealed";
}

TEST_F(SealedVw3, TheProgramSealsAtTheFullCost) {
    WriteFile(dir / "doc", std::string("d"));
    ASSERT_EQ(Run("encrypt --sealed doc --password-file pw"), 0);
    ASSERT_EQ(Run("info doc.vws"), 0);
    EXPECT_NE(Out().find("3 passes, 262144 KiB"), std::string::npos);
}

TEST_F(SealedVw3, EveryDamageIsReportedAndWritesNothing) {
    modVW::SealingCost = {1, 8192};
    WriteFile(temp / "subject.bin", std::vector<uint8_t>(modVW::kSealedPiece + 1000, 0x33));
    vw3::CliInteraction quiet(std::nullopt, true);
    modVW::SealFile(temp / "subject.bin", temp / "subject.vws", "Pw", 1, quiet);
    const auto sealed = ReadFile(temp / "subject.vws");
    ASSERT_EQ(sealed.size(), 1049780u) << "the layout the table was written for";
    ASSERT_EQ(Run("decrypt " + temp / "subject.vws" + " -o out --password-file pw"), 0);
    fs::remove(dir / "out");

    std::ifstream manifest(kData + "damage.txt");
    int rows = 0;
    for (std::string line; std::getline(manifest, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(line);
        std::istringstream row(line);
        std::string where, action, report;
        size_t at = 0;
        int status = 0;
        row >> where >> at >> action >> status >> std::ws;
        std::getline(row, report);
        auto damaged = sealed;
        if (action == "flip") damaged[at] ^= 0xFF;
        if (action == "cut") damaged.resize(at);
        if (action == "append") damaged.insert(damaged.end(), at, 0x5A);
        if (action.rfind("hostile-", 0) == 0) {
            damaged[at] = static_cast<uint8_t>(std::stoi(action.substr(8)));
            crypto_generichash(&damaged[94], 32, damaged.data(), 94, nullptr, 0);
        }
        WriteFile(dir / "d.vws", damaged);
        EXPECT_EQ(Run("decrypt d.vws -o out --password-file pw"), status);
        EXPECT_EQ(Out("err"), report.replace(report.find("{file}"), 6, "d.vws") + "\n");
        EXPECT_EQ(Names(), 2) << "only pw and d.vws";
        ++rows;
    }
    EXPECT_EQ(rows, 33);
}
