// The package session and its operations: results, fixed texts, the
// Modified rule, renumbering, and behaviour without a session.

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// Reads the slot count of a package file (offset 2 + description length + 2).
uint32_t SlotCountOf(const Bytes& b) {
    const size_t at = 2 + (b[0] | (b[1] << 8)) + 2;
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

class PackageSession : public ::testing::Test {
protected:
    // A package with files a.txt, b.txt, c.txt holding "A", "BB", "CCC".
    std::string MakeThree() {
        WriteFile(dir / "a.txt", "A");
        WriteFile(dir / "b.txt", "BB");
        WriteFile(dir / "c.txt", "CCC");
        const std::string pkg = dir / "three.stuf";
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(pkg), 0);
        for (const char* n : {"a.txt", "b.txt", "c.txt"})
            EXPECT_EQ(p.AddFile(dir / n), 0);
        EXPECT_EQ(p.EndSession(), 0);
        return pkg;
    }

    TempDir dir;
};

}  // namespace

TEST_F(PackageSession, WithoutASessionNothingHappens) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    p.LastError = "left alone";
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 0);
    EXPECT_EQ(p.ExtractPackage(""), 0);
    EXPECT_EQ(p.ExtractFile(1, dir / "x"), 0);
    EXPECT_EQ(p.ExtractFile(0, dir / "x"), 0);
    EXPECT_EQ(p.DeleteFile(1), 0);
    EXPECT_TRUE(p.GetFileData(1).empty());
    EXPECT_EQ(p.GetFileNumber("a.txt"), 0);
    EXPECT_EQ(p.GetFileName(0), "");
    EXPECT_EQ(p.GetFileSize(0), 0);
    EXPECT_EQ(p.GetCompressedSize(0), 0);
    EXPECT_EQ(p.IsCompressed(0), 0);
    EXPECT_EQ(p.DeleteDoubles(), 0);
    EXPECT_EQ(p.SetDescription("d"), 0);
    EXPECT_EQ(p.GetDescription(), "");
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_EQ(p.LastError, "left alone");
    EXPECT_EQ(p.Format, "");
    EXPECT_FALSE(Exists(dir / "out"));
    EXPECT_FALSE(Exists(dir / "x"));
}

TEST_F(PackageSession, NewPackageEndedUnchangedLeavesNoFile) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "new.stuf"), 0);
    EXPECT_EQ(p.Session, -1);
    EXPECT_EQ(p.Format, "STUF20");
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_EQ(p.GetDescription(), "");
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(p.Format, "");
    EXPECT_FALSE(Exists(dir / "new.stuf"));
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{});
}

TEST_F(PackageSession, UnchangedSessionWritesNothing) {
    const std::string pkg = MakeThree();
    const ino_t inode = InodeOf(pkg);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    EXPECT_EQ(p.FileCount(), 3);
    EXPECT_EQ(p.GetFileData(2), (Bytes{'B', 'B'}));
    EXPECT_EQ(p.GetFileNumber("C.TXT"), 3);
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(InodeOf(pkg), inode) << "the package was rewritten";
}

TEST_F(PackageSession, EveryChangingOperationMarksTheSessionModified) {
    const std::string pkg = MakeThree();
    const Bytes original = ReadFile(pkg);
    // Each of these changes nothing or is refused, yet the package is rewritten.
    const std::vector<std::function<void(cSTUF20&)>> calls = {
        [](cSTUF20& p) { p.AddFile(""); },        [](cSTUF20& p) { p.DeleteFile(0); },
        [](cSTUF20& p) { p.DeleteFile(99); },     [](cSTUF20& p) { p.DeleteDoubles(); },
        [](cSTUF20& p) { p.SetDescription(""); },
    };
    for (const auto& call : calls) {
        const ino_t inode = InodeOf(pkg);
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(pkg), 0);
        call(p);
        ASSERT_EQ(p.EndSession(), 0);
        EXPECT_NE(InodeOf(pkg), inode);
        EXPECT_EQ(ReadFile(pkg), original);
    }
}

TEST_F(PackageSession, AddFileWithEmptySourceIsRefusedButModifies) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    EXPECT_EQ(p.LastError, "Cannot find source file");
    EXPECT_EQ(p.FileCount(), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example1());  // written although nothing was added
}

