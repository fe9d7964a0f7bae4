// Broken and hostile packages: every one must fail StartSession (or the one
// operation that needs the damaged part) with a clear LastError; never a crash,
// never an allocation of the size a damaged count claims.
//
// The files in tests/data/packages are these byte strings written out; they are
// seeds for later fuzzing. Set VW_WRITE_PACKAGE_DATA=1 to write them anew.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// Example 2 cut short after its first 50 bytes: inside slot 1's name.
Bytes Truncated() {
    const Bytes full = Example2();
    return Bytes(full.begin(), full.begin() + 50);
}

// 100 bytes claiming 65,535 slots. Each slot takes at least 22 bytes, so the
// count is refused before anything is reserved.
Bytes AbsurdSlotCount() {
    return PackageBytes().Text("").Table(65535).Zeros(100 - 12).Get();
}

// An entry table of 2 dimensions, which this format never has.
Bytes TableOfTwoDimensions() {
    return PackageBytes().Text("").U16(2).U32(1).I32(0).U32(1).I32(0).EmptySlot().Trailer(0).Get();
}

// Slot 1's Contents claim 3 dimensions.
Bytes EntryOfThreeDimensions() {
    return PackageBytes().Text("").Table(2).EmptySlot().U16(3).Zeros(40).Trailer(1).Get();
}

// Slot 1 claims 0x7FFFFFF0 bytes of Contents in a file of about 60 bytes.
Bytes EntryLongerThanTheFile() {
    return PackageBytes()
        .Text("")
        .Table(2)
        .EmptySlot()
        .U16(1)
        .U32(0x7FFFFFF0)
        .I32(0)
        .Raw({'a', 'b', 'c'})
        .Text("a.txt")
        .I32(3)
        .U16(0)
        .Text("")
        .Text("")
        .Zeros(8)
        .Trailer(1)
        .Get();
}

// EntryCount 5 with a table of 2 slots.
Bytes EntryCountBeyondTheTable() {
    return PackageBytes().Text("").Table(2).EmptySlot().Slot({'a'}, "a", 1, 0).Trailer(5).Get();
}

// EntryCount -1.
Bytes NegativeEntryCount() {
    return PackageBytes().Text("").Table(1).EmptySlot().Trailer(-1).Get();
}

// An entry table that starts at slot 1 instead of slot 0.
Bytes TableStartingAtOne() {
    return PackageBytes().Text("").U16(1).U32(1).I32(1).EmptySlot().Trailer(0).Get();
}

// One entry flagged compressed (FF FF) whose Contents are not a zlib stream.
Bytes CompressedThatDoesNotExpand() {
    return PackageBytes()
        .Text("")
        .Table(2)
        .EmptySlot()
        .Slot({0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x11}, "z.txt", 100, -1)
        .Trailer(1)
        .Get();
}

// A valid zlib stream of 8 bytes (an empty file) whose FileSize claims 2 GiB.
Bytes CompressedWithAbsurdSize() {
    return PackageBytes()
        .Text("")
        .Table(2)
        .EmptySlot()
        .Slot({0x78, 0xDA, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01}, "z.txt", 0x7FFFFFFF, -1)
        .Trailer(1)
        .Get();
}

// A package whose only entry is named "../escape.txt".
Bytes HostileName() {
    return PackageBytes()
        .Text("")
        .Table(2)
        .EmptySlot()
        .Slot({'x'}, "../escape.txt", 1, 0)
        .Trailer(1)
        .Get();
}

struct Broken {
    const char* file;
    Bytes (*make)();
    const char* expected;  // part of LastError after StartSession; nullptr: it starts
};

const Broken kBroken[] = {
    {"broken-truncated.stuf", Truncated, "is damaged"},
    {"broken-absurd-slot-count.stuf", AbsurdSlotCount, "claims 65535 slots"},
    {"broken-table-dimensions.stuf", TableOfTwoDimensions, "2 dimensions"},
    {"broken-entry-dimensions.stuf", EntryOfThreeDimensions, "3 dimensions"},
    {"broken-entry-length.stuf", EntryLongerThanTheFile, "an entry's contents"},
    {"broken-entry-count.stuf", EntryCountBeyondTheTable, "holds 5 files"},
    {"broken-negative-entry-count.stuf", NegativeEntryCount, "holds -1 files"},
    {"broken-table-lower-bound.stuf", TableStartingAtOne, "starts at slot 1"},
    {"broken-compressed.stuf", CompressedThatDoesNotExpand, nullptr},
    {"broken-compressed-size.stuf", CompressedWithAbsurdSize, nullptr},
    {"hostile-name.stuf", HostileName, nullptr},
};

}  // namespace

