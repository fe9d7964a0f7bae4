// Entry compression: the capacity rule, compress2 and uncompress in one
// piece, the streaming inflater used by extraction, and every way they refuse.

#include <gtest/gtest.h>
#include <zlib.h>

#include "EntryCompression.h"
#include "Error.h"
#include "PackageTestSupport.h"

using namespace vw::stuf;
using pkgtest::Bytes;
using pkgtest::SampleBytes;

TEST(EntryCompression, CapacityIsTwoPointZeroOneTimesNPlusTwelve) {
    EXPECT_EQ(EntryCapacity(0), 12u);
    EXPECT_EQ(EntryCapacity(100), 213u);
    EXPECT_EQ(EntryCapacity(1000), 2022u);
    EXPECT_EQ(EntryCapacity(1), 14u);  // 2.01 + 12 = 14.01
    EXPECT_EQ(EntryCapacity(2147483647u), 4316442142u);
}

TEST(EntryCompression, RoundTripsAtLevelsOneSixNine) {
    const Bytes original = SampleBytes(100000);
    for (int16_t level : {1, 6, 9}) {
        Bytes data = original;
        CompressEntryData(data, level);
        EXPECT_LT(data.size(), original.size()) << "level " << level;
        // A zlib header: CMF 0x78, and (CMF << 8 | FLG) is a multiple of 31.
        ASSERT_GE(data.size(), 2u);
        EXPECT_EQ(data[0], 0x78);
        EXPECT_EQ(((data[0] << 8) | data[1]) % 31, 0);
        DecompressEntryData(data, static_cast<int32_t>(original.size()));
        EXPECT_EQ(data, original) << "level " << level;
    }
}

TEST(EntryCompression, IsExactlyOneCompress2Call) {
    const Bytes original = SampleBytes(5000);
    Bytes data = original;
    CompressEntryData(data, 6);
    Bytes expected(compressBound(original.size()));
    uLongf length = expected.size();
    ASSERT_EQ(compress2(expected.data(), &length, original.data(), original.size(), 6), Z_OK);
    expected.resize(length);
    EXPECT_EQ(data, expected);
}

TEST(EntryCompression, EmptyFileGivesAnEmptyZlibStream) {
    Bytes data;
    CompressEntryData(data, 9);
    EXPECT_EQ(data.size(), 8u);  // header 2, empty final block 2, Adler-32 4
    DecompressEntryData(data, 0);
    EXPECT_TRUE(data.empty());
}

TEST(EntryCompression, LevelOutsideZlibRangeFailsAndLeavesDataUnchanged) {
    const Bytes original = SampleBytes(100);
    Bytes data = original;
    try {
        CompressEntryData(data, 10);
        FAIL() << "level 10 was accepted";
    } catch (const vw::Error& e) {
        EXPECT_NE(e.Description().find("level 10"), std::string::npos) << e.Description();
    }
    EXPECT_EQ(data, original);
}

TEST(EntryCompression, DamagedStreamFailsAndLeavesDataUnchanged) {
    Bytes data = SampleBytes(2000);
    CompressEntryData(data, 6);
    data[data.size() / 2] ^= 0x55;  // a flipped byte breaks the data or its Adler-32
    const Bytes damaged = data;
    EXPECT_THROW(DecompressEntryData(data, 2000), vw::Error);
    EXPECT_EQ(data, damaged);
}

TEST(EntryCompression, RecordedSizeMustMatchExactly) {
    Bytes stream = SampleBytes(1000);
    CompressEntryData(stream, 6);
    Bytes data = stream;
    EXPECT_THROW(DecompressEntryData(data, 999), vw::Error);   // understated
    EXPECT_THROW(DecompressEntryData(data, 1001), vw::Error);  // overstated
    EXPECT_THROW(DecompressEntryData(data, -1), vw::Error);    // negative
    EXPECT_EQ(data, stream);
}

TEST(EntryCompression, AbsurdRecordedSizeFailsBeforeAllocating) {
    // Ten bytes of zlib stream cannot become 2 GiB; this must fail at once rather
    // than allocate the 4 GiB capacity.
    Bytes data = {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01, 0, 0};
    try {
        DecompressEntryData(data, 2147483647);
        FAIL();
    } catch (const vw::Error& e) {
        EXPECT_NE(e.Description().find("cannot expand"), std::string::npos) << e.Description();
    }
    EXPECT_EQ(MaxExpansion(10), 10u * 1040 + 1024);
}

TEST(EntryCompression, NothingIsNotAZlibStream) {
    Bytes data;
    EXPECT_THROW(DecompressEntryData(data, 0), vw::Error);
}

namespace {

// Feeds `stream` to an inflater in pieces of `piece` bytes and returns the output.
Bytes Inflate(const Bytes& stream, int32_t fileSize, size_t piece) {
    Bytes out;
    EntryInflater inflater(fileSize,
                           [&](const uint8_t* p, size_t n) { out.insert(out.end(), p, p + n); });
    for (size_t at = 0; at < stream.size(); at += piece)
        inflater.Feed(stream.data() + at, std::min(piece, stream.size() - at));
    inflater.Finish();
    return out;
}

}  // namespace

TEST(EntryInflater, StreamsTheSameBytesAsUncompress) {
    const Bytes original = SampleBytes(3 * 1024 * 1024 + 17);  // more than one output buffer
    Bytes stream = original;
    CompressEntryData(stream, 6);
    const auto size = static_cast<int32_t>(original.size());
    EXPECT_EQ(Inflate(stream, size, stream.size()), original);
    EXPECT_EQ(Inflate(stream, size, 1), Inflate(stream, size, 4096));
    EXPECT_EQ(Inflate(stream, size, 1), original);
}

TEST(EntryInflater, IgnoresBytesAfterTheStreamAsUncompressDoes) {
    const Bytes original = SampleBytes(500);
    Bytes stream = original;
    CompressEntryData(stream, 9);
    Bytes withTail = stream;
    withTail.insert(withTail.end(), {1, 2, 3, 4});
    EXPECT_EQ(Inflate(withTail, 500, 7), original);
    Bytes copy = withTail;
    DecompressEntryData(copy, 500);
    EXPECT_EQ(copy, original);
}

TEST(EntryInflater, RefusesShortLongCutAndDamagedStreams) {
    const Bytes original = SampleBytes(10000);
    Bytes stream = original;
    CompressEntryData(stream, 6);
    EXPECT_THROW(Inflate(stream, 9999, 100), vw::Error);   // expands beyond FileSize
    EXPECT_THROW(Inflate(stream, 10001, 100), vw::Error);  // ends short of FileSize
    EXPECT_THROW(Inflate(Bytes(stream.begin(), stream.end() - 5), 10000, 100), vw::Error);
    EXPECT_THROW(Inflate(Bytes{}, 0, 100), vw::Error);  // no stream at all
    EXPECT_THROW(Inflate(Bytes{0x12, 0x34, 0x56}, 3, 1), vw::Error);
    EXPECT_THROW(EntryInflater(-5, [](const uint8_t*, size_t) {}), vw::Error);
}