TEST_F(PackageSession, AddFileOfAMissingFileLeavesASpareSlot) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "missing.txt"), 1);
    EXPECT_NE(p.LastError.find("missing.txt"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.FileCount(), 0);
    ASSERT_EQ(p.EndSession(), 0);
    // Two slots (slot 0 and the spare one), EntryCount 0: 22 bytes more than example 1.
    const Bytes b = ReadFile(dir / "p.stuf");
    EXPECT_EQ(b.size(), 80u);
    EXPECT_EQ(SlotCountOf(b), 2u);

    // The next successful AddFile uses the spare slot again.
    WriteFile(dir / "a.txt", "abc");
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "missing.txt"), 1);
    EXPECT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
}

TEST_F(PackageSession, AddFileOfAFolderIsATrappedFailure) {
    std::filesystem::create_directory(dir / "sub");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "sub"), 1);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_EQ(p.FileCount(), 0);
}

TEST_F(PackageSession, StoredWhenLevelIsOmittedZeroOrNegative) {
    WriteFile(dir / "a.txt", SampleBytes(1000));
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt", 0), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt", -3), 0);
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(p.IsCompressed(i), 0);
        EXPECT_EQ(p.GetFileSize(i), 1000);
        EXPECT_EQ(p.GetCompressedSize(i), 1000);
    }
}

TEST_F(PackageSession, CompressedAndStoredEntriesRoundTrip) {
    struct File {
        std::string name;
        Bytes bytes;
        int16_t level;
    };
    const std::vector<File> files = {
        {"stored.bin", SampleBytes(70000, 1), 0},
        {"one.txt", SampleBytes(50000, 2), 1},
        {"six.txt", SampleBytes(50000, 3), 6},
        {"nine.txt", SampleBytes(50000, 4), 9},
        {"empty9.dat", {}, 9},
        {"empty0.dat", {}, 0},
    };
    for (const auto& f : files)
        WriteFile(dir / f.name, f.bytes);
    const auto check = [&](cSTUF20& p, const char* when) {
        ASSERT_EQ(p.FileCount(), static_cast<int32_t>(files.size())) << when;
        for (size_t k = 0; k < files.size(); ++k) {
            const auto i = static_cast<int32_t>(k + 1);
            const File& f = files[k];
            EXPECT_EQ(p.GetFileName(i), f.name) << when;
            EXPECT_EQ(p.GetFileSize(i), static_cast<int32_t>(f.bytes.size())) << when;
            EXPECT_EQ(p.IsCompressed(i), f.level > 0 ? -1 : 0) << when;
            if (f.level > 0 && !f.bytes.empty()) {
                EXPECT_LT(p.GetCompressedSize(i), p.GetFileSize(i)) << when;
            }
            if (f.level == 0) {
                EXPECT_EQ(p.GetCompressedSize(i), p.GetFileSize(i)) << when;
            }
            EXPECT_EQ(p.GetFileData(i), f.bytes) << when << " " << f.name;
        }
        EXPECT_EQ(p.GetCompressedSize(5), 8) << "an empty zlib stream is 8 bytes";
    };
    cSTUF20 p;
    p.LastError.clear();
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (const auto& f : files)
        ASSERT_EQ(p.AddFile(dir / f.name, f.level), 0) << p.LastError;
    check(p, "before writing");
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    check(p, "read back");
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    for (const auto& f : files)
        EXPECT_EQ(ReadFile((dir / "out") + "/" + f.name), f.bytes) << f.name;
    EXPECT_EQ(p.LastError, "");
}

TEST_F(PackageSession, CompressionFailureIsTrappedAndAddsNothing) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "a.txt", 10), 1);  // outside zlib's 1 to 9
    EXPECT_NE(p.LastError.find("level 10"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.FileCount(), 0);
}

TEST_F(PackageSession, GetFileNumberIgnoresLetterCase) {
    WriteFile(dir / "a.txt", "1");
    WriteFile(dir / "\xC3\x84rger.txt", "2");  // Ärger.txt
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "\xC3\x84rger.txt"), 0);
    p.LastError = "left alone";
    EXPECT_EQ(p.GetFileNumber("A.TXT"), 1);
    EXPECT_EQ(p.GetFileNumber("a.txt"), 1);
    EXPECT_EQ(p.GetFileNumber("\xC3\xA4RGER.TXT"), 2);  // äRGER.TXT
    EXPECT_EQ(p.GetFileNumber("nothere.txt"), 0);
    EXPECT_EQ(p.GetFileNumber(""), 0);
    EXPECT_EQ(p.LastError, "left alone");
}

