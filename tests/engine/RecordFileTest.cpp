// The .vw3 record file: exact bytes, round trips, and damaged files.

#include <gtest/gtest.h>

#include "Error.h"
#include "RecordFile.h"
#include "TempDir.h"

using namespace modVW;

namespace {

// Payload "abc" (enciphered bytes as given), password of 5 codes, name "a.txt",
// and the table that reverses 1..255.
EncryptedRecord Sample() {
    EncryptedRecord r;
    r.Data = {0x10, 0x20, 0x30};
    r.Password = {0, 1, 2, 3, 4, 5};
    r.SourceKind = 1;
    r.SourceName = "a.txt";
    for (int i = 1; i < 256; ++i)
        r.Table[i] = static_cast<int16_t>(256 - i);
    return r;
}

std::vector<uint8_t> U16(uint16_t v) {
    return {uint8_t(v), uint8_t(v >> 8)};
}
std::vector<uint8_t> U32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The bytes of Sample(), written out field by field by hand.
std::vector<uint8_t> SampleBytes() {
    std::vector<uint8_t> b;
    Append(b, U16(1));              // payload: 1 dimension
    Append(b, U32(3));              //          3 elements
    Append(b, U32(0));              //          lower bound 0
    Append(b, {0x10, 0x20, 0x30});  // offsets 10..12
    Append(b, U16(1));              // password: 1 dimension
    Append(b, U32(6));              //           L + 1 = 6 elements
    Append(b, U32(0));
    Append(b, {0, 1, 2, 3, 4, 5});         // the 0 byte at 23, codes at 24..28
    Append(b, U16(1));                     // SourceKind at 29
    Append(b, U16(5));                     // name length at 31
    Append(b, {'a', '.', 't', 'x', 't'});  // 33..37
    const EncryptedRecord r = Sample();
    for (int16_t e : r.Table)
        Append(b, U16(static_cast<uint16_t>(e)));  // 38..549
    return b;
}

}  // namespace

TEST(RecordFile, WritesTheExactLayout) {
    TempDir dir;
    WriteRecord(dir / "x.vw3", Sample());
    const auto bytes = ReadFile(dir / "x.vw3");
    EXPECT_EQ(bytes.size(), 550u);
    EXPECT_EQ(bytes, SampleBytes());
    EXPECT_EQ(ReadRecord(dir / "x.vw3"), Sample());
}

TEST(RecordFile, SmallestRecordIs538Bytes) {
    TempDir dir;
    EncryptedRecord r = Sample();
    r.Data.clear();
    r.Password = {0, 9};
    r.SourceName.clear();
    WriteRecord(dir / "x.vw3", r);
    const auto bytes = ReadFile(dir / "x.vw3");
    ASSERT_EQ(bytes.size(), 538u);
    EXPECT_EQ(bytes[10], 1) << "password header follows at offset 10";
    EXPECT_EQ(ReadRecord(dir / "x.vw3"), r);
}

TEST(RecordFile, WritingOverALongerFileKeepsItsTail) {
    TempDir dir;
    WriteFile(dir / "x.vw3", std::vector<uint8_t>(600, 0xEE));
    WriteRecord(dir / "x.vw3", Sample());
    const auto bytes = ReadFile(dir / "x.vw3");
    ASSERT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes[549], SampleBytes()[549]);
    EXPECT_EQ(bytes[550], 0xEE);
    EXPECT_EQ(ReadRecord(dir / "x.vw3"), Sample());
}

TEST(RecordFile, NonUnitKindsReadBack) {
    TempDir dir;
    for (int16_t kind : {0, 3, -1}) {
        EncryptedRecord r = Sample();
        r.SourceKind = kind;
        WriteRecord(dir / "k.vw3", r);
        EXPECT_EQ(ReadRecord(dir / "k.vw3").SourceKind, kind);
    }
}

TEST(RecordFile, TruncationAtEveryOffsetIsAClearError) {
    TempDir dir;
    const auto full = SampleBytes();
    for (size_t len = 0; len < full.size(); ++len) {
        WriteFile(dir / "t.vw3", std::vector<uint8_t>(full.begin(), full.begin() + len));
        try {
            ReadRecord(dir / "t.vw3");
            FAIL() << "a record cut at " << len << " bytes was accepted";
        } catch (const vw::Error& e) {
            EXPECT_EQ(e.Number(), 62) << len;
            EXPECT_NE(e.Description().find("t.vw3"), std::string::npos);
        }
    }
}

TEST(RecordFile, AbsurdHeadersAreClearErrors) {
    TempDir dir;
    struct Case {
        const char* why;
        size_t offset;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"payload with 2 dimensions", 0, U16(2)},
        {"payload with 0 dimensions", 0, U16(0)},
        {"payload count of 4 GiB - 1 (negative as signed)", 2, U32(0xFFFFFFFF)},
        {"payload count of 2 GiB - 1, more than the file", 2, U32(0x7FFFFFFF)},
        {"payload lower bound 1", 6, U32(1)},
        {"password count larger than the file", 15, U32(100000)},
    };
    for (const auto& c : cases) {
        auto bytes = SampleBytes();
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + c.offset);
        WriteFile(dir / "bad.vw3", bytes);
        EXPECT_THROW(ReadRecord(dir / "bad.vw3"), vw::Error) << c.why;
    }
}

TEST(RecordFile, MissingFileIsError53) {
    TempDir dir;
    try {
        ReadRecord(dir / "none.vw3");
        FAIL();
    } catch (const vw::Error& e) {
        EXPECT_EQ(e.Number(), 53);
    }
}
