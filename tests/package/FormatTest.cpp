// The STUF20 file format: names in Windows-1252, and the broken and hostile packages
// of tests/data/packages/MANIFEST. The golden files are written in SessionTest.cpp.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

Bytes Golden(const std::string& name) {
    return ReadFile(DataPath("packages/" + name));
}

// Example 2 with its entry renamed (the name's length is at offset 48).
Bytes Example2Named(const std::string& name) {
    const Bytes example = Golden("example2-one-file.stuf");
    Bytes bytes(example.begin(), example.begin() + 48);
    bytes.insert(bytes.end(), {uint8_t(name.size()), uint8_t(name.size() >> 8)});
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.insert(bytes.end(), example.begin() + 55, example.end());
    return bytes;
}

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// UTF-8 at the interface, Windows-1252 in the file; GetFileNumber ignores letter case
// there too, and the description's length is counted there.
TEST(PackageFormat, NamesAndDescriptionAreWindows1252) {
    TempDir dir;
    WriteFile(dir / "caf\xC3\xA9.txt", "x");  // café.txt
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.SetDescription("\xE2\x82\xAC"), 0);  // €
    ASSERT_EQ(p.AddFile(dir / "caf\xC3\xA9.txt"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes b = ReadFile(dir / "p.stuf");
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 3), (Bytes{0x01, 0x00, 0x80}));  // € is 0x80
    const Bytes name = {0x08, 0x00, 'c', 'a', 'f', 0xE9, '.', 't', 'x', 't'};
    EXPECT_NE(std::search(b.begin(), b.end(), name.begin(), name.end()), b.end());
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.GetDescription(), "\xE2\x82\xAC");
    EXPECT_EQ(p.GetFileName(1), "caf\xC3\xA9.txt");
    p.LastError = "left alone";
    EXPECT_EQ(p.GetFileNumber("CAF\xC3\x89.TXT"), 1);  // CAFÉ.TXT
    EXPECT_EQ(p.GetFileNumber("cafe.txt"), 0);
    EXPECT_EQ(p.GetFileNumber(""), 0);
    EXPECT_EQ(p.LastError, "left alone");
    std::string euros;  // 65,535 bytes in the file
    for (int i = 0; i < 65535; ++i)
        euros += "\xE2\x82\xAC";
    EXPECT_EQ(p.SetDescription(euros), 0);
    EXPECT_EQ(p.SetDescription(euros + "x"), 1);
    EXPECT_NE(p.LastError.find("65,535"), std::string::npos) << p.LastError;
}

TEST(BrokenPackage, EveryTruncationOfExample2Fails) {
    const Bytes full = Golden("example2-one-file.stuf");
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

// GetFileData, ExtractFile and ExtractPackage fail; a file already at the target is
// left as it was; the rest of the package works and a rewrite keeps the entry.
TEST(BrokenPackage, DamagedCompressedEntryFailsTheOneOperation) {
    for (const char* file : {"broken-compressed.stuf", "broken-compressed-size.stuf"}) {
        TempDir dir;
        WriteFile(dir / "p.stuf", Golden(file));
        fs::create_directory(dir / "out");
        WriteFile(dir / "out/z.txt", "previous");
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
        const std::string damaged = "Compressed entry 1 \"z.txt\" is damaged";
        const std::function<bool()> operations[] = {
            [&] { return p.GetFileData(1).empty(); },
            [&] { return p.ExtractFile(1, dir / "single") == 1; },
            [&] { return p.ExtractPackage(dir / "out") == 1; },
        };
        for (const auto& failed : operations) {
            p.LastError.clear();
            EXPECT_TRUE(failed()) << file;
            EXPECT_NE(p.LastError.find(damaged), std::string::npos) << p.LastError;
        }
        EXPECT_FALSE(fs::exists(dir / "single"));
        EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"z.txt"});
        EXPECT_EQ(ReadFile(dir / "out/z.txt"), B("previous"));
        ASSERT_EQ(p.SetDescription(""), 0);
        ASSERT_EQ(p.EndSession(), 0);
        EXPECT_EQ(ReadFile(dir / "p.stuf"), Golden(file));
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
    // One bad name refuses the whole package, also the harmless entry before it.
    TempDir dir;
    WriteFile(dir / "a.txt", "abc");
    WriteFile(dir / "b.txt", "x");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt") + p.AddFile(dir / "b.txt") + p.EndSession(), 0);
    Bytes bytes = ReadFile(dir / "p.stuf");
    const std::string b = "b.txt", bad = "../bx";
    std::copy(bad.begin(), bad.end(), std::search(bytes.begin(), bytes.end(), b.begin(), b.end()));
    WriteFile(dir / "p.stuf", bytes);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("file 2"), std::string::npos) << p.LastError;
    EXPECT_FALSE(fs::exists(dir / "out/a.txt"));
    EXPECT_FALSE(fs::exists(dir / "bx"));
}