TEST_F(PackageSession, DeleteFileRenumbers) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.DeleteFile(1), 0);
    EXPECT_EQ(p.FileCount(), 2);
    EXPECT_EQ(p.GetFileName(1), "b.txt");
    EXPECT_EQ(p.GetFileName(2), "c.txt");
    EXPECT_EQ(p.GetFileData(2), (Bytes{'C', 'C', 'C'}));
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(pkg), 0);
    EXPECT_EQ(p.FileCount(), 2);
    EXPECT_EQ(p.GetFileName(1), "b.txt");
    EXPECT_EQ(p.GetFileData(1), (Bytes{'B', 'B'}));
    EXPECT_EQ(SlotCountOf(ReadFile(pkg)), 3u);
}

TEST_F(PackageSession, DeleteFileOutsideTheRangeIsRefused) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    for (int32_t n : {0, -1, 4, 1000}) {
        p.LastError.clear();
        EXPECT_EQ(p.DeleteFile(n), 0);
        EXPECT_EQ(p.LastError, "Invalid file number");
        EXPECT_EQ(p.FileCount(), 3);
    }
}

TEST_F(PackageSession, DeleteFileDropsASpareSlot) {
    WriteFile(dir / "a.txt", "A");
    WriteFile(dir / "b.txt", "B");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "b.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "missing"), 1);  // grows a spare slot 3
    ASSERT_EQ(p.DeleteFile(1), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(SlotCountOf(ReadFile(dir / "p.stuf")), 2u);  // slot 0 and b.txt
}

TEST_F(PackageSession, DeleteDoublesKeepsTheLastCopy) {
    std::filesystem::create_directory(dir / "first");
    std::filesystem::create_directory(dir / "second");
    WriteFile(dir / "first/a.txt", "old");
    WriteFile(dir / "b.txt", "b");
    WriteFile(dir / "second/a.txt", "new");
    WriteFile(dir / "A.txt", "upper");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "first/a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "b.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "second/a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "A.txt"), 0);
    ASSERT_EQ(p.DeleteDoubles(), 0);
    ASSERT_EQ(p.FileCount(), 3);
    EXPECT_EQ(p.GetFileName(1), "b.txt");
    EXPECT_EQ(p.GetFileName(2), "a.txt");
    EXPECT_EQ(p.GetFileData(2), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(p.GetFileName(3), "A.txt") << "names that differ in case both stay";
    EXPECT_EQ(p.GetFileNumber("A.TXT"), 2);
}

TEST_F(PackageSession, DeleteDoublesMatchesTheRestartingScan) {
    // Names x y x z y x: the original deletes 1 (x), then y, then x again, leaving z y x.
    const std::vector<std::string> order = {"x", "y", "x", "z", "y", "x"};
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (size_t i = 0; i < order.size(); ++i) {
        std::filesystem::create_directory(dir / std::to_string(i));
        WriteFile(dir / std::to_string(i) + "/" + order[i], std::to_string(i));
        ASSERT_EQ(p.AddFile(dir / std::to_string(i) + "/" + order[i]), 0);
    }
    ASSERT_EQ(p.DeleteDoubles(), 0);
    ASSERT_EQ(p.FileCount(), 3);
    EXPECT_EQ(p.GetFileName(1), "z");
    EXPECT_EQ(p.GetFileName(2), "y");
    EXPECT_EQ(p.GetFileName(3), "x");
    EXPECT_EQ(p.GetFileData(2), (Bytes{'4'}));
    EXPECT_EQ(p.GetFileData(3), (Bytes{'5'}));
}

TEST_F(PackageSession, GettersCheckOnlyTheLowerBound) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    p.LastError.clear();
    EXPECT_EQ(p.GetFileName(0), "");
    EXPECT_EQ(p.LastError, "Invalid file number");
    p.LastError.clear();
    EXPECT_EQ(p.GetFileSize(-2), 0);
    EXPECT_EQ(p.LastError, "Invalid file number");
    p.LastError.clear();
    EXPECT_EQ(p.GetCompressedSize(0), 0);
    EXPECT_EQ(p.LastError, "Invalid file number");
    p.LastError.clear();
    EXPECT_EQ(p.IsCompressed(0), 0);
    EXPECT_EQ(p.LastError, "Invalid file number");
    // Beyond the last slot: a trapped failure with its own text.
    p.LastError.clear();
    EXPECT_EQ(p.GetFileName(4), "");
    EXPECT_NE(p.LastError.find("out of range"), std::string::npos) << p.LastError;
    p.LastError.clear();
    EXPECT_EQ(p.GetFileSize(4), 0);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_EQ(p.GetFileSize(3), 3);
    EXPECT_EQ(p.GetCompressedSize(3), 3);
}

TEST_F(PackageSession, GetFileDataIsNotRangeChecked) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    p.LastError.clear();
    EXPECT_TRUE(p.GetFileData(0).empty());  // slot 0's empty array
    EXPECT_EQ(p.LastError, "");
    EXPECT_TRUE(p.GetFileData(-1).empty());
    EXPECT_FALSE(p.LastError.empty());
    p.LastError.clear();
    EXPECT_TRUE(p.GetFileData(4).empty());
    EXPECT_FALSE(p.LastError.empty());
}

