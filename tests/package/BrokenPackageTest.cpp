// Broken and hostile packages: each fails StartSession, or the one operation that
// needs the damaged part, with a clear LastError; never a crash, never an allocation
// of the size a damaged count claims.
//
// The files in tests/data/packages are these byte strings written out, as seeds for
// fuzzing. Set VW_WRITE_PACKAGE_DATA=1 to write them anew.

#include <gtest/gtest.h>

#include <cstdlib>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// An empty description and a table of `slots` slots; the caller adds the rest.
PackageBytes Start(uint32_t slots) {
    return PackageBytes().Text("").Table(slots);
}

Bytes Cut(Bytes bytes, size_t length) {
    bytes.resize(length);
    return bytes;
}

// One entry flagged compressed (FF FF) whose Contents are not a zlib stream.
const Bytes kNotZlib =
    Start(2).EmptySlot().Slot({0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x11}, "z.txt", 100, -1).Trailer(1);

// A valid zlib stream of 8 bytes (an empty file) whose FileSize claims 2 GiB.
const Bytes kAbsurdSize =
    Start(2).EmptySlot().Slot({0x78, 0xDA, 3, 0, 0, 0, 0, 1}, "z.txt", 0x7FFFFFFF, -1).Trailer(1);

const struct {
    const char* file;
    Bytes bytes;
    const char* expected;  // part of LastError after StartSession; nullptr: it starts
} kBroken[] = {
    // Example 2 cut short after 50 bytes: inside slot 1's name.
    {"broken-truncated.stuf", Cut(Example2(), 50), "is damaged"},
    // 100 bytes claiming 65,535 slots of at least 22 bytes each: refused before
    // anything is reserved.
    {"broken-absurd-slot-count.stuf", Start(65535).Zeros(100 - 12), "claims 65535 slots"},
    // An entry table of 2 dimensions, which this format never has.
    {"broken-table-dimensions.stuf",
     PackageBytes().Text("").U16(2).I32(1).I32(0).I32(1).I32(0).EmptySlot().Trailer(0),
     "2 dimensions"},
    // Slot 1's Contents claim 3 dimensions.
    {"broken-entry-dimensions.stuf", Start(2).EmptySlot().U16(3).Zeros(40).Trailer(1),
     "3 dimensions"},
    // Slot 1 claims 0x7FFFFFF0 bytes of Contents "abc" in a file of about 60 bytes.
    {"broken-entry-length.stuf",
     Start(2)
         .EmptySlot()
         .U16(1)
         .I32(0x7FFFFFF0)
         .I32(0)
         .Raw(B("abc"))
         .Text("a.txt")
         .I32(3)
         .U16(0)
         .Text("")
         .Text("")
         .Zeros(8)
         .Trailer(1),
     "an entry's contents"},
    // EntryCount 5 with a table of 2 slots.
    {"broken-entry-count.stuf", Start(2).EmptySlot().Slot(B("a"), "a", 1, 0).Trailer(5),
     "holds 5 files"},
    {"broken-negative-entry-count.stuf", Start(1).EmptySlot().Trailer(-1), "holds -1 files"},
    // An entry table that starts at slot 1 instead of slot 0.
    {"broken-table-lower-bound.stuf",
     PackageBytes().Text("").U16(1).I32(1).I32(1).EmptySlot().Trailer(0), "starts at slot 1"},
    {"broken-compressed.stuf", kNotZlib, nullptr},
    {"broken-compressed-size.stuf", kAbsurdSize, nullptr},
    {"hostile-name.stuf", Start(2).EmptySlot().Slot(B("x"), "../escape.txt", 1, 0).Trailer(1),
     nullptr},
};

}  // namespace

TEST(BrokenPackage, EveryTruncationOfExample2Fails) {
    const Bytes full = Example2();
    TempDir dir;
    for (size_t length = 0; length < full.size(); ++length) {
        WriteFile(dir / "cut.stuf", Cut(full, length));
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / "cut.stuf"), 1) << "cut at " << length;
        // Either the reader runs out of bytes or a count is refused against what remains.
        EXPECT_NE(p.LastError.find("cut.stuf' is damaged"), std::string::npos)
            << "cut at " << length << ": " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

