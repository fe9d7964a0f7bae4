// Flat and depth-first listings, and the wildcards of tests/data/search/wildcards.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempDir.h"
#include "cDirSearch.h"

namespace fs = std::filesystem;

namespace {

class DirSearchTest : public ::testing::Test {
protected:
    // Creates files (and their folders) under the test folder; returns the last path.
    std::string Files(std::initializer_list<const char*> names) {
        std::string path;
        for (const char* name : names) {
            path = dir / name;
            fs::create_directories(fs::path(path).parent_path());
            WriteFile(path, name);
        }
        return path;
    }
    // The files found, element 0 dropped, sorted for order-free comparison.
    std::vector<std::string> Found(const char* folder, const char* pattern, bool recursive) {
        std::string path = dir / folder;
        auto list = search.FindFiles(path, pattern, recursive);
        EXPECT_EQ(list.at(0), "");
        list.erase(list.begin());
        std::sort(list.begin(), list.end());
        return list;
    }

    TempDir dir;
    cDirSearch search;
};

// What a depth-first walk must give, from the file system library's own
// enumeration, which yields the same order as the directory does.
void ExpectedTree(const fs::path& folder, std::vector<std::string>& out) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string()[0] == '.' || entry.is_symlink()) continue;
        if (entry.is_directory())
            ExpectedTree(entry.path(), out);
        else
            out.push_back(entry.path().string());
    }
}

}  // namespace

TEST(Wildcard, MatchesLikeTheFileDialogs) {
    for (const auto& row : ReadManifest("search/wildcards"))
        EXPECT_EQ(MatchesWildcard(row.at(1), row.at(0)), row.at(2) == "1")
            << row[1] << " ~ " << row[0];
    // Exponential matchers never finish this one.
    const std::string name(20000, 'a');
    EXPECT_FALSE(MatchesWildcard(name, "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(MatchesWildcard(name + "b", "*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

// Own files only, dot names neither listed nor entered; the separator is appended.
TEST_F(DirSearchTest, FlatAndDepthFirstListings) {
    Files({"A/x.txt", "A/z.txt", "A/m", "A/B/y.txt", "A/B/C/w.txt", "A/B/v.txt", "A/D/u.txt",
           "A/E/F/t", "A/.profile", "A/.hidden/inside.txt"});
    fs::create_directory(dir / "A/Empty");
    std::string path = dir / "A";
    std::vector<std::string> expected{""};
    ExpectedTree(path, expected);
    EXPECT_EQ(expected.size(), 9u);
    EXPECT_EQ(search.FindFiles(path, "*.*", true), expected);
    EXPECT_EQ(path, dir / "A/");
    EXPECT_EQ(Found("A/", "*.*", false),
              (std::vector<std::string>{dir / "A/m", dir / "A/x.txt", dir / "A/z.txt"}));
    EXPECT_EQ(search.LastFindErr, "");
    // The pattern also chooses the subfolders entered.
    const std::string deep = Files({"A/notes.txt/deep.txt"}), top = Files({"A/top.TXT"});
    EXPECT_EQ(Found("A", "*.txt", false),
              (std::vector<std::string>{dir / "A/top.TXT", dir / "A/x.txt", dir / "A/z.txt"}));
    EXPECT_EQ(Found("A", "*.txt", true),
              (std::vector<std::string>{deep, top, dir / "A/x.txt", dir / "A/z.txt"}));
    EXPECT_EQ(search.LastFindErr, "");
    EXPECT_TRUE(Found("A", "*.pdf", false).empty());
    EXPECT_EQ(search.LastFindErr, dir / "A/*.pdf could not be found!");
}

// No file is no error; an unreadable folder sets a message that a later success keeps.
TEST_F(DirSearchTest, EmptyAndUnreadableFolders) {
    const std::string file = Files({"A/B/y.txt", "plain.txt"});
    fs::create_directories(dir / "A/C");
    search.LastFindErr = "earlier";
    EXPECT_TRUE(Found("A", "*.*", false).empty());
    EXPECT_TRUE(Found("A/C", "*.*", true).empty());
    EXPECT_EQ(search.LastFindErr, "earlier");
    EXPECT_TRUE(Found("nothing", "*.*", false).empty());
    EXPECT_EQ(search.LastFindErr, dir / "nothing/*.* could not be found!");
    EXPECT_TRUE(Found("plain.txt", "*.*", true).empty());
    EXPECT_EQ(search.LastFindErr, file + "/*.* could not be found!");
    EXPECT_EQ(Found("", "*.*", false).size(), 1u);
    EXPECT_EQ(search.LastFindErr, file + "/*.* could not be found!");
}

TEST_F(DirSearchTest, LinksAreNeverFollowedAndAreToldAsSkipped) {
    const std::string target = Files({"A/B/y.txt", "A/target.txt"});
    const std::string outside = Files({"outside/o.txt"});
    fs::create_symlink(target, dir / "A/to-file");
    fs::create_symlink(outside, dir / "A/to-outside-file");
    fs::create_symlink(dir / "outside", dir / "A/to-folder");
    fs::create_symlink(dir / "A", dir / "A/B/loop");
    fs::create_symlink(dir / "gone", dir / "A/broken");
    EXPECT_EQ(Found("A", "*.*", true), (std::vector<std::string>{dir / "A/B/y.txt", target}));
    EXPECT_EQ(search.LastFindErr, "");
    EXPECT_EQ(search.Skipped.size(), 5u);
}
