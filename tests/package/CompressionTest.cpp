// Entry compression: the capacity rule, compress2 and uncompress in one piece, the
// streaming inflater used by extraction, and every way they refuse.

#include <gtest/gtest.h>
#include <zlib.h>

#include "EntryCompression.h"
#include "Error.h"
#include "TempDir.h"

using namespace vw::stuf;

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

// 2.01 x n + 12, rounded: 14.01 for 1 byte.
TEST(EntryCompression, CapacityIsTwoPointZeroOneTimesNPlusTwelve) {
    for (const auto& row : ReadManifest("packages/capacity"))
        EXPECT_EQ(EntryCapacity(uint32_t(std::stoul(row.at(0)))), std::stoull(row.at(1))) << row[0];
}

// Exactly what one compress2 call gives, and back in one piece and streamed in
// pieces of any size; an empty file too; bytes after the stream are ignored.
TEST(EntryCompression, RoundTripsAtLevelsOneSixNine) {
    for (const Bytes& original : {SampleBytes(3 * 1024 * 1024 + 17), Bytes{}}) {
        for (int16_t level : {1, 6, 9}) {
            Bytes data = original;
            CompressEntryData(data, level);
            Bytes expected(compressBound(original.size()));
            uLongf length = expected.size();
            ASSERT_EQ(compress2(expected.data(), &length, original.data(), original.size(), level),
                      Z_OK);
            expected.resize(length);
            EXPECT_EQ(data, expected) << "level " << level;
            const auto size = static_cast<int32_t>(original.size());
            for (size_t piece : {data.size() + 4, size_t(4096), size_t(7)})
                EXPECT_EQ(Inflate(data, size, piece), original) << piece;
            data.insert(data.end(), {1, 2, 3, 4});
            EXPECT_EQ(Inflate(data, size, 4096), original);
            DecompressEntryData(data, size);
            EXPECT_EQ(data, original) << "level " << level;
        }
    }
}

// Every failure throws, in one piece and streamed, and leaves the caller's bytes.
TEST(EntryCompression, RefusalsLeaveTheDataUnchanged) {
    Bytes data = SampleBytes(100);
    EXPECT_THROW(CompressEntryData(data, 10), vw::Error);  // outside zlib's 1 to 9
    EXPECT_EQ(data, SampleBytes(100));
    EXPECT_THROW(EntryInflater(-5, [](const uint8_t*, size_t) {}), vw::Error);

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
        {"cut short", Bytes(stream.begin(), stream.end() - 5), 2000},
        {"no stream at all", {}, 0},
        {"not a stream", {0x12, 0x34, 0x56}, 3},
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
        if (c.fileSize < 1 << 20) {
            EXPECT_THROW(Inflate(c.data, c.fileSize, 100), vw::Error) << c.what;
        }
    }
}