TEST(BrokenPackage, EachFailsStartSessionWithAClearText) {
    TempDir dir;
    for (const auto& b : kBroken) {
        if (!b.expected) continue;
        WriteFile(dir / b.file, b.bytes);
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / b.file), 1) << b.file;
        EXPECT_NE(p.LastError.find(b.expected), std::string::npos) << b.file << ": " << p.LastError;
        EXPECT_NE(p.LastError.find(b.file), std::string::npos) << "names the file: " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

// GetFileData, ExtractFile and ExtractPackage fail; a file already at the target is
// left as it was; the rest of the package works and a rewrite keeps the entry.
TEST(BrokenPackage, DamagedCompressedEntryFailsTheOneOperation) {
    for (const Bytes& bytes : {kNotZlib, kAbsurdSize}) {
        TempDir dir;
        WriteFile(dir / "p.stuf", bytes);
        std::filesystem::create_directory(dir / "out");
        WriteFile(dir / "out/z.txt", "previous");
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
        EXPECT_EQ(p.IsCompressed(1), -1);
        const std::string damaged = "Compressed entry 1 \"z.txt\" is damaged";
        EXPECT_TRUE(p.GetFileData(1).empty());
        EXPECT_NE(p.LastError.find(damaged), std::string::npos) << p.LastError;
        p.LastError.clear();
        EXPECT_EQ(p.ExtractFile(1, dir / "single"), 1);
        EXPECT_NE(p.LastError.find(damaged), std::string::npos) << p.LastError;
        EXPECT_FALSE(Exists(dir / "single"));
        p.LastError.clear();
        EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
        EXPECT_NE(p.LastError.find(damaged), std::string::npos) << p.LastError;
        EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"z.txt"});
        EXPECT_EQ(ReadFile(dir / "out/z.txt"), B("previous"));
        EXPECT_EQ(p.GetFileName(1), "z.txt");
        ASSERT_EQ(p.SetDescription(""), 0);
        ASSERT_EQ(p.EndSession(), 0);
        EXPECT_EQ(ReadFile(dir / "p.stuf"), bytes);
    }
}

TEST(BrokenPackage, DataFilesAreTheBytesBuiltHere) {
    // example3-compressed.stuf: "abc.txt" holding "abc" 1000 times, added at level 9.
    std::string abc;
    for (int i = 0; i < 1000; ++i)
        abc += "abc";
    if (std::getenv("VW_WRITE_PACKAGE_DATA")) {
        WriteFile(DataPath("example1-empty.stuf"), Example1());
        WriteFile(DataPath("example2-one-file.stuf"), Example2());
        for (const auto& b : kBroken)
            WriteFile(DataPath(b.file), b.bytes);
        TempDir dir;
        WriteFile(dir / "abc.txt", abc);
        std::filesystem::remove(DataPath("example3-compressed.stuf"));
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(DataPath("example3-compressed.stuf")), 0);
        ASSERT_EQ(p.AddFile(dir / "abc.txt", 9), 0);
        ASSERT_EQ(p.EndSession(), 0);
    }
    EXPECT_EQ(ReadFile(DataPath("example1-empty.stuf")), Example1());
    EXPECT_EQ(ReadFile(DataPath("example2-one-file.stuf")), Example2());
    for (const auto& b : kBroken) {
        EXPECT_EQ(ReadFile(DataPath(b.file)), b.bytes) << b.file;
        cSTUF20 p;
        const int16_t started = p.StartSession(DataPath(b.file));
        EXPECT_EQ(started, b.expected ? 1 : 0) << b.file << ": " << p.LastError;
        TempDir dir;
        EXPECT_TRUE(started != 0 || p.ExtractPackage(dir / "out") == 1) << b.file;
    }
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(DataPath("example3-compressed.stuf")), 0) << p.LastError;
    ASSERT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.IsCompressed(1), -1);
    EXPECT_EQ(p.GetFileData(1), B(abc));
}
