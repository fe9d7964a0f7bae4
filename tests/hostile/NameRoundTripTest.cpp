// Folders of hostile names through encryption and back, by the procedures and by
// vw3. Each folder comes back as exactly the same {name: bytes}, or encryption is
// refused before anything is written, naming the file; only a name that is not
// valid UTF-8 may be refused. A link in every folder is left out and told.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "StoredNames.h"
#include "TempDir.h"
#include "Text1252.h"

namespace fs = std::filesystem;
using Files = std::map<std::string, std::vector<uint8_t>>;

namespace {

// tests/data/hostile/names.txt: one name a line, with \t, \\ and \xHH escapes.
std::vector<std::string> Alphabet() {
    std::ifstream in(std::string(VW_TEST_DATA) + "/hostile/names.txt");
    std::vector<std::string> names;
    for (std::string line, name; std::getline(in, line); names.push_back(name), name.clear())
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '\\') {
                name += line[i];
            } else if (line[++i] == 'x') {
                name += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                name += line[i] == 't' ? '\t' : line[i];
            }
        }
    return names;
}

Files Contents(const std::string& folder) {
    Files files;
    for (const auto& e : fs::directory_iterator(folder))
        if (!e.is_symlink()) files[e.path().filename().string()] = ReadFile(e.path().string());
    return files;
}

// Encrypts dir/in and decrypts it into dir/out; returns every message shown.
std::string ViaProcedures(const TempDir& dir) {
    ScriptedInteraction enc, dec;
    enc.Answers = {dir / "f.vw3", "pw", "pw"};
    modVW::Encrypt(enc, 2, dir / "in");
    dec.Answers = {"pw", dir / "out"};
    if (fs::exists(dir / "f.vw3")) modVW::Decrypt(dec, dir / "f.vw3");
    std::string shown;
    for (const auto& m : enc.Messages())
        shown += m + "\n";
    return shown + (dec.Messages().empty() ? "" : dec.Messages()[0]);
}

std::string ViaVw3(const TempDir& dir) {
    const std::string vw3 = std::string(VW3_BINARY) + " ";
    const std::string command = "cd '" + dir.Path() + "' && " + vw3 +
                                "encrypt in -o f.vw3 --password-file pw 2>err && " + vw3 +
                                "decrypt f.vw3 -o out --password-file pw 2>>err";
    std::system(command.c_str());
    const auto err = ReadFile(dir / "err");
    return std::string(err.begin(), err.end());
}

}  // namespace

TEST(NameRoundTrip, EveryPairOfHostileNamesComesBackOrIsRefusedUpFront) {
    const auto names = Alphabet();
    ASSERT_GE(names.size(), 10u);
    for (const bool vw3 : {false, true})
        for (size_t i = 0; i < names.size(); ++i)
            for (size_t j = i + 1; j < names.size(); ++j) {
                TempDir dir;
                SCOPED_TRACE(modVW::VisibleName(names[i] + " + " + names[j]) +
                             (vw3 ? " (vw3)" : ""));
                ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
                fs::create_directories(dir / "in");
                fs::create_directories(dir / "temp");
                WriteFile(dir / "pw", {'p', 'w'});
                for (const auto& name : {names[i], names[j]})
                    WriteFile(dir / ("in/" + name), {name.begin(), name.end()});
                fs::create_symlink("/etc/passwd", dir / "in/link");

                const std::string shown = vw3 ? ViaVw3(dir) : ViaProcedures(dir);
                std::vector<std::string> invalid;  // the names that may be refused
                for (const auto& name : {names[i], names[j]})
                    if (!Text1252::IsValidUtf8(name))
                        invalid.push_back(modVW::VisibleName(dir / ("in/" + name)));
                if (invalid.empty()) {
                    EXPECT_EQ(Contents(dir / "out"), Contents(dir / "in"));
                    EXPECT_NE(shown.find("Not encrypted"), std::string::npos) << shown;
                    EXPECT_NE(shown.find(dir / "in/link"), std::string::npos) << shown;
                } else {
                    EXPECT_EQ(shown.rfind("Error 52 - Bad file name: '" + dir.Path() + "/in/", 0),
                              0u)
                        << shown;
                    EXPECT_TRUE(shown.find(invalid.front()) != std::string::npos ||
                                shown.find(invalid.back()) != std::string::npos)
                        << shown;
                    EXPECT_FALSE(fs::exists(dir / "f.vw3"));
                }
                EXPECT_TRUE(fs::is_empty(dir / "temp"));
                ::unsetenv("VAULTWISE_TEMP_DIR");
            }
}
