// Every damage of tests/data/sealed/damage.txt done to a sealed file is reported
// by vw3 and writes nothing. The golden file and the cost vw3 seals with are rows
// of tests/data/cli/robustness.txt.

#include <gtest/gtest.h>
#include <sodium.h>

#include <cstdlib>
#include <filesystem>

#include "CliInteraction.h"
#include "SealedFile.h"
#include "TempDir.h"

namespace fs = std::filesystem;

TEST(SealedVw3, EveryDamageIsReportedAndWritesNothing) {
    TempDir dir, temp;
    WriteFile(dir / "pw", std::string("Pw\n"));
    modVW::SealingCost = {1, 8192};
    WriteFile(temp / "subject.bin", std::vector<uint8_t>(modVW::kSealedPiece + 1000, 0x33));
    vw3::CliInteraction quiet(std::nullopt, true);
    modVW::SealFile(temp / "subject.bin", temp / "subject.vws", "Pw", 1, quiet);
    const auto sealed = ReadFile(temp / "subject.vws");
    ASSERT_EQ(sealed.size(), 1049780u) << "the layout the table was written for";
    const std::string decrypt =
        std::string(VW3_BINARY) + " decrypt d.vws -o out --password-file pw";
    WriteFile(dir / "d.vws", sealed);
    ASSERT_EQ(RunCommand(dir.Path(), decrypt).status, 0);
    fs::remove(dir / "out");

    int rows = 0;
    for (const auto& row : ReadManifest("sealed/damage.txt")) {
        SCOPED_TRACE(row.at(0) + " " + row.at(1) + " " + row.at(2));
        const size_t at = std::stoul(row.at(1));
        const std::string& action = row.at(2);
        auto damaged = sealed;
        if (action == "flip") damaged[at] ^= 0xFF;
        if (action == "cut") damaged.resize(at);
        if (action == "append") damaged.insert(damaged.end(), at, 0x5A);
        if (action.rfind("hostile-", 0) == 0) {
            damaged[at] = static_cast<uint8_t>(std::stoi(action.substr(8)));
            crypto_generichash(&damaged[94], 32, damaged.data(), 94, nullptr, 0);
        }
        WriteFile(dir / "d.vws", damaged);
        const auto r = RunCommand(dir.Path(), decrypt);
        EXPECT_EQ(r.status, std::stoi(row.at(3)));
        EXPECT_EQ(r.err, Replace(row.at(4), "{file}", "d.vws") + "\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2) << "only pw, d.vws";
        ++rows;
    }
    EXPECT_EQ(rows, 33);
}
