// Sealed files through the Encrypt and Decrypt procedures, at a low key cost.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "SealedFile.h"
#include "TempDir.h"
#include "TemporaryPackage.h"

using namespace modVW;
namespace fs = std::filesystem;

namespace {

const std::string kIncorrect = "Error: You have entered an incorrect password.";

class Sealed : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
        SealingCost = {1, 8192};
    }
    void TearDown() override { SealingCost = kNewFileCost; }

    TempDir temp;
    TempDir dir;
};

std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 131 + i / 4096);
    return bytes;
}

}  // namespace

TEST_F(Sealed, FilesRoundTripWhateverTheirPieces) {
    // Empty, one byte, exactly one piece, one byte into a second piece.
    for (const size_t size : {size_t{0}, size_t{1}, kSealedPiece, kSealedPiece + 1}) {
        SCOPED_TRACE(size);
        WriteFile(dir / "f.bin", Pattern(size));
        ScriptedInteraction enc;
        enc.Answers = {dir / "f.vws", "Pw", "Pw"};
        Encrypt(enc, 1, dir / "f.bin");
        ASSERT_TRUE(enc.Messages().empty()) << enc.Messages()[0];
        EXPECT_NE(enc.Log[1].Text.find("letter case matters"), std::string::npos);
        const auto sealed = ReadFile(dir / "f.vws");
        EXPECT_EQ(std::string(sealed.begin(), sealed.end()).find("f.bin"), std::string::npos);

        ScriptedInteraction dec;
        dec.Answers = {"pw", "Pw", dir / "out.bin"};  // case counts: "pw" is wrong
        Decrypt(dec, dir / "f.vws");
        EXPECT_EQ(dec.Messages(), std::vector<std::string>{kIncorrect});
        EXPECT_EQ(dec.Kinds(),
                  (std::vector<std::string>{"password", "msgbox", "password", "save"}));
        EXPECT_EQ(dec.Log.back().Request.InitialName, "f.bin");
        EXPECT_EQ(ReadFile(dir / "out.bin"), Pattern(size));
    }
}

TEST_F(Sealed, FolderRoundTripsThroughItsPackage) {
    fs::create_directory(dir / "src");
    WriteFile(dir / "src/a.txt", Pattern(10));
    WriteFile(dir / "src/b.bin", Pattern(kSealedPiece + 7));
    fs::create_directory(dir / "out");
    ScriptedInteraction enc;
    enc.Answers = {dir / "src.vws", "k", "k"};
    Encrypt(enc, 2, dir / "src");
    ScriptedInteraction dec;
    dec.Answers = {"k", dir / "out"};
    Decrypt(dec, dir / "src.vws");
    EXPECT_TRUE(dec.Messages().empty());
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), Pattern(10));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), Pattern(kSealedPiece + 7));
    EXPECT_FALSE(fs::exists(TemporaryPackagePath()));
}
