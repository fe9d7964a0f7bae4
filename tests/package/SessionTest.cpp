// The package session and its operations: results, the fixed refusals, the
// Modified rule, renumbering, behaviour without a session, and extraction.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "TempDir.h"
#include "cSTUF20.h"

namespace fs = std::filesystem;

namespace {

using Call = std::function<int64_t(cSTUF20&)>;

ino_t InodeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class PackageSession : public ::testing::Test {
protected:
    // A package with files a.txt, b.txt, c.txt holding "A", "BB", "CCC".
    std::string MakeThree() {
        cSTUF20 p;
        EXPECT_EQ(p.StartSession(dir / "three.stuf"), 0);
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
            WriteFile(dir / name, std::string(name[0] - 'a' + 1, name[0] - 'a' + 'A'));
            EXPECT_EQ(p.AddFile(dir / name), 0);
        }
        EXPECT_EQ(p.EndSession(), 0);
        return dir / "three.stuf";
    }

    TempDir dir;
};

}  // namespace

// In a session of three files each returns 0, changes no file count and writes
// nothing: the fixed refusals set exactly their text; the getters check only the
// lower bound, so a number beyond the table is a trapped failure; GetFileData checks
// neither, and slot 0 gives its empty array. Without a session every call returns 0
// and leaves LastError alone.
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
    std::vector<Call> noSession = {
        [](cSTUF20& p) { return p.EndSession(); },
        [&](cSTUF20& p) { return p.AddFile(dir / "a.txt"); },
        [&](cSTUF20& p) { return p.ExtractPackage(dir / "out"); },
        [&](cSTUF20& p) { return p.ExtractFile(1, x); },
        [](cSTUF20& p) { return p.DeleteFile(1) + p.GetFileNumber("a.txt") + p.DeleteDoubles(); },
        [](cSTUF20& p) { return p.SetDescription("d") + p.GetDescription().size(); },
        [](cSTUF20& p) { return p.FileCount() + p.Format.size(); },
    };
    const std::string pkg = MakeThree();
    for (const auto& [call, text, exact] : cases) {
        noSession.push_back(call);
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(pkg), 0);
        p.LastError.clear();
        EXPECT_EQ(call(p), 0) << text;
        EXPECT_EQ(exact ? p.LastError : p.LastError.substr(0, text.size()), text);
        EXPECT_EQ(p.FileCount(), 3) << text;
    }
    for (size_t i = 0; i < noSession.size(); ++i) {
        cSTUF20 p;
        p.LastError = "left alone";
        EXPECT_EQ(noSession[i](p), 0) << "call " << i;
        EXPECT_EQ(p.LastError, "left alone") << "call " << i;
    }
    EXPECT_FALSE(fs::exists(x));
    EXPECT_FALSE(fs::exists(dir / "out"));
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
    EXPECT_FALSE(fs::exists(dir / "new.stuf"));
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

TEST_F(PackageSession, AddFileFailuresAreTrappedAndAddNothing) {
    WriteFile(dir / "a.txt", "abc");
    fs::create_directory(dir / "sub");
    const std::tuple<std::string, int16_t, const char*> cases[] = {
        {dir / "missing.txt", 0, "missing.txt"},
        {dir / "sub", 0, "not a regular file"},
        {dir / "a.txt", 10, "level 10"},  // outside zlib's 1 to 9
    };
    for (const auto& [source, level, text] : cases) {
        cSTUF20 p;
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        EXPECT_EQ(p.AddFile(source, level), 1) << source;
        EXPECT_NE(p.LastError.find(text), std::string::npos) << p.LastError;
        EXPECT_EQ(p.FileCount(), 0);
    }
    cSTUF20 p;
    EXPECT_EQ(p.StartSession(dir / "sub"), 1) << "a folder is not a package";
    EXPECT_NE(p.LastError.find("not a regular file"), std::string::npos) << p.LastError;
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
    const auto check = [&](cSTUF20& p) {
        ASSERT_EQ(p.FileCount(), 7);
        for (int32_t i = 1; i <= 7; ++i) {
            const auto& f = files[i - 1];
            const auto size = static_cast<int32_t>(f.bytes.size());
            EXPECT_EQ(p.GetFileName(i), f.name);
            EXPECT_EQ(p.GetFileSize(i), size) << f.name;
            EXPECT_EQ(p.IsCompressed(i), f.level > 0 ? -1 : 0) << f.name;
            const int32_t stored = p.GetCompressedSize(i);
            EXPECT_TRUE(f.level > 0 ? size == 0 || stored < size : stored == size) << f.name;
            EXPECT_EQ(p.GetFileData(i), f.bytes) << f.name;
        }
        EXPECT_EQ(p.GetCompressedSize(6), 8) << "an empty zlib stream is 8 bytes";
    };
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (const auto& f : files) {
        WriteFile(dir / f.name, f.bytes);
        ASSERT_EQ(p.AddFile(dir / f.name, f.level), 0) << p.LastError;
    }
    check(p);  // before writing
    ASSERT_EQ(p.EndSession(), 0);
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    check(p);
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
}

