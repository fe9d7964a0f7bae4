// A folder too large for an encrypted file is refused before it is packed, and an
// entry named like the temporary package survives in the temporary folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"

namespace fs = std::filesystem;

TEST(FolderLimits, TooLargeRefusedBeforePackingAndTempStufEntrySurvives) {
    TempDir dir;
    ::setenv("VAULTWISE_TEMP_DIR", dir.Path().c_str(), 1);
    for (const char* name : {"big/a", "big/b", "f/TempStuf.stuf"}) {
        fs::create_directories(fs::path(dir / name).parent_path());
        WriteFile(dir / name, std::string("u"));
    }
    for (const char* name : {"big/a", "big/b"})  // sparse: 2.2 GB that take no disk
        ASSERT_EQ(::truncate((dir / name).c_str(), 1100000000), 0);
    ScriptedInteraction big, enc, dec;
    modVW::Encrypt(big, 2, dir / "big");
    EXPECT_EQ(big.Kinds(), std::vector<std::string>{"msgbox"}) << "refused before any question";
    EXPECT_EQ(big.Log[0].Text.rfind("Error 5 - Invalid procedure call or argument: the files", 0),
              0u);

    enc.Answers = {dir / "f.vw3", "pw", "pw"};
    modVW::Encrypt(enc, 2, dir / "f");
    dec.Answers = {"pw", dir.Path()};  // into the folder that holds the temporary packages
    modVW::Decrypt(dec, dir / "f.vw3");
    EXPECT_TRUE(enc.Messages().empty() && dec.Messages().empty());
    EXPECT_EQ(ReadFile(dir / "TempStuf.stuf"), std::vector<uint8_t>{'u'});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 4)
        << "big f f.vw3 TempStuf.stuf";
    ::unsetenv("VAULTWISE_TEMP_DIR");
}
