// The hostile .vw3 files of tests/data/hostile through the decrypt procedure and
// through the vw3 command: each must end in the exact report of its MANIFEST row,
// with nothing written anywhere (no restored file, no extracted entry, no
// temporary package, no partial file, no folder vw3 made for the output).

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// The hostile file, the password file, the destination folder "out" and the
// temporary package folder "temp".
struct Workspace {
    explicit Workspace(const std::string& file) {
        fs::copy_file(DataPath("hostile/" + file), dir / file);
        WriteFile(dir / "pw", "secret");
        fs::create_directory(dir / "out");
        fs::create_directory(dir / "temp");
        ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
        before = Tree(dir.Path());
        etcX = fs::exists("/etc/x");
    }
    ~Workspace() { ::unsetenv("VAULTWISE_TEMP_DIR"); }

    void ExpectNothingWritten() const {
        EXPECT_EQ(Tree(dir.Path()), before);
        EXPECT_EQ(fs::exists("/etc/x"), etcX);
    }
    std::string Report(const std::string& report, const std::string& file) const {
        return Replace(Replace(report, "{file}", file), "{package}", dir / "temp/TempStuf.stuf");
    }
    // What vw3 says: the user's file for the package, and one report per failure.
    static std::string Vw3Report(const std::string& report, const std::string& file) {
        const std::string once =
            Replace(report, "\nError: You have entered an incorrect password.", "");
        return Replace(Replace(once, "{file}", file), "{package}", file);
    }

    TempDir dir;
    std::set<std::string> before;
    bool etcX;
};

}  // namespace

TEST(HostileInput, DecryptProcedureAndVw3ReportAndWriteNothing) {
    const auto rows = ReadManifest("hostile/MANIFEST");
    EXPECT_EQ(rows.size(), 23u);
    for (const auto& row : rows) {
        const std::string& file = row.at(0);
        const bool single = row.at(1) == "1";
        SCOPED_TRACE(file);
        {
            Workspace w(file);
            // The password once (a second prompt is cancelled), then the destination.
            ScriptedInteraction ui({"secret", single ? w.dir / "out/restored" : w.dir / "out"});
            ui.BeforeAnswer = [&ui](const std::string& kind) {
                if (kind == "password" && ui.Log.size() > 0) ui.Answers.clear();
            };
            modVW::Decrypt(ui, w.dir / file);
            std::string shown;
            for (const auto& m : ui.Messages())
                shown += (shown.empty() ? "" : "\n") + m;
            EXPECT_EQ(WithoutRunFolder(shown), w.Report(row.at(3), w.dir / file));
            w.ExpectNothingWritten();
        }
        // Into a new file; for a folder into an existing one, and into new folders,
        // which vw3 makes and must take away again.
        for (const char* out : {single ? "out/restored" : "out", single ? "" : "fresh/folder"}) {
            if (!*out) continue;
            Workspace w(file);
            const auto r = RunCommand(w.dir.Path(), std::string(VW3_BINARY) + " decrypt '" + file +
                                                        "' -o " + out + " --password-file pw");
            EXPECT_EQ(r.status, std::stoi(row.at(2))) << out;
            EXPECT_EQ(r.err, Workspace::Vw3Report(row.at(3), file) + "\n") << out;
            w.ExpectNothingWritten();
        }
    }
}
