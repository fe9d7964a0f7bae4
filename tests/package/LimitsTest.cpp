// What a package claims is weighed before anything is written: names too long for
// the destination, more bytes than it has free, and a damaged entry after good
// ones all leave the destination untouched. Slots past the files cost no memory.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

// Peak memory in KiB of a child that reads the package at `path`.
long PeakKiBReading(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        cSTUF20 p;
        ::_exit(p.StartSession(path) == 0 && p.FileCount() == 1 ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return usage.ru_maxrss;
}

}  // namespace

TEST(PackageLimits, RefusedBeforeAnythingIsWritten) {
    for (const auto& row : ReadManifest("packages/limits.txt")) {
        SCOPED_TRACE(row.at(0) + " " + row.at(1));
        TempDir dir;
        cSTUF20 p;
        p.FreeSpace = [&](const std::string&) { return std::stoull(row[1]); };
        ASSERT_EQ(p.StartSession(DataPath("packages/" + row[0])), 0);
        const int32_t result = p.ExtractPackage(dir / "out");
        const std::string& expected = row.at(2);
        if (expected == "ok") {
            EXPECT_EQ(result, 0) << p.LastError;
            EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), {}), p.FileCount());
            continue;
        }
        const auto space = expected.find(' ');
        EXPECT_EQ(result, 1);
        EXPECT_EQ(std::to_string(p.LastErrorNumber), expected.substr(0, space));
        EXPECT_NE(p.LastError.find(expected.substr(space + 1)), std::string::npos) << p.LastError;
        EXPECT_TRUE(!fs::exists(dir / "out") || fs::is_empty(dir / "out"));
    }
}

TEST(PackageLimits, SlotsPastTheFilesStayOnDiskAndAreWrittenBack) {
    TempDir dir;
    const Bytes small = ReadFile(DataPath("packages/spare-slots.stuf"));
    WriteFile(dir / "small.stuf", small);
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "small.stuf"), 0);
    p.SetDescription("D");  // modified: written back, spare slots and all
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "small.stuf"), small);

    // One million spare slots of 35 bytes (the table's count is at offset 5, the
    // first spare slot at 73): a slot in memory would take 80 MB more.
    Bytes large(small.begin(), small.begin() + 73);
    for (int i = 0; i < 1000000; ++i)
        large.insert(large.end(), small.begin() + 73, small.begin() + 108);
    large.insert(large.end(), small.end() - 24, small.end());
    const uint32_t slots = 1000002;
    for (int i = 0; i < 4; ++i)
        large[5 + i] = uint8_t(slots >> (8 * i));
    WriteFile(dir / "large.stuf", large);
    EXPECT_LT(PeakKiBReading(dir / "large.stuf") - PeakKiBReading(dir / "small.stuf"), 40 * 1024);
}
