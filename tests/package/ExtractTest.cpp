// Extraction: ExtractPackage and ExtractFile, replacement of existing files and
// symbolic links, and the refusal of hostile entry names.

#include <gtest/gtest.h>
#include <unistd.h>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// A stored a.txt "abc" and b.bin compressed at level 6, in an open session.
class PackageExtract : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir / "a.txt", "abc");
        WriteFile(dir / "b.bin", SampleBytes(300000));
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
        ASSERT_EQ(p.AddFile(dir / "b.bin", 6), 0);
        ASSERT_EQ(p.EndSession(), 0);
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    }

    TempDir dir;
    cSTUF20 p;
};

}  // namespace

TEST_F(PackageExtract, CreatesTheFolderAndReplacesWhatIsThere) {
    ASSERT_EQ(p.ExtractPackage(dir / "out/"), 0) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), (std::vector<std::string>{"a.txt", "b.bin"}));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));
    WriteFile(dir / "out/a.txt", SampleBytes(5000));  // longer than the entry
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), B("abc"));
}

TEST_F(PackageExtract, OnlyOneFolderLevelIsCreated) {
    EXPECT_EQ(p.ExtractPackage(dir / "no/such"), 1);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_FALSE(Exists(dir / "no"));
}

TEST_F(PackageExtract, SymbolicLinkAtTheTargetIsReplacedNotFollowed) {
    std::filesystem::create_directory(dir / "out");
    WriteFile(dir / "victim.txt", "keep me");
    ASSERT_EQ(::symlink((dir / "victim.txt").c_str(), (dir / "out/a.txt").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), (dir / "out/b.bin").c_str()), 0);  // dangling
    ASSERT_EQ(::symlink((dir / "victim.txt").c_str(), (dir / "single").c_str()), 0);
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    ASSERT_EQ(p.ExtractFile(1, dir / "single"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "victim.txt"), B("keep me"));
    EXPECT_FALSE(Exists(dir / "nowhere"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "out/a.txt"));
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), B("abc"));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));
    EXPECT_EQ(ReadFile(dir / "single"), B("abc"));
}

TEST_F(PackageExtract, FolderAtTheTargetIsATrappedFailure) {
    std::filesystem::create_directories(dir / "out/a.txt/inner");
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("a.txt"), std::string::npos) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"a.txt"}) << "no temporary file left";
}

// Entries read from the package, and entries added in the session (stored ones still
// in their source file, compressed ones in the spool), before anything is written.
TEST_F(PackageExtract, ExtractFileWritesOneEntry) {
    WriteFile(dir / "c.txt", "new one");
    ASSERT_EQ(p.AddFile(dir / "c.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "c.txt", 9), 0);
    for (int32_t i = 2; i <= 4; ++i)
        ASSERT_EQ(p.ExtractFile(i, dir / std::to_string(i)), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "2"), SampleBytes(300000));
    EXPECT_EQ(ReadFile(dir / "3"), B("new one"));
    EXPECT_EQ(ReadFile(dir / "4"), B("new one"));
    EXPECT_EQ(p.ExtractFile(5, dir / "5"), 1);
    EXPECT_NE(p.LastError.find("Invalid file number 5"), std::string::npos) << p.LastError;
    EXPECT_FALSE(Exists(dir / "5"));
}

// Reading does not judge names; ExtractPackage refuses every name that could lead out
// of the folder before it creates anything, and takes plain but unusual ones.
TEST(PackageHostileNames, NamesThatLeaveTheFolderAreRefused) {
    const std::vector<std::string> refused = {
        "", ".", "..", "../evil.txt", "sub/evil.txt", "/tmp/evil.txt", std::string("nul\0.txt", 8)};
    // On Linux only "/" separates folders: a backslash is part of the name.
    const std::vector<std::string> allowed = {"...",          ".hidden", "a..b", "name with spaces",
                                              "..\\evil.txt", "a\\b"};
    for (const bool refuse : {true, false}) {
        for (const auto& name : refuse ? refused : allowed) {
            TempDir dir;
            WriteFile(dir / "p.stuf", PackageBytes()
                                          .Text("")
                                          .Table(2)
                                          .EmptySlot()
                                          .Slot(B("evil"), name, 4, 0)
                                          .Trailer(1));
            cSTUF20 p;
            ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
            EXPECT_EQ(p.ExtractPackage(dir / "out"), refuse ? 1 : 0) << name << ": " << p.LastError;
            if (!refuse) {
                EXPECT_EQ(ReadFile(dir / ("out/" + name)), B("evil"));
                continue;
            }
            EXPECT_NE(p.LastError.find("Refusing to extract file 1"), std::string::npos)
                << p.LastError;
            EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"p.stuf"}) << name;
        }
    }
}

TEST(PackageHostileNames, OneBadNameRefusesTheWholePackage) {
    // A harmless entry first, then "../x".
    TempDir dir;
    WriteFile(dir / "p.stuf", PackageBytes()
                                  .Text("")
                                  .Table(3)
                                  .EmptySlot()
                                  .Slot(B("ok"), "fine.txt", 2, 0)
                                  .Slot(B("x"), "../x", 1, 0)
                                  .Trailer(2));
    std::filesystem::create_directory(dir / "out");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("file 2"), std::string::npos) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{});
    EXPECT_FALSE(Exists(dir / "x"));
    // ExtractFile names its own target, so the stored name does not matter there.
    EXPECT_EQ(p.ExtractFile(2, dir / "out/chosen"), 0);
    EXPECT_EQ(ReadFile(dir / "out/chosen"), B("x"));
}
