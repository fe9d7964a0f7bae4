// The payload pipeline: chunks reach the work in order on the calling thread, and
// the first failure of any stage is the error the caller sees.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "Error.h"
#include "PayloadPipeline.h"
#include "TempDir.h"

using namespace modVW;

TEST(PayloadPipeline, ChunksInOrderAndTheFirstFailureOfAnyStage) {
    constexpr uint64_t kMiB = 1 << 20;
    const struct {
        const char* name;
        uint64_t start;     // where the payload begins in the source
        uint64_t shrinkTo;  // the source loses its end after it was opened (0: not)
        bool fullDisk;      // written to /dev/full
        int failingChunk;   // the work throws Error 5 at this chunk (-1: never)
        int error;          // expected error number (0: none)
        uint64_t written;   // at most these bytes reach the output, none after a failure
    } cases[] = {
        {"whole", 0, 0, false, -1, 0, 3 * kMiB + 5},
        {"behind a header", 10, 0, false, -1, 0, 3 * kMiB - 5},
        {"read error", 0, kMiB + 7, false, -1, vw::ErrorNumber::InputPastEnd, kMiB},
        {"disk full", 0, 0, true, -1, vw::ErrorNumber::DiskFull, 0},
        {"work fails", 0, 0, false, 2, vw::ErrorNumber::InvalidCall, 2 * kMiB},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::vector<uint8_t> source(3 * kMiB + 5);
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<uint8_t>(i * 7 + i / kMiB);
        WriteFile(dir / "in", source);
        vw::FileReader in(dir / "in");
        in.Seek(c.start, "the payload");
        if (c.shrinkTo) std::filesystem::resize_file(dir / "in", c.shrinkTo);
        const std::string outPath = c.fullDisk ? "/dev/full" : dir / "out";
        int error = 0;
        std::vector<uint64_t> offsets;
        const auto caller = std::this_thread::get_id();
        try {
            vw::FileWriter out(outPath, vw::FileWriter::Mode::KeepExisting);
            RunPayloadPipeline(in, out, source.size() - c.start,
                               [&](uint8_t* buf, size_t len, uint64_t off) {
                                   EXPECT_EQ(std::this_thread::get_id(), caller);
                                   if (static_cast<int>(offsets.size()) == c.failingChunk)
                                       throw vw::Error(vw::ErrorNumber::InvalidCall, "stop");
                                   offsets.push_back(off);
                                   for (size_t i = 0; i < len; ++i)
                                       buf[i] = static_cast<uint8_t>(~buf[i]);
                               });
            out.Close();
        } catch (const vw::Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, c.error) << c.name;
        if (c.fullDisk) continue;
        const auto written = ReadFile(dir / "out");
        ASSERT_LE(written.size(), c.written) << c.name;
        for (size_t i = 0; i < written.size(); ++i)
            ASSERT_EQ(written[i], static_cast<uint8_t>(~source[c.start + i]))
                << c.name << " byte " << i;
        if (!c.error) {
            EXPECT_EQ(written.size(), c.written);
            // Reads end on whole megabytes of the source.
            const uint64_t s = c.start;
            EXPECT_EQ(offsets, (std::vector<uint64_t>{0, kMiB - s, 2 * kMiB - s, 3 * kMiB - s}));
        }
    }
}
