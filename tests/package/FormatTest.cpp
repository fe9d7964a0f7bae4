// The STUF20 file format byte for byte: the two worked examples, the
// rewrite of a package read from elsewhere, spare slots and reserved fields.

#include <gtest/gtest.h>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

// Reads a 32-bit little-endian value at `at`.
uint32_t U32At(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST(PackageFormat, EmptyPackageIsExample1) {
    TempDir dir;
    const std::string pkg = dir / "empty.stuf";
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.SetDescription(""), 0);  // marks the session modified, changes nothing
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes written = ReadFile(pkg);
    EXPECT_EQ(written.size(), 58u);
    EXPECT_EQ(written, Example1());
    // Example 1 written out literally, as the format gives it.
    Bytes literal = {0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    literal.insert(literal.end(), 22, 0x00);
    literal.insert(literal.end(), {0x00, 0x00, 0x00, 0x00});
    literal.insert(literal.end(), {0x06, 0x00, 0x53, 0x54, 0x55, 0x46, 0x32, 0x30});
    literal.insert(literal.end(), {0x00, 0x00, 0x00, 0x00});
    literal.insert(literal.end(), 8, 0x00);
    EXPECT_EQ(written, literal);
}

TEST(PackageFormat, OneStoredFileIsExample2) {
    TempDir dir;
    const std::string pkg = dir / "one.stuf";
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes b = ReadFile(pkg);
    ASSERT_EQ(b.size(), 97u);
    EXPECT_EQ(b, Example2());
    // The offsets of the worked example.
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 3), (Bytes{0x01, 0x00, 0x44}));
    EXPECT_EQ(U32At(b, 5), 2u);                                      // 2 slots
    EXPECT_EQ(Bytes(b.begin() + 13, b.begin() + 35), Bytes(22, 0));  // slot 0
    EXPECT_EQ(U32At(b, 37), 3u);                                     // 3 bytes of contents
    EXPECT_EQ(Bytes(b.begin() + 45, b.begin() + 48), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(Bytes(b.begin() + 48, b.begin() + 55), (Bytes{0x05, 0x00, 'a', '.', 't', 'x', 't'}));
    EXPECT_EQ(U32At(b, 55), 3u);  // FileSize
    EXPECT_EQ(U32At(b, 73), 1u);  // EntryCount at 73
    EXPECT_EQ(Bytes(b.begin() + 77, b.begin() + 85),
              (Bytes{0x06, 0x00, 'S', 'T', 'U', 'F', '2', '0'}));  // FormatTag at 77
}

TEST(PackageFormat, Example2ReadAndWrittenBackIsIdentical) {
    TempDir dir;
    const std::string pkg = dir / "ex2.stuf";
    WriteFile(pkg, Example2());
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    EXPECT_EQ(p.Format, "STUF20");
    EXPECT_EQ(p.GetDescription(), "D");
    EXPECT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.GetFileName(1), "a.txt");
    EXPECT_EQ(p.GetFileData(1), (Bytes{'a', 'b', 'c'}));
    ASSERT_EQ(p.SetDescription("D"), 0);  // modified, but the same contents
    const ino_t before = InodeOf(pkg);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_NE(InodeOf(pkg), before) << "a modified session writes a new file";
    EXPECT_EQ(ReadFile(pkg), Example2());
}

TEST(PackageFormat, GoldenFilesAreTheWorkedExamples) {
    // tests/data/packages holds the examples as files: seeds for later fuzzing.
    EXPECT_EQ(ReadFile(DataPath("example1-empty.stuf")), Example1());
    EXPECT_EQ(ReadFile(DataPath("example2-one-file.stuf")), Example2());
    for (const char* name :
         {"example1-empty.stuf", "example2-one-file.stuf", "example3-compressed.stuf"}) {
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(DataPath(name)), 0) << name << ": " << p.LastError;
        EXPECT_EQ(p.Format, "STUF20");
        EXPECT_EQ(p.EndSession(), 0);  // unchanged: nothing written
    }
}

TEST(PackageFormat, ReservedFieldsFromElsewhereSurviveARewrite) {
    // A package written by another program: every reserved field filled, a
    // Contents lower bound of 5, slot 0 holding bytes, and a spare slot behind
    // EntryCount that carries a name and bytes of its own.
    const Bytes foreign = PackageBytes()
                              .Text("desc")
                              .Table(3)
                              // slot 0: sized Contents "zz", a name, reserved texts and bytes
                              .U16(1)
                              .U32(2)
                              .I32(0)
                              .Raw({'z', 'z'})
                              .Text("zero")
                              .I32(2)
                              .U16(0)
                              .Text("r1")
                              .Text("r2")
                              .Raw({1, 2, 3, 4, 5, 6, 7, 8})
                              // slot 1: the one file, lower bound 5, reserved fields set
                              .U16(1)
                              .U32(3)
                              .I32(5)
                              .Raw({'x', 'y', 'z'})
                              .Text("f.bin")
                              .I32(3)
                              .U16(0)
                              .Text("slot-reserved-1")
                              .Text("slot-reserved-2")
                              .Raw({9, 9, 9, 9, 9, 9, 9, 9})
                              // slot 2: spare, ignored by every reader
                              .U16(1)
                              .U32(1)
                              .I32(0)
                              .Raw({'!'})
                              .Text("ghost.txt")
                              .I32(1)
                              .U16(0)
                              .Text("")
                              .Text("")
                              .Zeros(8)
                              .I32(1)  // EntryCount 1
                              .Text("STUF20")
                              .Text("header-r1")
                              .Text("header-r2")
                              .I32(-7)
                              .I32(123456789)  // reserved numbers
                              .Get();
    TempDir dir;
    const std::string pkg = dir / "foreign.stuf";
    WriteFile(pkg, foreign);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0) << p.LastError;
    EXPECT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.GetFileNumber("ghost.txt"), 0) << "the spare slot is not a file";
    EXPECT_EQ(p.GetFileData(1), (Bytes{'x', 'y', 'z'}));
    ASSERT_EQ(p.SetDescription("desc"), 0);
    ASSERT_EQ(p.EndSession(), 0) << p.LastError;
    EXPECT_EQ(ReadFile(pkg), foreign);
}

