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
    for (const auto& row : ReadManifest("procedures/pipeline")) {
        const std::string& name = row.at(0);
        const uint64_t start = std::stoull(row.at(1)), shrinkTo = std::stoull(row.at(2));
        const bool fullDisk = row.at(3) == "1";
        const int failingChunk = std::stoi(row.at(4)), expected = std::stoi(row.at(5));
        const uint64_t most = std::stoull(row.at(6));
        TempDir dir;
        std::vector<uint8_t> source(3 * kMiB + 5);
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<uint8_t>(i * 7 + i / kMiB);
        WriteFile(dir / "in", source);
        vw::FileReader in(dir / "in");
        in.Seek(start, "the payload");
        if (shrinkTo) std::filesystem::resize_file(dir / "in", shrinkTo);
        const std::string outPath = fullDisk ? "/dev/full" : dir / "out";
        int error = 0;
        std::vector<uint64_t> offsets;
        const auto caller = std::this_thread::get_id();
        try {
            vw::FileWriter out(outPath, vw::FileWriter::Mode::KeepExisting);
            RunPayloadPipeline(in, out, source.size() - start,
                               [&](uint8_t* buf, size_t len, uint64_t off) {
                                   EXPECT_EQ(std::this_thread::get_id(), caller);
                                   if (static_cast<int>(offsets.size()) == failingChunk)
                                       throw vw::Error(vw::ErrorNumber::InvalidCall, "stop");
                                   offsets.push_back(off);
                                   for (size_t i = 0; i < len; ++i)
                                       buf[i] = static_cast<uint8_t>(~buf[i]);
                               });
            out.Close();
        } catch (const vw::Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, expected) << name;
        if (fullDisk) continue;
        const auto written = ReadFile(dir / "out");
        ASSERT_LE(written.size(), most) << name;
        for (size_t i = 0; i < written.size(); ++i)
            ASSERT_EQ(written[i], static_cast<uint8_t>(~source[start + i]))
                << name << " byte " << i;
        if (!expected) {
            EXPECT_EQ(written.size(), most);
            // Reads end on whole megabytes of the source.
            const uint64_t s = start;
            EXPECT_EQ(offsets, (std::vector<uint64_t>{0, kMiB - s, 2 * kMiB - s, 3 * kMiB - s}));
        }
    }
}
