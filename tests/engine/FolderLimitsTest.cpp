// Folder operations that must not lose or write anything: a folder too large for
// an encrypted file is refused before it is packed, and an entry named like the
// temporary package survives in the temporary package's own folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"

namespace fs = std::filesystem;

TEST(FolderLimits, TooLargeRefusedBeforePackingAndTempStufEntrySurvives) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
    fs::create_directories(dir / "temp");
    fs::create_directories(dir / "big");
    for (const char* name : {"big/a", "big/b"}) {  // sparse: 2.2 GB that take no disk
        WriteFile(dir / name, {});
        ASSERT_EQ(::truncate((dir / name).c_str(), 1100000000), 0);
    }
    ScriptedInteraction big;
    big.Answers = {dir / "big.vw3", "pw", "pw"};
    modVW::Encrypt(big, 2, dir / "big");
    ASSERT_EQ(big.Messages().size(), 1u);
    EXPECT_EQ(
        big.Messages()[0].rfind("Error 5 - Invalid procedure call or argument: the files of '", 0),
        0u);
    EXPECT_EQ(big.Kinds(), std::vector<std::string>{"msgbox"})
        << "nothing asked before the refusal";
    EXPECT_FALSE(fs::exists(dir / "big.vw3"));
    EXPECT_TRUE(fs::is_empty(dir / "temp"));

    fs::create_directories(dir / "f");
    WriteFile(dir / "f/TempStuf.stuf", {'u', 's', 'e', 'r'});
    ScriptedInteraction enc, dec;
    enc.Answers = {dir / "f.vw3", "pw", "pw"};
    modVW::Encrypt(enc, 2, dir / "f");
    dec.Answers = {"pw", dir / "temp"};  // into the folder that holds the temporary packages
    modVW::Decrypt(dec, dir / "f.vw3");
    EXPECT_TRUE(enc.Messages().empty() && dec.Messages().empty());
    EXPECT_EQ(ReadFile(dir / "temp/TempStuf.stuf"), (std::vector<uint8_t>{'u', 's', 'e', 'r'}));
    ::unsetenv("VAULTWISE_TEMP_DIR");
}
