// Broken and hostile STUF20 packages: every truncation of example 2, those of
// tests/data/packages/MANIFEST and the entry names of entry-names. Golden files,
// Windows-1252 names and damaged compressed entries are sessions in SessionTest.cpp.

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

// Example 2 with its entry renamed (the name's length is at offset 48).
Bytes Example2Named(const std::string& name) {
    const Bytes example = ReadFile(DataPath("packages/example2-one-file.stuf"));
    Bytes bytes(example.begin(), example.begin() + 48);
    bytes.insert(bytes.end(), {uint8_t(name.size()), uint8_t(name.size() >> 8)});
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.insert(bytes.end(), example.begin() + 55, example.end());
    return bytes;
}

}  // namespace

TEST(BrokenPackage, EveryTruncationOfExample2Fails) {
    const Bytes full = ReadFile(DataPath("packages/example2-one-file.stuf"));
    TempDir dir;
    for (size_t length = 0; length < full.size(); ++length) {
        WriteFile(dir / "cut.stuf", Bytes(full.begin(), full.begin() + length));
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / "cut.stuf"), 1) << "cut at " << length;
        EXPECT_NE(p.LastError.find("cut.stuf' is damaged"), std::string::npos)
            << "cut at " << length << ": " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

// Never a crash, never an allocation of the size a damaged count claims: the
// package fails to open, naming itself, or opens and fails to extract.
TEST(BrokenPackage, EachFailsWithAClearText) {
    for (const auto& row : ReadManifest("packages/MANIFEST")) {
        const std::string path = DataPath("packages/" + row.at(0));
        const bool opens = row.at(1) == "-";
        TempDir dir;
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(path), opens ? 0 : 1) << row[0] << ": " << p.LastError;
        if (opens) {
            EXPECT_EQ(p.ExtractPackage(dir / "out"), 1) << row[0];
        } else {
            EXPECT_NE(p.LastError.find(row[1]), std::string::npos) << row[0] << ": " << p.LastError;
            EXPECT_NE(p.LastError.find(row[0]), std::string::npos) << "names the file";
            EXPECT_EQ(p.Session, 0);
        }
        EXPECT_FALSE(p.LastError.empty()) << row[0];
        EXPECT_FALSE(fs::exists(DataPath("escape.txt")));
    }
}

// Reading does not judge names; ExtractPackage refuses every name that could lead out
// of the folder before it creates anything, and takes plain but unusual ones;
// ExtractFile names its own target, so there the stored name does not matter.
TEST(BrokenPackage, NamesThatLeaveTheFolderAreRefused) {
    for (const auto& row : ReadManifest("packages/entry-names")) {
        const std::string name = Replace(row.at(0), "\\0", std::string(1, '\0'));
        const bool refuse = row.at(1) == "1";
        TempDir dir;
        WriteFile(dir / "p.stuf", Example2Named(name));
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        EXPECT_EQ(p.ExtractPackage(dir / "out"), refuse ? 1 : 0) << name << ": " << p.LastError;
        EXPECT_EQ(p.LastError.find("Refusing to extract file 1") != std::string::npos, refuse);
        EXPECT_EQ(fs::exists(dir / "out"), !refuse) << name;
        EXPECT_EQ(p.ExtractFile(1, dir / "chosen"), 0);
        EXPECT_EQ(ReadFile(dir / "chosen"), B("abc"));
    }
}
