// Hostile .vw3 files through the decrypt procedure and through the vw3 command:
// each must end in the exact error report, with nothing written anywhere (no
// restored file, no extracted entry, no temporary package, no partial file).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "HostileFiles.h"
#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"

namespace fs = std::filesystem;
using hostile::Case;

namespace {

std::string DataFile(const std::string& name) {
    return std::string(VW_TEST_DATA) + "/hostile/" + name;
}

std::string Replace(std::string text, const std::string& key, const std::string& value) {
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
    return text;
}

// Every path below `root`, relative to it.
std::set<std::string> Tree(const std::string& root) {
    std::set<std::string> paths;
    for (const auto& e : fs::recursive_directory_iterator(root))
        paths.insert(fs::relative(e.path(), root).string());
    return paths;
}

// A folder with the hostile file, the password file, the destination folder "out"
// and the temporary package folder "temp"; the test expects to find just these
// again afterwards.
class Workspace {
public:
    explicit Workspace(const Case& c) {
        fs::copy_file(DataFile(c.File), dir / c.File);
        WriteFile(dir / "pw", {'s', 'e', 'c', 'r', 'e', 't'});
        fs::create_directory(dir / "out");
        fs::create_directory(dir / "temp");
        ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
        before_ = Tree(dir.Path());
        etcXExisted_ = fs::exists("/etc/x");
    }
    ~Workspace() { ::unsetenv("VAULTWISE_TEMP_DIR"); }

    void ExpectNothingWritten() const {
        EXPECT_EQ(Tree(dir.Path()), before_);
        EXPECT_EQ(fs::exists("/etc/x"), etcXExisted_);
    }
    std::string Report(const Case& c, const std::string& file) const {
        return Replace(Replace(c.Report, "{file}", file), "{package}", dir / "temp/TempStuf.stuf");
    }

    TempDir dir;

private:
    std::set<std::string> before_;
    bool etcXExisted_;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.File.substr(0, info.param.File.find(".vw3"));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

class HostileInput : public ::testing::TestWithParam<Case> {};

}  // namespace

// The committed files are exactly what HostileFiles.cpp builds. Set
// VW_WRITE_HOSTILE_DATA=1 to write them anew after changing a case.
TEST(HostileData, FilesMatchTheirRecipes) {
    const bool write = std::getenv("VW_WRITE_HOSTILE_DATA") != nullptr;
    for (const Case& c : hostile::Cases()) {
        if (write) WriteFile(DataFile(c.File), c.Content);
        EXPECT_EQ(ReadFile(DataFile(c.File)), c.Content) << c.File;
    }
}

TEST_P(HostileInput, DecryptProcedureReportsAndWritesNothing) {
    const Case& c = GetParam();
    Workspace w(c);
    // The password once (a second prompt is cancelled), and the destination: a file
    // for kind 1, a folder otherwise.
    struct OnePassword : ScriptedInteraction {
        std::string destination;
        int prompts = 0;
        std::string PasswordDialog(const std::string& prompt) override {
            ScriptedInteraction::PasswordDialog(prompt);
            return ++prompts == 1 ? hostile::kPassword : "";
        }
        std::string ShowSave(const modVW::FileDialogRequest& r) override {
            ScriptedInteraction::ShowSave(r);
            return destination;
        }
        std::string BrowseFolders(const std::string& title) override {
            ScriptedInteraction::BrowseFolders(title);
            return destination;
        }
    } ui;
    ui.destination = c.Kind == 1 ? w.dir / "out/restored" : w.dir / "out";

    modVW::Decrypt(ui, w.dir / c.File);

    std::string shown;
    for (const auto& m : ui.Messages())
        shown += (shown.empty() ? "" : "\n") + m;
    EXPECT_EQ(hostile::WithoutRunFolder(shown), w.Report(c, w.dir / c.File));
    w.ExpectNothingWritten();
}

TEST_P(HostileInput, Vw3CommandFailsWithTheReport) {
    const Case& c = GetParam();
    Workspace w(c);
    // Into a new file for kind 1, into new folders otherwise: vw3 makes them, and
    // must take them away again after the failure.
    const std::string out = c.Kind == 1 ? "out/restored" : "fresh/folder";
    const std::string command = "cd '" + w.dir.Path() + "' && " + VW3_BINARY + " decrypt '" +
                                c.File + "' -o " + out + " --password-file pw >stdout 2>stderr";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << "vw3 died";
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    const auto err = ReadFile(w.dir / "stderr");
    // vw3 names the user's file where the package is meant, and reports a failure once.
    const std::string once = Replace(Replace(c.Report, "{package}", c.File),
                                     "\nError: You have entered an incorrect password.", "");
    EXPECT_EQ(std::string(err.begin(), err.end()), Replace(once, "{file}", c.File) + "\n");
    fs::remove(w.dir / "stdout");
    fs::remove(w.dir / "stderr");
    w.ExpectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileInput, ::testing::ValuesIn(hostile::Cases()), CaseName);
