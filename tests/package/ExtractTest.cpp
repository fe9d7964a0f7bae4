// Extraction: ExtractPackage and ExtractFile, the Linux path rules, replacement
// of existing files and symbolic links, and the refusal of hostile entry names.

#include <gtest/gtest.h>
#include <unistd.h>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// A package whose only file carries `name` as its stored bytes, holding "evil".
Bytes PackageNamed(const std::string& name) {
    return PackageBytes()
        .Text("")
        .Table(2)
        .EmptySlot()
        .Slot({'e', 'v', 'i', 'l'}, name, 4, 0)
        .Trailer(1)
        .Get();
}

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

TEST_F(PackageExtract, EmptyDestinationIsRefused) {
    EXPECT_EQ(p.ExtractPackage(""), 0);
    EXPECT_EQ(p.LastError, "Destination directory not specified");
}

TEST_F(PackageExtract, CreatesTheMissingFolderAndWritesEveryFile) {
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), (std::vector<std::string>{"a.txt", "b.bin"}));
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));
}

TEST_F(PackageExtract, DestinationEndingInASlashIsNotDoubled) {
    ASSERT_EQ(p.ExtractPackage(dir / "out/"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), (Bytes{'a', 'b', 'c'}));
}

TEST_F(PackageExtract, OnlyOneFolderLevelIsCreated) {
    p.LastError.clear();
    EXPECT_EQ(p.ExtractPackage(dir / "no/such"), 1);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_FALSE(Exists(dir / "no"));
}

TEST_F(PackageExtract, ExistingLongerFileIsReplacedExactly) {
    std::filesystem::create_directory(dir / "out");
    WriteFile(dir / "out/a.txt", SampleBytes(5000));
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0);
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), (Bytes{'a', 'b', 'c'}));
}

TEST_F(PackageExtract, SymbolicLinkAtTheTargetIsReplacedNotFollowed) {
    std::filesystem::create_directory(dir / "out");
    WriteFile(dir / "victim.txt", "keep me");
    ASSERT_EQ(::symlink((dir / "victim.txt").c_str(), (dir / "out/a.txt").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), (dir / "out/b.bin").c_str()), 0);  // dangling
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "victim.txt"), (Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_FALSE(Exists(dir / "nowhere"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "out/a.txt"));
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));

    ASSERT_EQ(::symlink((dir / "victim.txt").c_str(), (dir / "single").c_str()), 0);
    ASSERT_EQ(p.ExtractFile(1, dir / "single"), 0);
    EXPECT_EQ(ReadFile(dir / "victim.txt"), (Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_EQ(ReadFile(dir / "single"), (Bytes{'a', 'b', 'c'}));
}

TEST_F(PackageExtract, FolderAtTheTargetIsATrappedFailure) {
    std::filesystem::create_directories(dir / "out/a.txt/inner");
    p.LastError.clear();
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("a.txt"), std::string::npos) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"a.txt"}) << "no temporary file left";
}

TEST_F(PackageExtract, ExtractFileChecksItsNumber) {
    p.LastError.clear();
    EXPECT_EQ(p.ExtractFile(0, dir / "x"), 0);
    EXPECT_EQ(p.LastError, "Invalid file number");
    EXPECT_FALSE(Exists(dir / "x"));
    p.LastError.clear();
    EXPECT_EQ(p.ExtractFile(3, dir / "x"), 1);  // beyond EntryCount
    EXPECT_NE(p.LastError.find("Invalid file number 3"), std::string::npos) << p.LastError;
    EXPECT_FALSE(Exists(dir / "x"));
    EXPECT_EQ(p.ExtractFile(2, dir / "x"), 0);
    EXPECT_EQ(ReadFile(dir / "x"), SampleBytes(300000));
}

