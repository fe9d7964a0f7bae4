// The package session and its operations: results, the three fixed refusals, the
// Modified rule, renumbering, and behaviour without a session.

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "PackageTestSupport.h"
#include "cSTUF20.h"

using namespace pkgtest;

namespace {

using Call = std::function<int64_t(cSTUF20&)>;

class PackageSession : public ::testing::Test {
protected:
    // A package with files a.txt, b.txt, c.txt holding "A", "BB", "CCC".
    std::string MakeThree() {
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / "three.stuf"), 0);
        const std::pair<const char*, const char*> files[] = {
            {"a.txt", "A"}, {"b.txt", "BB"}, {"c.txt", "CCC"}};
        for (const auto& [name, text] : files) {
            WriteFile(dir / name, text);
            EXPECT_EQ(p.AddFile(dir / name), 0);
        }
        EXPECT_EQ(p.EndSession(), 0);
        return dir / "three.stuf";
    }

    TempDir dir;
};

}  // namespace

TEST_F(PackageSession, WithoutASessionNothingHappens) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    p.LastError = "left alone";
    // The calls with a fixed refusal show that the session is looked at first.
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 0);
    EXPECT_EQ(p.ExtractPackage(""), 0);
    EXPECT_EQ(p.ExtractFile(1, dir / "x"), 0);
    EXPECT_EQ(p.ExtractFile(0, dir / "x"), 0);
    EXPECT_EQ(p.DeleteFile(1), 0);
    EXPECT_TRUE(p.GetFileData(1).empty());
    EXPECT_EQ(p.GetFileNumber("a.txt"), 0);
    EXPECT_EQ(p.GetFileName(0), "");
    EXPECT_EQ(p.GetFileSize(0), 0);
    EXPECT_EQ(p.GetCompressedSize(0), 0);
    EXPECT_EQ(p.IsCompressed(0), 0);
    EXPECT_EQ(p.DeleteDoubles(), 0);
    EXPECT_EQ(p.SetDescription("d"), 0);
    EXPECT_EQ(p.GetDescription(), "");
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_EQ(p.LastError, "left alone");
    EXPECT_EQ(p.Format, "");
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"a.txt"});
}

// A package is written when the session ends modified, and only then: every changing
// operation marks it, even when it changes nothing or is refused.
TEST_F(PackageSession, OnlyAModifiedSessionWritesThePackage) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "new.stuf"), 0);
    EXPECT_EQ(p.Session, -1);
    EXPECT_EQ(p.Format, "STUF20");
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Session, 0);
    EXPECT_FALSE(Exists(dir / "new.stuf"));
    const std::string pkg = MakeThree();
    const Bytes original = ReadFile(pkg);
    const std::vector<std::pair<Call, bool>> calls = {
        {[](cSTUF20& p) { return p.GetFileData(2).size(); }, false},
        {[&](cSTUF20& p) { return p.ExtractPackage(dir / "out"); }, false},
        {[](cSTUF20& p) { return p.AddFile(""); }, true},
        {[](cSTUF20& p) { return p.DeleteFile(0); }, true},
        {[](cSTUF20& p) { return p.DeleteFile(99); }, true},
        {[](cSTUF20& p) { return p.DeleteDoubles(); }, true},
        {[](cSTUF20& p) { return p.SetDescription(""); }, true},
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        const ino_t inode = InodeOf(pkg);
        ASSERT_EQ(p.StartSession(pkg), 0);
        calls[i].first(p);
        ASSERT_EQ(p.EndSession(), 0);
        EXPECT_EQ(InodeOf(pkg) != inode, calls[i].second) << "call " << i;
        EXPECT_EQ(ReadFile(pkg), original) << "call " << i;
    }
}