TEST_F(PackageSession, LastErrorIsNeverCleared) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    WriteFile(dir / "a.txt", "a");
    EXPECT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.GetFileData(1), (Bytes{'a'}));
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.LastError, "Cannot find source file");
}

TEST_F(PackageSession, StartSessionEndsAModifiedSessionFirst) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "first.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.StartSession(dir / "second.stuf"), 0);
    EXPECT_EQ(ReadFile(dir / "first.stuf"), Example2());
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_FALSE(Exists(dir / "second.stuf"));
}

TEST_F(PackageSession, FailedWriteKeepsTheSessionOpenAndModified) {
    WriteFile(dir / "a.txt", "abc");
    const std::string pkg = dir / "later/p.stuf";  // its folder does not exist yet
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    p.LastError.clear();
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("p.stuf"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.Session, -1);
    EXPECT_EQ(p.FileCount(), 1);
    std::filesystem::create_directory(dir / "later");
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(ReadFile(pkg), Example2());
    EXPECT_EQ(Listing(dir / "later"), std::vector<std::string>{"p.stuf"}) << "no temporary file";
}

TEST_F(PackageSession, SourceThatChangedAfterAddingFailsTheWriteClearly) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    WriteFile(dir / "a.txt", "abcdef");
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("changed after it was added"), std::string::npos) << p.LastError;
    EXPECT_FALSE(Exists(dir / "p.stuf"));
    EXPECT_EQ(p.Session, -1);
    WriteFile(dir / "a.txt", "xyz");  // the same size again
    ASSERT_EQ(p.SetDescription("D"), 0);
    EXPECT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.GetFileData(1), (Bytes{'x', 'y', 'z'}));
}

TEST_F(PackageSession, ReadEntriesSurviveARewriteOfTheirOwnPackage) {
    const std::string pkg = MakeThree();
    WriteFile(dir / "d.txt", "DDDD");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.AddFile(dir / "d.txt", 6), 0);
    ASSERT_EQ(p.DeleteFile(2), 0);
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.FileCount(), 3);
    EXPECT_EQ(p.GetFileData(1), (Bytes{'A'}));
    EXPECT_EQ(p.GetFileData(2), (Bytes{'C', 'C', 'C'}));
    EXPECT_EQ(p.GetFileData(3), (Bytes{'D', 'D', 'D', 'D'}));
    EXPECT_EQ(Listing(dir.Path()),
              (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt", "three.stuf"}));
}

TEST_F(PackageSession, PackageReplacedBehindTheSessionIsNoticed) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    WriteFile(pkg, Example2());  // someone else rewrites the file
    p.LastError.clear();
    EXPECT_TRUE(p.GetFileData(1).empty());
    EXPECT_NE(p.LastError.find("changed"), std::string::npos) << p.LastError;
    ASSERT_EQ(p.SetDescription("x"), 0);
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_EQ(ReadFile(pkg), Example2()) << "the other writer's file is left alone";
}

TEST_F(PackageSession, FailedStartLeavesNoSession) {
    WriteFile(dir / "bad.stuf", Bytes{0x01});
    cSTUF20 p;
    EXPECT_EQ(p.StartSession(dir / "bad.stuf"), 1);
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(p.Format, "");
    EXPECT_EQ(p.FileCount(), 0);
    std::filesystem::create_directory(dir / "folder.stuf");
    p.LastError.clear();
    EXPECT_EQ(p.StartSession(dir / "folder.stuf"), 1);
    EXPECT_NE(p.LastError.find("not a regular file"), std::string::npos) << p.LastError;
}

TEST_F(PackageSession, DescriptionLimit) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.SetDescription(std::string(65535, 'x')), 0);
    EXPECT_EQ(p.SetDescription(std::string(65536, 'x')), 1);
    EXPECT_FALSE(p.LastError.empty());
    EXPECT_EQ(p.GetDescription().size(), 65535u);
}