TEST(BrokenPackage, EveryTruncationOfExample2Fails) {
    const Bytes full = Example2();
    TempDir dir;
    for (size_t length = 0; length < full.size(); ++length) {
        WriteFile(dir / "cut.stuf", Bytes(full.begin(), full.begin() + length));
        cSTUF20 p;
        p.LastError.clear();
        EXPECT_EQ(p.StartSession(dir / "cut.stuf"), 1) << "cut at " << length;
        // Either the reader runs out of bytes or a count is refused against what remains.
        EXPECT_NE(p.LastError.find("cut.stuf' is damaged"), std::string::npos)
            << "cut at " << length << ": " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

TEST(BrokenPackage, EachFailsStartSessionWithAClearText) {
    TempDir dir;
    for (const Broken& b : kBroken) {
        if (!b.expected) continue;
        WriteFile(dir / b.file, b.make());
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / b.file), 1) << b.file;
        EXPECT_NE(p.LastError.find(b.expected), std::string::npos) << b.file << ": " << p.LastError;
        EXPECT_NE(p.LastError.find(b.file), std::string::npos) << "names the file: " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

TEST(BrokenPackage, AbsurdSlotCountFailsFast) {
    TempDir dir;
    WriteFile(dir / "p.stuf", AbsurdSlotCount());
    ASSERT_EQ(AbsurdSlotCount().size(), 100u);
    const auto start = std::chrono::steady_clock::now();
    cSTUF20 p;
    EXPECT_EQ(p.StartSession(dir / "p.stuf"), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_NE(p.LastError.find("at least 22"), std::string::npos) << p.LastError;
}

TEST(BrokenPackage, DamagedCompressedEntryFailsTheOneOperation) {
    for (auto make : {CompressedThatDoesNotExpand, CompressedWithAbsurdSize}) {
        TempDir dir;
        WriteFile(dir / "p.stuf", make());
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
        EXPECT_EQ(p.FileCount(), 1);
        EXPECT_EQ(p.IsCompressed(1), -1);
        p.LastError.clear();
        EXPECT_TRUE(p.GetFileData(1).empty());
        EXPECT_NE(p.LastError.find("Compressed entry 1 \"z.txt\" is damaged"), std::string::npos)
            << p.LastError;
        p.LastError.clear();
        EXPECT_EQ(p.ExtractFile(1, dir / "out.txt"), 1);
        EXPECT_NE(p.LastError.find("Compressed entry 1 \"z.txt\" is damaged"), std::string::npos)
            << p.LastError;
        EXPECT_FALSE(Exists(dir / "out.txt"));
        // The rest of the package still works, and a rewrite keeps the entry as it was.
        EXPECT_EQ(p.GetFileName(1), "z.txt");
        ASSERT_EQ(p.SetDescription(""), 0);
        ASSERT_EQ(p.EndSession(), 0);
        EXPECT_EQ(ReadFile(dir / "p.stuf"), make());
    }
}

TEST(BrokenPackage, FileThatIsNotAPackageNeverCrashes) {
    // Arbitrary bytes either fail while read or read as a package with odd fields.
    TempDir dir;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Bytes junk = SampleBytes(seed * 7 % 300, seed);
        for (size_t i = 0; i < junk.size(); i += 5)
            junk[i] = static_cast<uint8_t>(seed * i);
        WriteFile(dir / "junk", junk);
        cSTUF20 p;
        if (p.StartSession(dir / "junk") == 0) {
            for (int32_t i = 0; i <= p.FileCount() + 1; ++i)
                p.GetFileData(i);
            p.ExtractPackage(dir / "out");
            p.EndSession();
        } else {
            EXPECT_FALSE(p.LastError.empty());
        }
    }
}

TEST(BrokenPackage, DataFilesMatchTheBytesWrittenHere) {
    const bool write = std::getenv("VW_WRITE_PACKAGE_DATA") != nullptr;
    if (write) {
        WriteFile(DataPath("example1-empty.stuf"), Example1());
        WriteFile(DataPath("example2-one-file.stuf"), Example2());
    }
    for (const Broken& b : kBroken) {
        if (write) WriteFile(DataPath(b.file), b.make());
        EXPECT_EQ(ReadFile(DataPath(b.file)), b.make()) << b.file;
        cSTUF20 p;
        const int16_t started = p.StartSession(DataPath(b.file));
        EXPECT_EQ(started, b.expected ? 1 : 0) << b.file << ": " << p.LastError;
        if (started == 0) {
            TempDir dir;
            EXPECT_EQ(p.ExtractPackage(dir / "out"), 1) << b.file;
            EXPECT_FALSE(p.LastError.empty());
            EXPECT_EQ(p.EndSession(), 0);
        }
    }
}

TEST(BrokenPackage, CompressedExampleDataFile) {
    // example3-compressed.stuf: one file "abc.txt" holding "abc" 1000 times,
    // added with level 9 by this class.
    Bytes content;
    for (int i = 0; i < 1000; ++i)
        content.insert(content.end(), {'a', 'b', 'c'});
    if (std::getenv("VW_WRITE_PACKAGE_DATA")) {
        TempDir dir;
        WriteFile(dir / "abc.txt", content);
        ::unlink(DataPath("example3-compressed.stuf").c_str());
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(DataPath("example3-compressed.stuf")), 0);
        ASSERT_EQ(p.AddFile(dir / "abc.txt", 9), 0);
        ASSERT_EQ(p.EndSession(), 0);
    }
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(DataPath("example3-compressed.stuf")), 0) << p.LastError;
    ASSERT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.IsCompressed(1), -1);
    EXPECT_EQ(p.GetFileSize(1), 3000);
    EXPECT_EQ(p.GetFileData(1), content);
}
