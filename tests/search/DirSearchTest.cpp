#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cDirSearch.h"

namespace fs = std::filesystem;

namespace {

class DirSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "vwsearch-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        root = templ;
    }
    void TearDown() override { fs::remove_all(root); }

    // Creates a file (and its folders) under root; returns its full path.
    std::string File(const std::string& rel) {
        fs::path p = fs::path(root) / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << rel;
        return p.string();
    }
    std::string Folder(const std::string& rel) {
        fs::create_directories(fs::path(root) / rel);
        return (fs::path(root) / rel).string();
    }

    std::string root;
    cDirSearch search;
};

// The files found, element 0 dropped, sorted for order-free comparison.
std::vector<std::string> Sorted(std::vector<std::string> list) {
    EXPECT_FALSE(list.empty());
    EXPECT_EQ(list.at(0), "");
    list.erase(list.begin());
    std::sort(list.begin(), list.end());
    return list;
}

// What a depth-first walk must give, built from the file system library's own
// enumeration, which yields the same order as the directory does.
void ExpectedTree(const fs::path& folder, std::vector<std::string>& out) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string()[0] == '.') continue;
        if (entry.is_symlink()) continue;
        if (entry.is_directory()) {
            ExpectedTree(entry.path(), out);
        } else {
            out.push_back(entry.path().string());
        }
    }
}

}  // namespace

TEST_F(DirSearchTest, FlatListsOwnFilesOnlyAndAppendsSeparator) {
    const std::string x = File("A/x.txt"), z = File("A/z.txt");
    File("A/B/y.txt");
    std::string bare = root + "/A";
    std::string withSep = root + "/A/";
    auto first = search.FindFiles(bare, "*.*", false);
    auto second = search.FindFiles(withSep, "*.*", false);
    EXPECT_EQ(bare, root + "/A/");
    EXPECT_EQ(withSep, root + "/A/");
    EXPECT_EQ(Sorted(first), (std::vector<std::string>{x, z}));
    EXPECT_EQ(first, second);
    EXPECT_EQ(search.LastFindErr, "");
}

TEST_F(DirSearchTest, RecursiveWalkIsDepthFirstInDirectoryOrder) {
    for (const char* f : {"A/x.txt", "A/z.txt", "A/m", "A/B/y.txt", "A/B/C/w.txt", "A/B/v.txt",
                          "A/D/u.txt", "A/E/F/t"}) {
        File(f);
    }
    Folder("A/Empty");
    std::string path = root + "/A";
    std::vector<std::string> expected{""};
    ExpectedTree(path, expected);
    EXPECT_EQ(search.FindFiles(path, "*.*", true), expected);
    EXPECT_EQ(expected.size(), 9u);
    EXPECT_EQ(search.LastFindErr, "");
}

TEST_F(DirSearchTest, DotNamesAreNeverListedNorEntered) {
    const std::string seen = File("A/seen");
    File("A/.profile");
    File("A/.hidden/inside.txt");
    std::string path = root + "/A";
    EXPECT_EQ(Sorted(search.FindFiles(path, "*.*", false)), std::vector<std::string>{seen});
    EXPECT_EQ(Sorted(search.FindFiles(path, "*.*", true)), std::vector<std::string>{seen});
}

TEST_F(DirSearchTest, FoldersWithoutFilesGiveElementZeroOnlyAndNoError) {
    File("A/B/y.txt");
    Folder("A/C");
    Folder("Empty");
    search.LastFindErr = "earlier";
    std::string onlySubfolders = root + "/A";
    std::string empty = root + "/Empty";
    EXPECT_EQ(search.FindFiles(onlySubfolders, "*.*", false), std::vector<std::string>{""});
    EXPECT_EQ(search.FindFiles(empty, "*.*", false), std::vector<std::string>{""});
    EXPECT_EQ(search.FindFiles(empty, "*.*", true), std::vector<std::string>{""});
    EXPECT_EQ(search.LastFindErr, "earlier");
}

TEST_F(DirSearchTest, UnreadableFolderSetsMessageThatLaterSuccessKeeps) {
    std::string missing = root + "/nothing";
    EXPECT_EQ(search.FindFiles(missing, "*.*", false), std::vector<std::string>{""});
    EXPECT_EQ(search.LastFindErr, root + "/nothing/*.* could not be found!");

    const std::string file = File("plain.txt");
    std::string notAFolder = file;
    EXPECT_EQ(search.FindFiles(notAFolder, "*.*", true), std::vector<std::string>{""});
    EXPECT_EQ(search.LastFindErr, file + "/*.* could not be found!");

    std::string good = root;
    EXPECT_EQ(search.FindFiles(good, "*.*", false).size(), 2u);
    EXPECT_EQ(search.LastFindErr, file + "/*.* could not be found!");
}

TEST_F(DirSearchTest, PatternAlsoChoosesTheSubfoldersEntered) {
    const std::string top = File("A/top.TXT");
    const std::string deep = File("A/notes.txt/deep.txt");
    File("A/B/skipped.txt");
    File("A/other.doc");
    std::string path = root + "/A";
    EXPECT_EQ(Sorted(search.FindFiles(path, "*.txt", true)), (std::vector<std::string>{deep, top}));
    EXPECT_EQ(search.LastFindErr, "");
    EXPECT_EQ(search.FindFiles(path, "*.pdf", false), std::vector<std::string>{""});
    EXPECT_EQ(search.LastFindErr, root + "/A/*.pdf could not be found!");
}

TEST_F(DirSearchTest, LinksAreNeverFollowed) {
    const std::string target = File("A/target.txt");
    const std::string outside = File("outside/o.txt");
    File("A/B/y.txt");
    fs::create_symlink(target, root + "/A/to-file");
    fs::create_symlink(outside, root + "/A/to-outside-file");
    fs::create_symlink(root + "/outside", root + "/A/to-folder");
    fs::create_symlink(root + "/A", root + "/A/B/loop");
    fs::create_symlink(root + "/gone", root + "/A/broken");
    std::string path = root + "/A";
    EXPECT_EQ(Sorted(search.FindFiles(path, "*.*", true)),
              (std::vector<std::string>{root + "/A/B/y.txt", target}));
    EXPECT_EQ(search.LastFindErr, "");
}
