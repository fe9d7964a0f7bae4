// Entry compression: the capacity rule, compress2 and uncompress in one piece, the
// streaming inflater used by extraction, and every way they refuse.

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
    EXPECT_EQ(EntryCapacity(1), 14u);  // 14.01
    EXPECT_EQ(EntryCapacity(1000), 2022u);
    EXPECT_EQ(EntryCapacity(2147483647u), 4316442142u);
}

// Exactly what one compress2 call gives, and back; an empty file too.
TEST(EntryCompression, RoundTripsAtLevelsOneSixNine) {
    for (const Bytes& original : {SampleBytes(100000), Bytes{}}) {
        for (int16_t level : {1, 6, 9}) {
            Bytes data = original;
            CompressEntryData(data, level);
            Bytes expected(compressBound(original.size()));
            uLongf length = expected.size();
            ASSERT_EQ(compress2(expected.data(), &length, original.data(), original.size(), level),
                      Z_OK);
            expected.resize(length);
            EXPECT_EQ(data, expected) << "level " << level;
            DecompressEntryData(data, static_cast<int32_t>(original.size()));
            EXPECT_EQ(data, original) << "level " << level;
        }
    }
}

// Every failure throws and leaves the caller's bytes as they were.
TEST(EntryCompression, RefusalsLeaveTheDataUnchanged) {
    Bytes data = SampleBytes(100);
    EXPECT_THROW(CompressEntryData(data, 10), vw::Error);  // outside zlib's 1 to 9
    EXPECT_EQ(data, SampleBytes(100));

    Bytes stream = SampleBytes(2000);
    CompressEntryData(stream, 6);
    Bytes flipped = stream;
    flipped[flipped.size() / 2] ^= 0x55;  // breaks the data or its Adler-32
    const struct {
        const char* what;
        Bytes data;
        int32_t fileSize;
        const char* text = "";
    } cases[] = {
        {"flipped byte", flipped, 2000},
        {"understated size", stream, 1999},
        {"overstated size", stream, 2001},
        {"negative size", stream, -1},
        {"no stream at all", {}, 0},
        // An empty file's 8-byte stream and 2 bytes more cannot become 2 GiB: refused
        // at once instead of allocating the 4 GiB capacity.
        {"absurd size", {0x78, 0x9C, 0x03, 0, 0, 0, 0, 0x01, 0, 0}, 2147483647, "cannot expand"},
    };
    for (const auto& c : cases) {
        Bytes copy = c.data;
        try {
            DecompressEntryData(copy, c.fileSize);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const vw::Error& e) {
            EXPECT_NE(e.Description().find(c.text), std::string::npos) << e.Description();
        }
        EXPECT_EQ(copy, c.data) << c.what;
    }
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
    for (size_t piece : {stream.size(), size_t(1), size_t(4096)})
        EXPECT_EQ(Inflate(stream, static_cast<int32_t>(original.size()), piece), original) << piece;
    // Bytes after the stream are ignored, as uncompress ignores them.
    stream = SampleBytes(500);
    CompressEntryData(stream, 9);
    stream.insert(stream.end(), {1, 2, 3, 4});
    EXPECT_EQ(Inflate(stream, 500, 7), SampleBytes(500));
    DecompressEntryData(stream, 500);
    EXPECT_EQ(stream, SampleBytes(500));
}

TEST(EntryInflater, RefusesShortLongCutAndDamagedStreams) {
    Bytes stream = SampleBytes(10000);
    CompressEntryData(stream, 6);
    EXPECT_THROW(Inflate(stream, 9999, 100), vw::Error);   // expands beyond FileSize
    EXPECT_THROW(Inflate(stream, 10001, 100), vw::Error);  // ends short of FileSize
    EXPECT_THROW(Inflate(Bytes(stream.begin(), stream.end() - 5), 10000, 100), vw::Error);
    EXPECT_THROW(Inflate(Bytes{}, 0, 100), vw::Error);  // no stream at all
    EXPECT_THROW(Inflate(Bytes{0x12, 0x34, 0x56}, 3, 1), vw::Error);
    EXPECT_THROW(EntryInflater(-5, [](const uint8_t*, size_t) {}), vw::Error);
}
