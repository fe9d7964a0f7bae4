// What a package claims is weighed before anything is written: names too long for
// the destination, more bytes than it has free, and a damaged entry after good
// ones all leave the destination untouched. Slots past the files cost no memory.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

// Package bytes, little-endian, for packages whose claims no writer would make.
class PackageBytes {
public:
    PackageBytes& U16(uint16_t v) { return Raw({uint8_t(v), uint8_t(v >> 8)}); }
    PackageBytes& I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        return Raw({uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
    }
    PackageBytes& Raw(const Bytes& v) {
        bytes_.insert(bytes_.end(), v.begin(), v.end());
        return *this;
    }
    PackageBytes& Text(const std::string& s) { return U16(uint16_t(s.size())).Raw(B(s)); }
    PackageBytes& Table(uint32_t slots) { return U16(1).I32(int32_t(slots)).I32(0); }
    PackageBytes& EmptySlot() { return Raw(Bytes(22, 0)); }
    PackageBytes& Slot(const Bytes& contents, const std::string& name, int32_t fileSize,
                       int16_t compressed) {
        U16(1).I32(int32_t(contents.size())).I32(0).Raw(contents);
        return Text(name)
            .I32(fileSize)
            .U16(uint16_t(compressed))
            .Text("")
            .Text("")
            .Raw(Bytes(8, 0));
    }
    PackageBytes& Trailer(int32_t entryCount) {
        return I32(entryCount).Text("STUF20").Text("").Text("").I32(0).I32(0);
    }
    operator const Bytes&() const { return bytes_; }

private:
    Bytes bytes_;
};

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
    std::ifstream rows(DataPath("packages/limits.txt"), std::ios::binary);
    for (std::string row; std::getline(rows, row);) {
        if (row[0] == '#') continue;
        SCOPED_TRACE(row.substr(0, 80));
        std::istringstream fields(row);
        uint64_t free = 0;
        std::string entry, expected;
        std::vector<std::string> entries;
        for (fields >> free >> entry; fields >> entry && entry != "|";)
            entries.push_back(entry);
        std::getline(fields >> std::ws, expected);
        PackageBytes package;
        package.Text("").Table(uint32_t(entries.size() + 1)).EmptySlot();
        for (const auto& e : entries) {
            const auto colon = e.rfind(':');
            const int32_t size = std::stoi(e.substr(colon + 1));
            const bool damaged = e.back() == '!';
            package.Slot(damaged ? B("not zlib") : Bytes(size_t(size), 'x'), e.substr(0, colon),
                         size, damaged ? -1 : 0);
        }
        TempDir dir;
        WriteFile(dir / "p.stuf", package.Trailer(int32_t(entries.size())));
        cSTUF20 p;
        p.FreeSpace = [&](const std::string&) { return free; };
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        const int32_t result = p.ExtractPackage(dir / "out");
        if (expected == "ok") {
            EXPECT_EQ(result, 0) << p.LastError;
            EXPECT_EQ(size_t(std::distance(fs::directory_iterator(dir / "out"), {})),
                      entries.size());
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
    const auto withSpares = [](uint32_t spares) {
        PackageBytes b;
        b.Text("D").Table(2 + spares).EmptySlot().Slot(B("abc"), "a.txt", 3, 0);
        for (uint32_t i = 0; i < spares; ++i)
            b.Slot({}, "spare " + std::to_string(i), 0, 0);
        return Bytes(b.Trailer(1));
    };
    WriteFile(dir / "small.stuf", withSpares(5));
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "small.stuf"), 0);
    p.SetDescription("D");  // modified: written back, spare slots and all
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "small.stuf"), withSpares(5));

    // One million spare slots of 30 bytes: a slot in memory would take 80 MB more.
    WriteFile(dir / "large.stuf", withSpares(1000000));
    EXPECT_LT(PeakKiBReading(dir / "large.stuf") - PeakKiBReading(dir / "small.stuf"), 40 * 1024);
}