// The first file whose exact name comes again later goes, and the search starts over:
// x y x z y X x leaves z y X x, each the last copy, names differing in case kept.
TEST_F(PackageSession, DeleteDoublesKeepsTheLastCopyOfEachExactName) {
    const std::vector<std::string> order = {"x", "y", "x", "z", "y", "X", "x"};
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    for (size_t i = 0; i < order.size(); ++i) {
        fs::create_directory(dir / std::to_string(i));
        WriteFile(dir / (std::to_string(i) + "/" + order[i]), std::to_string(i));
        ASSERT_EQ(p.AddFile(dir / (std::to_string(i) + "/" + order[i])), 0);
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

// A new session ends a modified one first; successful calls never clear LastError.
// A write that fails (the folder is missing, then a source changed size after it was
// added) leaves no file and keeps the session open and modified for another try.
TEST_F(PackageSession, FailedWriteKeepsTheSessionOpenAndModified) {
    WriteFile(dir / "a.txt", "abc");
    const Bytes example2 = ReadFile(DataPath("packages/example2-one-file.stuf"));
    cSTUF20 p;
    ASSERT_EQ(p.StartSession(dir / "first.stuf"), 0);
    EXPECT_EQ(p.AddFile(""), 0);
    ASSERT_EQ(p.AddFile(dir / "a.txt") + p.SetDescription("D"), 0);
    const std::string pkg = dir / "later/p.stuf";
    ASSERT_EQ(p.StartSession(pkg), 0);
    EXPECT_EQ(ReadFile(dir / "first.stuf"), example2);
    EXPECT_EQ(p.LastError, "Cannot find source file");
    ASSERT_EQ(p.SetDescription("D") + p.AddFile(dir / "a.txt"), 0);
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("p.stuf"), std::string::npos) << p.LastError;
    EXPECT_EQ(p.Session, -1);
    fs::create_directory(dir / "later");
    WriteFile(dir / "a.txt", "abcdef");
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_NE(p.LastError.find("changed after it was added"), std::string::npos) << p.LastError;
    EXPECT_TRUE(fs::is_empty(dir / "later"));
    WriteFile(dir / "a.txt", "abc");
    EXPECT_EQ(p.EndSession(), 0);
    EXPECT_EQ(p.Session, 0);
    EXPECT_EQ(ReadFile(pkg), example2);

    // Someone else rewrites the package behind an open session: noticed, and left alone.
    const std::string three = MakeThree();
    ASSERT_EQ(p.StartSession(three), 0);
    WriteFile(three, example2);
    EXPECT_TRUE(p.GetFileData(1).empty());
    EXPECT_NE(p.LastError.find("changed"), std::string::npos) << p.LastError;
    ASSERT_EQ(p.SetDescription("x"), 0);
    EXPECT_EQ(p.EndSession(), 1);
    EXPECT_EQ(ReadFile(three), example2);
}

// A stored a.txt "abc" and b.bin compressed at level 6, in an open session.
class PackageExtract : public PackageSession {
protected:
    void SetUp() override {
        WriteFile(dir / "a.txt", "abc");
        WriteFile(dir / "b.bin", SampleBytes(300000));
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
        ASSERT_EQ(p.AddFile(dir / "a.txt") + p.AddFile(dir / "b.bin", 6) + p.EndSession(), 0);
        ASSERT_EQ(p.StartSession(dir / "p.stuf"), 0);
    }

    cSTUF20 p;
};

// The folder is made (one level only) and what is there replaced: a longer file, a
// symbolic link (replaced, not followed, dangling or not); a folder is a failure.
TEST_F(PackageExtract, MakesTheFolderAndReplacesWhatIsThere) {
    EXPECT_EQ(p.ExtractPackage(dir / "no/such"), 1);
    EXPECT_FALSE(fs::exists(dir / "no"));
    ASSERT_EQ(p.ExtractPackage(dir / "out/"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));
    WriteFile(dir / "out/a.txt", SampleBytes(5000));
    WriteFile(dir / "victim.txt", "keep me");
    fs::remove(dir / "out/b.bin");
    fs::create_symlink(dir / "victim.txt", dir / "out/b.bin");
    fs::create_symlink(dir / "nowhere", dir / "single");
    ASSERT_EQ(p.ExtractPackage(dir / "out"), 0) << p.LastError;
    ASSERT_EQ(p.ExtractFile(1, dir / "single"), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "victim.txt"), B("keep me"));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    EXPECT_FALSE(fs::is_symlink(dir / "out/b.bin"));
    EXPECT_EQ(ReadFile(dir / "out/a.txt"), B("abc"));
    EXPECT_EQ(ReadFile(dir / "out/b.bin"), SampleBytes(300000));
    EXPECT_EQ(ReadFile(dir / "single"), B("abc"));

    fs::remove(dir / "out/a.txt");
    fs::create_directories(dir / "out/a.txt/inner");
    EXPECT_EQ(p.ExtractPackage(dir / "out"), 1);
    EXPECT_NE(p.LastError.find("a.txt"), std::string::npos) << p.LastError;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), {}), 2) << "a temporary file left";
}

// Entries read from the package, and entries added in the session (stored ones still
// in their source file, compressed ones in the spool), before anything is written.
TEST_F(PackageExtract, ExtractFileWritesOneEntry) {
    WriteFile(dir / "c.txt", "new one");
    ASSERT_EQ(p.AddFile(dir / "c.txt") + p.AddFile(dir / "c.txt", 9), 0);
    for (int32_t i = 2; i <= 4; ++i)
        ASSERT_EQ(p.ExtractFile(i, dir / std::to_string(i)), 0) << p.LastError;
    EXPECT_EQ(ReadFile(dir / "2"), SampleBytes(300000));
    EXPECT_EQ(ReadFile(dir / "3"), B("new one"));
    EXPECT_EQ(ReadFile(dir / "4"), B("new one"));
    EXPECT_EQ(p.ExtractFile(5, dir / "5"), 1);
    EXPECT_NE(p.LastError.find("Invalid file number 5"), std::string::npos) << p.LastError;
    EXPECT_FALSE(fs::exists(dir / "5"));
}
