// The STUF20 file format byte for byte: the two worked examples, the rewrite of a
// package read from elsewhere, unusual tables, and the text encoding.

#include <gtest/gtest.h>

#include "EntryCompression.h"
#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

TEST(PackageFormat, EmptyPackageIsExample1) {
    TempDir dir;
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.SetDescription(""), 0);  // marks the session modified, changes nothing
    ASSERT_EQ(p.EndSession(), 0);
    // The 58 bytes written out literally, so that the builder is checked as well.
    Bytes literal = {0x00, 0x00,                              // Description ""
                     0x01, 0x00, 0x01, 0, 0, 0, 0, 0, 0, 0};  // 1 dimension, 1 slot, from 0
    literal.insert(literal.end(), 22, 0x00);                  // slot 0
    literal.insert(literal.end(), {0, 0, 0, 0, 0x06, 0x00, 'S', 'T', 'U', 'F', '2', '0'});
    literal.insert(literal.end(), 12, 0x00);  // two empty texts, two zero numbers
    EXPECT_EQ(ReadFile(dir / "p.stuf"), literal);
    EXPECT_EQ(Example1(), literal);
}

TEST(PackageFormat, OneStoredFileIsExample2) {
    TempDir dir;
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    const Bytes b = ReadFile(dir / "p.stuf");
    ASSERT_EQ(b.size(), 97u);
    EXPECT_EQ(b, Example2());
    // The offsets of the worked example.
    const struct {
        size_t at;
        Bytes bytes;
    } fields[] = {
        {0, {0x01, 0x00, 'D'}},                                   // Description
        {5, {2, 0, 0, 0}},                                        // 2 slots
        {13, Bytes(22, 0)},                                       // slot 0
        {37, {3, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c'}},            // 3 bytes from 0, the bytes
        {48, {5, 0, 'a', '.', 't', 'x', 't', 3, 0, 0, 0, 0, 0}},  // name, FileSize, stored
        {73, {1, 0, 0, 0, 6, 0, 'S', 'T', 'U', 'F', '2', '0'}},   // EntryCount, FormatTag
    };
    for (const auto& f : fields)
        EXPECT_EQ(Bytes(b.begin() + f.at, b.begin() + f.at + f.bytes.size()), f.bytes) << f.at;
}

// Bytes behind the last field are never read, and a rewrite drops them.
TEST(PackageFormat, Example2ReadAndWrittenBack) {
    TempDir dir;
    Bytes withTail = Example2();
    withTail.insert(withTail.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    WriteFile(dir / "p.stuf", withTail);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
    EXPECT_EQ(p.GetDescription(), "D");
    ASSERT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.GetFileName(1), "a.txt");
    EXPECT_EQ(p.GetFileData(1), B("abc"));
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
}

TEST(PackageFormat, ForeignFieldsSurviveARewrite) {
    // A package written by another program: every reserved field filled, slot 0
    // holding bytes, a Contents lower bound of 5, a spare slot behind EntryCount
    // with a name and bytes of its own, and a FormatTag that is not STUF20.
    PackageBytes b;
    b.Text("desc").Table(3);
    b.Contents(B("zz")).Text("zero").I32(2).U16(0).Text("r1").Text("r2");  // slot 0
    b.Raw({1, 2, 3, 4, 5, 6, 7, 8});
    b.U16(1).I32(3).I32(5).Raw(B("xyz")).Text("f.bin").I32(3).U16(0);  // slot 1, from 5
    b.Text("slot-reserved-1").Text("slot-reserved-2").Raw({9, 9, 9, 9, 9, 9, 9, 9});
    b.Slot(B("!"), "ghost.txt", 1, 0);  // slot 2: spare
    b.I32(1).Text("OTHER").Text("header-r1").Text("header-r2").I32(-7).I32(123456789);
    const Bytes foreign = b;
    TempDir dir;
    WriteFile(dir / "p.stuf", foreign);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
    EXPECT_EQ(p.Format, "OTHER");  // published, not checked
    EXPECT_EQ(p.FileCount(), 1);
    EXPECT_EQ(p.GetFileNumber("ghost.txt"), 0) << "the spare slot is not a file";
    EXPECT_EQ(p.GetFileData(1), B("xyz"));
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    EXPECT_EQ(Listing(dir / "out"), std::vector<std::string>{"f.bin"});
    ASSERT_EQ(p.SetDescription("desc"), 0);
    ASSERT_EQ(p.EndSession(), 0) << p.LastError;
    EXPECT_EQ(p.Format, "");
    EXPECT_EQ(ReadFile(dir / "p.stuf"), foreign);
}

TEST(PackageFormat, ZeroByteFileHasASizedEmptyContents) {
    TempDir dir;
    WriteFile(dir / "empty.dat", "");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "empty.dat"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    // 1 dimension and element count 0, not the 0 dimensions of an unsized array.
    EXPECT_EQ(
        ReadFile(dir / "p.stuf"),
        Bytes(PackageBytes().Text("").Table(2).EmptySlot().Slot({}, "empty.dat", 0, 0).Trailer(1)));
}

TEST(PackageFormat, CompressedEntryOnDisk) {
    TempDir dir;
    Bytes stream = SampleBytes(4000);
    WriteFile(dir / "c.txt", stream);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "c.txt", 9), 0);
    ASSERT_EQ(p.EndSession(), 0);
    // Contents hold the zlib stream, FileSize the original length, Compressed is FF FF.
    vw::stuf::CompressEntryData(stream, 9);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Bytes(PackageBytes()
                                                  .Text("")
                                                  .Table(2)
                                                  .EmptySlot()
                                                  .Slot(stream, "c.txt", 4000, -1)
                                                  .Trailer(1)));
}

TEST(PackageFormat, TableWithoutSizeReadsAsEmpty) {
    // Description, an entry table of 0 dimensions (no slot at all), the trailer.
    const Bytes noTable = PackageBytes().Text("").U16(0).Trailer(0);
    TempDir dir;
    WriteFile(dir / "p.stuf", noTable);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0) << p.LastError;
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_TRUE(p.GetFileData(0).empty());
    EXPECT_FALSE(p.LastError.empty()) << "slot 0 does not exist in a table without size";
    ASSERT_EQ(p.SetDescription(""), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), noTable);
    // Adding a file gives the table its slot 0 and slot 1.
    WriteFile(dir / "a.txt", "abc");
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0) << p.LastError;
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
}

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
    // The description's limit counts bytes in the file: 65,535 euro signs fit.
    std::string euros;
    for (int i = 0; i < 65535; ++i)
        euros += "\xE2\x82\xAC";
    EXPECT_EQ(p.SetDescription(euros), 0);
    EXPECT_EQ(p.SetDescription(euros + "x"), 1);
    EXPECT_NE(p.LastError.find("65,535"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.GetDescription(), euros);
}
