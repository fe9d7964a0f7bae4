// Broken, hostile and over-large STUF20 packages: every truncation of example 2,
// those of tests/data/packages/MANIFEST, the entry names of entry-names, and the
// claims weighed before anything is written (names too long for the destination,
// more bytes than it has free, a damaged entry after good ones), all leaving the
// destination untouched, also when streamed; slots past the files cost no memory. Golden files,
// Windows-1252 names and damaged compressed entries are sessions in SessionTest.cpp.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "Error.h"
#include "PackageUnpacker.h"
#include "StagingFolder.h"
#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

// Example 2 with its entry renamed (the name's length is at offset 48).
Bytes Example2Named(const std::string& name) {
    const Bytes example = ReadFile(DataPath("packages/example2-one-file.stuf"));
    Bytes bytes(example.begin(), example.begin() + 48);
    bytes.insert(bytes.end(), {uint8_t(name.size()), uint8_t(name.size() >> 8)});
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.insert(bytes.end(), example.begin() + 55, example.end());
    return bytes;
}

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

// The failure text of the package at `path` streamed into `dest` in pieces of 7
// bytes and unpacked, staged only; "" when it unpacks.
std::string StreamedFailure(const std::string& path, const std::string& dest) {
    const Bytes bytes = ReadFile(path);
    fs::create_directory(dest);
    try {
        vw::StagingFolder staging(dest);
        vw::stuf::PackageUnpacker package(staging, dest, bytes.size(), path);
        for (size_t at = 0; at < bytes.size(); at += 7)
            package.Write(bytes.data() + at, std::min<size_t>(7, bytes.size() - at));
        package.Finish();
    } catch (const vw::Error& e) {
        return e.Description();
    }
    return "";
}

}  // namespace

TEST(BrokenPackage, EveryTruncationOfExample2Fails) {
    const Bytes full = ReadFile(DataPath("packages/example2-one-file.stuf"));
    TempDir dir;
    for (size_t length = 0; length < full.size(); ++length) {
        WriteFile(dir / "cut.stuf", Bytes(full.begin(), full.begin() + length));
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / "cut.stuf"), 1) << "cut at " << length;
        EXPECT_NE(p.LastError.find("cut.stuf' is damaged"), std::string::npos)
            << "cut at " << length << ": " << p.LastError;
        EXPECT_EQ(p.Session, 0);
    }
}

// Never a crash, never an allocation of the size a damaged count claims: the
// package fails to open, naming itself, or opens and fails to extract.
TEST(BrokenPackage, EachFailsWithAClearText) {
    for (const auto& row : ReadManifest("packages/MANIFEST")) {
        const std::string path = DataPath("packages/" + row.at(0));
        const bool opens = row.at(1) == "-";
        TempDir dir;
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(path), opens ? 0 : 1) << row[0] << ": " << p.LastError;
        if (opens) {
            EXPECT_EQ(p.ExtractPackage(dir / "out"), 1) << row[0];
        } else {
            EXPECT_NE(p.LastError.find(row[1]), std::string::npos) << row[0] << ": " << p.LastError;
            EXPECT_NE(p.LastError.find(row[0]), std::string::npos) << "names the file";
            EXPECT_EQ(p.Session, 0);
        }
        EXPECT_FALSE(p.LastError.empty()) << row[0];
        // Streamed, the package fails with the same text.
        EXPECT_EQ(StreamedFailure(path, dir / "streamed"), p.LastError) << row[0];
        EXPECT_TRUE(fs::is_empty(dir / "streamed")) << row[0];
        EXPECT_FALSE(fs::exists(DataPath("escape.txt")));
    }
}

// Reading does not judge names; ExtractPackage refuses every name that could lead out
// of the folder before it creates anything, and takes plain but unusual ones;
// ExtractFile names its own target, so there the stored name does not matter.
TEST(BrokenPackage, NamesThatLeaveTheFolderAreRefused) {
    for (const auto& row : ReadManifest("packages/entry-names")) {
        const std::string name = Replace(row.at(0), "\\0", std::string(1, '\0'));
        const bool refuse = row.at(1) == "1";
        TempDir dir;
        WriteFile(dir / "p.stuf", Example2Named(name));
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        EXPECT_EQ(p.ExtractPackage(dir / "out"), refuse ? 1 : 0) << name << ": " << p.LastError;
        EXPECT_EQ(p.LastError.find("Refusing to extract file 1") != std::string::npos, refuse);
        EXPECT_EQ(fs::exists(dir / "out"), !refuse) << name;
        EXPECT_EQ(p.ExtractFile(1, dir / "chosen"), 0);
        EXPECT_EQ(ReadFile(dir / "chosen"), B("abc"));
    }
}

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