TEST(PackageFormat, SpareSlotsBehindEntryCountAreIgnored) {
    // Three slots, EntryCount 1: the third slot is not a file.
    const Bytes three = PackageBytes()
                            .Text("")
                            .Table(3)
                            .EmptySlot()
                            .Slot({'1'}, "one.txt", 1, 0)
                            .Slot({'2'}, "two.txt", 1, 0)
                            .Trailer(1)
                            .Get();
    TempDir dir;
    WriteFile(dir / "p.stuf", three);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.GetFileNumber("two.txt"), 0);
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"one.txt"});
}

TEST(PackageFormat, ZeroByteFileHasASizedEmptyContents) {
    TempDir dir;
    WriteFile(dir / "empty.dat", Bytes{});
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "empty.dat"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes expected = PackageBytes()
                               .Text("")
                               .Table(2)
                               .EmptySlot()
                               // 1 dimension, element count 0, lower bound 0, then the name at once
                               .U16(1)
                               .U32(0)
                               .I32(0)
                               .Text("empty.dat")
                               .I32(0)
                               .U16(0)
                               .Text("")
                               .Text("")
                               .Zeros(8)
                               .Trailer(1)
                               .Get();
    EXPECT_EQ(ReadFile(dir / "p.stuf"), expected);
}

TEST(PackageFormat, CompressedEntryOnDisk) {
    TempDir dir;
    const Bytes content = SampleBytes(4000);
    WriteFile(dir / "c.txt", content);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "c.txt", 9), 0);
    const int32_t stored = p.GetCompressedSize(1);
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes b = ReadFile(dir / "p.stuf");
    // Slot 1 starts at 2 + 10 + 22 = 34: dimension 1, count, lower bound 0.
    EXPECT_EQ(b[34], 1);
    EXPECT_EQ(U32At(b, 36), static_cast<uint32_t>(stored));
    const size_t after = 44 + stored;  // then the name, FileSize and FF FF
    EXPECT_EQ(b[44], 0x78);            // the zlib header begins Contents
    EXPECT_EQ(Bytes(b.begin() + after, b.begin() + after + 7),
              (Bytes{0x05, 0x00, 'c', '.', 't', 'x', 't'}));
    EXPECT_EQ(U32At(b, after + 7), 4000u);
    EXPECT_EQ(b[after + 11], 0xFF);
    EXPECT_EQ(b[after + 12], 0xFF);
}

TEST(PackageFormat, EqualNamesStayTwoEntries) {
    TempDir dir;
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.FileCount(), 2);
    EXPECT_EQ(p.GetFileName(1), p.GetFileName(2));
}

TEST(PackageFormat, TableWithoutSizeReadsAsEmpty) {
    // Description, then an entry table with 0 dimensions (no slot at all), then
    // EntryCount 0 and the usual trailer.
    const Bytes noTable = PackageBytes().Text("").U16(0).Trailer(0).Get();
    TempDir dir;
    WriteFile(dir / "p.stuf", noTable);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_TRUE(p.GetFileData(0).empty());
    EXPECT_FALSE(p.LastError.empty()) << "slot 0 does not exist in a table without size";
    ASSERT_EQ(p.SetDescription(""), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), noTable);  // written back as it was
    WriteFile(dir / "a.txt", "abc");
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0) << p.LastError;
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
}

TEST(PackageFormat, BytesAfterTheLastFieldAreNeverRead) {
    Bytes withTail = Example2();
    withTail.insert(withTail.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    TempDir dir;
    WriteFile(dir / "p.stuf", withTail);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.FileCount(), 1);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
}

TEST(PackageFormat, NamesAndDescriptionAreWindows1252) {
    TempDir dir;
    WriteFile(dir / "caf\xC3\xA9.txt", "x");  // café.txt in UTF-8 on disk
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
    EXPECT_EQ(p.GetFileNumber("CAF\xC3\x89.TXT"), 1);  // CAFÉ.TXT
}

TEST(PackageFormat, FormatTagIsPublishedNotChecked) {
    const Bytes other = PackageBytes()
                            .Text("")
                            .Table(1)
                            .EmptySlot()
                            .I32(0)
                            .Text("OTHER")
                            .Text("")
                            .Text("")
                            .I32(0)
                            .I32(0)
                            .Get();
    TempDir dir;
    WriteFile(dir / "p.stuf", other);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.Format, "OTHER");
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Format, "");
}
