// Every damage of tests/data/sealed/damage.txt done to a sealed file is reported
// by vw3 and writes nothing. The golden file and the cost vw3 seals with are rows
// of tests/data/cli/robustness.txt.

#include <gtest/gtest.h>
#include <sodium.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

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
    std::istringstream manifest(ReadText(DataPath("sealed/damage.txt")));
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
        const auto r = RunCommand(dir.Path(), decrypt);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.err, Replace(report, "{file}", "d.vws") + "\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2) << "only pw, d.vws";
        ++rows;
    }
    EXPECT_EQ(rows, 33);
}