// Each returns 0 and removes no file. The three fixed refusals set exactly
// their text; the getters check only the lower bound, so a number beyond the table is
// a trapped failure; GetFileData checks neither, and slot 0 gives its empty array.
TEST_F(PackageSession, RefusedAndFailedCalls) {
    const std::string invalid = "Invalid file number", beyond = "Subscript out of range";
    const std::string x = dir / "x";
    const std::vector<std::tuple<Call, std::string, bool>> cases = {
        // call, text, exact
        {[](cSTUF20& p) { return p.AddFile(""); }, "Cannot find source file", true},
        {[](cSTUF20& p) { return p.ExtractPackage(""); }, "Destination directory not specified",
         true},
        {[&](cSTUF20& p) { return p.ExtractFile(0, x); }, invalid, true},
        {[](cSTUF20& p) { return p.DeleteFile(-1); }, invalid, true},
        {[](cSTUF20& p) { return p.DeleteFile(0); }, invalid, true},
        {[](cSTUF20& p) { return p.DeleteFile(4); }, invalid, true},
        {[](cSTUF20& p) { return p.GetFileName(0).size(); }, invalid, true},
        {[](cSTUF20& p) { return p.GetFileSize(-2); }, invalid, true},
        {[](cSTUF20& p) { return p.GetCompressedSize(0); }, invalid, true},
        {[](cSTUF20& p) { return p.IsCompressed(0); }, invalid, true},
        {[](cSTUF20& p) { return p.GetFileData(0).size(); }, "", true},
        {[](cSTUF20& p) { return p.GetFileName(4).size(); }, beyond, false},
        {[](cSTUF20& p) { return p.GetFileSize(4); }, beyond, false},
        {[](cSTUF20& p) { return p.GetFileData(4).size(); }, beyond, false},
        {[](cSTUF20& p) { return p.GetFileData(-1).size(); }, beyond, false},
    };
    const std::string pkg = MakeThree();
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& [call, text, exact] = cases[i];
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(pkg), 0);
        p.LastError.clear();
        EXPECT_EQ(call(p), 0) << "case " << i;
        EXPECT_EQ(exact ? p.LastError : p.LastError.substr(0, text.size()), text) << "case " << i;
        EXPECT_EQ(p.FileCount(), 3) << "case " << i;
        EXPECT_FALSE(Exists(x)) << "case " << i;
    }
}

TEST_F(PackageSession, AddFileFailuresAreTrappedAndAddNothing) {
    WriteFile(dir / "a.txt", "abc");
    std::filesystem::create_directory(dir / "sub");
    const struct {
        std::string source;
        int16_t level;
        const char* text;
    } cases[] = {
        {dir / "missing.txt", 0, "missing.txt"},
        {dir / "sub", 0, "not a regular file"},
        {dir / "a.txt", 10, "level 10"},  // outside zlib's 1 to 9
    };
    for (const auto& c : cases) {
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        EXPECT_EQ(p.AddFile(c.source, c.level), 1) << c.source;
        EXPECT_NE(p.LastError.find(c.text), std::string::npos) << p.LastError;
        EXPECT_EQ(p.FileCount(), 0);
    }
}

// A failed AddFile leaves the slot it grew as a spare; the next AddFile takes it, and
// DeleteFile cuts the table back to the files.
TEST_F(PackageSession, SpareSlot) {
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "missing.txt"), 1);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"),
              Bytes(PackageBytes().Text("").Table(2).EmptySlot().EmptySlot().Trailer(0)));
    WriteFile(dir / "a.txt", "abc");
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "missing.txt"), 1);
    EXPECT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"), Example2());
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    EXPECT_EQ(p.AddFile(dir / "missing.txt"), 1);  // slot 2 spare
    ASSERT_EQ(p.DeleteFile(1), 0);
    ASSERT_EQ(p.EndSession(), 0);
    EXPECT_EQ(ReadFile(dir / "p.stuf"),
              Bytes(PackageBytes().Text("D").Table(1).EmptySlot().Trailer(0)));
}

TEST_F(PackageSession, CompressedAndStoredEntriesRoundTrip) {
    const struct {
        std::string name;
        Bytes bytes;
        int16_t level;  // 0 and below: stored
    } files[] = {
        {"stored.bin", SampleBytes(70000, 1), 0},
        {"negative.txt", SampleBytes(900, 5), -3},
        {"one.txt", SampleBytes(50000, 2), 1},
        {"six.txt", SampleBytes(50000, 3), 6},
        {"nine.txt", SampleBytes(50000, 4), 9},
        {"empty9.dat", {}, 9},
        {"empty0.dat", {}, 0},
    };
    const auto check = [&](cSTUF20& p, const char* when) {
        ASSERT_EQ(p.FileCount(), 7) << when;
        for (int32_t i = 1; i <= 7; ++i) {
            const auto& f = files[i - 1];
            const auto size = static_cast<int32_t>(f.bytes.size());
            EXPECT_EQ(p.GetFileName(i), f.name) << when;
            EXPECT_EQ(p.GetFileSize(i), size) << when << " " << f.name;
            EXPECT_EQ(p.IsCompressed(i), f.level > 0 ? -1 : 0) << when << " " << f.name;
            const int32_t stored = p.GetCompressedSize(i);
            EXPECT_TRUE(f.level > 0 ? size == 0 || stored < size : stored == size) << f.name;
            EXPECT_EQ(p.GetFileData(i), f.bytes) << when << " " << f.name;
        }
        EXPECT_EQ(p.GetCompressedSize(6), 8) << "an empty zlib stream is 8 bytes";
    };
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (const auto& f : files) {
        WriteFile(dir / f.name, f.bytes);
        ASSERT_EQ(p.AddFile(dir / f.name, f.level), 0) << p.LastError;
    }
    check(p, "before writing");
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    check(p, "read back");
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    for (const auto& f : files)
        EXPECT_EQ(ReadFile(dir / ("out/" + f.name)), f.bytes) << f.name;
    EXPECT_EQ(p.LastError, "");
}