TEST_F(PackageExtract, EntriesAddedInTheSessionExtractBeforeWriting) {
    WriteFile(dir / "c.txt", "new one");
    ASSERT_EQ(p.AddFile(dir / "c.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "c.txt", 9), 0);
    ASSERT_EQ(p.ExtractFile(3, dir / "c3"), 0);
    ASSERT_EQ(p.ExtractFile(4, dir / "c4"), 0);
    EXPECT_EQ(ReadFile(dir / "c3"), ReadFile(dir / "c.txt"));
    EXPECT_EQ(ReadFile(dir / "c4"), ReadFile(dir / "c.txt"));
}

TEST(PackageHostileNames, NamesThatLeaveTheFolderAreRefused) {
    const std::vector<std::string> hostile = {
        "",
        ".",
        "..",
        "../evil.txt",
        "sub/evil.txt",
        "/tmp/evil.txt",
        "..\\evil.txt",
        "a\\b",
        std::string("nul\0.txt", 8),
    };
    for (const auto& name : hostile) {
        TempDir dir;
        WriteFile(dir / "p.stuf", PackageNamed(name));
        std::filesystem::create_directory(dir / "sub");
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << "reading does not judge names";
        p.LastError.clear();
        EXPECT_EQ(p.ExtractPackage(dir / "out"), 1) << name;
        EXPECT_NE(p.LastError.find("Refusing to extract file 1"), std::string::npos) << p.LastError;
        EXPECT_FALSE(Exists(dir / "out")) << "nothing is created for a hostile package";
        EXPECT_FALSE(Exists(dir / "evil.txt"));
        EXPECT_FALSE(Exists(dir / "sub/evil.txt"));
        EXPECT_EQ(Listing(dir.Path()), (std::vector<std::string>{"p.stuf", "sub"}));
    }
}

TEST(PackageHostileNames, OneBadNameRefusesTheWholePackage) {
    // Two entries: a harmless one first, then "../x".
    const Bytes bytes = PackageBytes()
                            .Text("")
                            .Table(3)
                            .EmptySlot()
                            .Slot({'o', 'k'}, "fine.txt", 2, 0)
                            .Slot({'x'}, "../x", 1, 0)
                            .Trailer(2)
                            .Get();
    TempDir dir;
    WriteFile(dir / "p.stuf", bytes);
    std::filesystem::create_directory(dir / "out");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("file 2"), std::string::npos) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{});
    EXPECT_FALSE(Exists(dir / "x"));
    // ExtractFile names its own target, so the stored name does not matter there.
    EXPECT_EQ(p.ExtractFile(2, dir / "out/chosen"), 0);
    EXPECT_EQ(ReadFile(dir / "out/chosen"), (Bytes{'x'}));
}

TEST(PackageHostileNames, UnusualButPlainNamesAreAllowed) {
    for (const std::string name : {"...", ".hidden", "a..b", "name with spaces"}) {
        TempDir dir;
        WriteFile(dir / "p.stuf", PackageNamed(name));
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        EXPECT_EQ(p.ExtractPackage(dir / "out"), 0) << name << ": " << p.LastError;
        EXPECT_EQ(ReadFile((dir / "out") + "/" + name), (Bytes{'e', 'v', 'i', 'l'}));
    }
}

TEST(PackageDamagedEntry, CompressedEntryThatDoesNotExpandWritesNothing) {
    // One entry flagged compressed (FF FF) whose Contents are not a zlib stream.
    const Bytes bytes = PackageBytes()
                            .Text("")
                            .Table(2)
                            .EmptySlot()
                            .Slot({0x12, 0x34, 0x56, 0x78}, "z.txt", 100, -1)
                            .Trailer(1)
                            .Get();
    TempDir dir;
    WriteFile(dir / "p.stuf", bytes);
    std::filesystem::create_directory(dir / "out");
    WriteFile(dir / "out/z.txt", "previous");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("Compressed entry 1 \"z.txt\" is damaged"), std::string::npos)
        << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"z.txt"});
    EXPECT_EQ(ReadFile(dir / "out/z.txt"), (Bytes{'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));
    p.LastError.clear();
    EXPECT_EQ(p.ExtractFile(1, dir / "single"), 1);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_FALSE(Exists(dir / "single"));
}