// Files behind a deleted one move down, in the session and in the package that is
// written over the one its entries are read from.
TEST_F(PackageSession, DeleteFileRenumbers) {
    const std::string pkg = MakeThree();
    WriteFile(dir / "d.txt", "DDDD");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.AddFile(dir / "d.txt", 6), 0);
    ASSERT_EQ(p.DeleteFile(1), 0);
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(p.FileCount(), 3);
        EXPECT_EQ(p.GetFileName(1), "b.txt");
        EXPECT_EQ(p.GetFileData(1), B("BB"));
        EXPECT_EQ(p.GetFileData(2), B("CCC"));
        EXPECT_EQ(p.GetFileData(3), B("DDDD"));
        ASSERT_EQ(p.EndSession(), 0);
        ASSERT_EQ(p.StartSession(pkg), 0);
    }
    EXPECT_EQ(Listing(dir.Path()),
              (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt", "three.stuf"}));
}

// The original deletes the first file whose exact name comes again later and starts
// over: x y x z y X x leaves z y X x, each the last copy, names differing in case kept.
TEST_F(PackageSession, DeleteDoublesKeepsTheLastCopyOfEachExactName) {
    const std::vector<std::string> order = {"x", "y", "x", "z", "y", "X", "x"};
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (size_t i = 0; i < order.size(); ++i) {
        const std::string folder = dir / std::to_string(i);
        std::filesystem::create_directory(folder);
        WriteFile(folder + "/" + order[i], std::to_string(i));
        ASSERT_EQ(p.AddFile(folder + "/" + order[i]), 0);
    }
    ASSERT_EQ(p.DeleteDoubles(), 0);
    ASSERT_EQ(p.FileCount(), 4);
    const char* names[] = {"z", "y", "X", "x"};
    for (int32_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(p.GetFileName(i), names[i - 1]);
        EXPECT_EQ(p.GetFileData(i), B(std::to_string(i + 2)));
    }
    EXPECT_EQ(p.GetFileNumber("x"), 3);
}

// Also: successful calls never clear LastError.
TEST_F(PackageSession, StartSessionEndsAModifiedSessionFirst) {
    WriteFile(dir / "a.txt", "abc");
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "first.stuf"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.GetFileData(1), B("abc"));
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.StartSession(dir / "second.stuf"), 0);
    EXPECT_EQ(ReadFile(dir / "first.stuf"), Example2());
    EXPECT_EQ(p.FileCount(), 0);
    EXPECT_EQ(p.LastError, "Cannot find source file");
}

// A write that fails (the folder is missing, then a source changed size after it was
// added) leaves no file and keeps the session open and modified for another try.
TEST_F(PackageSession, FailedWriteKeepsTheSessionOpenAndModified) {
    WriteFile(dir / "a.txt", "abc");
    const std::string pkg = dir / "later/p.stuf";
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    ASSERT_EQ(p.SetDescription("D"), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("p.stuf"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.Session, -1);
    std::filesystem::create_directory(dir / "later");
    WriteFile(dir / "a.txt", "abcdef");
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("changed after it was added"), std::string::npos) << p.LastError;
    EXPECT_EQ(Listing(dir / "later"), std::vector<std::string>{});
    EXPECT_EQ(p.FileCount(), 1);
    WriteFile(dir / "a.txt", "abc");
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(ReadFile(pkg), Example2());
    EXPECT_EQ(Listing(dir / "later"), std::vector<std::string>{"p.stuf"});
}

TEST_F(PackageSession, PackageReplacedBehindTheSessionIsNoticed) {
    const std::string pkg = MakeThree();
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(pkg), 0);
    WriteFile(pkg, Example2());  // someone else rewrites the file
    EXPECT_TRUE(p.GetFileData(1).empty());
    EXPECT_NE(p.LastError.find("changed"), std::string::npos) << p.LastError;
    ASSERT_EQ(p.SetDescription("x"), 0);
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_EQ(ReadFile(pkg), Example2()) << "the other writer's file is left alone";
}

TEST_F(PackageSession, FolderIsNotAPackage) {
    std::filesystem::create_directory(dir / "folder.stuf");
    cSTUF20 p;
    EXPECT_EQ(p.StartSession(dir / "folder.stuf"), 1);
    EXPECT_NE(p.LastError.find("not a regular file"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.Session, 0);
}
