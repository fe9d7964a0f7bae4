// The hostile .vw3 files of tests/data/hostile through the decrypt procedure and
// through the vw3 command (decrypt and verify): each must end in the exact report
// of its MANIFEST row, with nothing written anywhere (no restored file, no
// extracted entry, no temporary package, no partial file, no folder vw3 made for
// the output).
// Folders of hostile names through encryption and back, by the procedures and by
// vw3: each comes back as exactly the same {name: bytes}, or encryption is refused
// before anything is written, naming the file; only a name that is not valid UTF-8
// may be refused. A link in every folder is left out and told.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "StoredNames.h"
#include "TempDir.h"
#include "Text1252.h"

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
        return Replace(report, "{file}", file);
    }
    // What vw3 says: one report per failure.
    static std::string Vw3Report(const std::string& report, const std::string& file) {
        return Replace(Replace(report, "\nError: You have entered an incorrect password.", ""),
                       "{file}", file);
    }

    TempDir dir;
    std::set<std::string> before;
    bool etcX;
};

std::map<std::string, std::vector<uint8_t>> Contents(const std::string& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (!e.is_symlink()) files[e.path().filename().string()] = ReadFile(e.path().string());
    return files;
}

// Encrypts dir/in and decrypts it into dir/out; returns the messages shown.
std::string RoundTrip(const TempDir& dir, bool vw3) {
    if (vw3) {
        const std::string run = std::string(VW3_BINARY) + " ";
        return RunCommand(dir.Path(), run + "encrypt in -o f.vw3 --password-file pw && " + run +
                                          "decrypt f.vw3 -o out --password-file pw")
            .err;
    }
    ScriptedInteraction enc({dir / "f.vw3", "go on", "pw", "pw"}), dec({"pw", dir / "out"});
    modVW::Encrypt(enc, 2, dir / "in");
    if (fs::exists(dir / "f.vw3")) modVW::Decrypt(dec, dir / "f.vw3");
    std::string shown;
    for (const auto& asked : enc.Log)
        if (asked.Kind == "msgbox" || asked.Kind == "go on") shown += asked.Text + "\n";
    return shown + (dec.Messages().empty() ? "" : dec.Messages()[0]);
}

}  // namespace

TEST(HostileInput, DecryptProcedureAndVw3ReportAndWriteNothing) {
    const auto rows = ReadManifest("hostile/MANIFEST");
    EXPECT_EQ(rows.size(), 24u);
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
        // which vw3 makes and must take away again; verify says the same.
        for (const char* out :
             {single ? "-o out/restored" : "-o out", single ? "" : "-o fresh/folder", "verify"}) {
            if (!*out) continue;
            Workspace w(file);
            const bool verify = std::string(out) == "verify";
            const auto r = RunCommand(
                w.dir.Path(), std::string(VW3_BINARY) + (verify ? " verify '" : " decrypt '") +
                                  file + "' --password-file pw " + (verify ? "" : out));
            EXPECT_EQ(r.status, std::stoi(row.at(2))) << out;
            EXPECT_EQ(r.err, Workspace::Vw3Report(row.at(3), file) + "\n") << out;
            w.ExpectNothingWritten();
        }
    }
}

TEST(NameRoundTrip, EveryPairOfHostileNamesComesBackOrIsRefusedUpFront) {
    std::vector<std::string> names;  // one name a line, raw bytes
    std::istringstream in(ReadText(DataPath("hostile/names.txt")));
    for (std::string line; std::getline(in, line);)
        names.push_back(line);
    ASSERT_GE(names.size(), 10u);
    for (const bool vw3 : {false, true})
        for (size_t i = 0; i < names.size(); ++i)
            for (size_t j = i + 1; j < names.size(); ++j) {
                TempDir dir;
                SCOPED_TRACE(modVW::VisibleName(names[i] + " + " + names[j]) +
                             (vw3 ? " (vw3)" : ""));
                ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
                fs::create_directories(dir / "in");
                fs::create_directories(dir / "temp");
                WriteFile(dir / "pw", std::string("pw"));
                std::vector<std::string> refusable;  // names that are not valid UTF-8
                for (const auto& name : {names[i], names[j]}) {
                    WriteFile(dir / ("in/" + name), name);
                    if (!Text1252::IsValidUtf8(name))
                        refusable.push_back(modVW::VisibleName(dir / ("in/" + name)));
                }
                fs::create_symlink("/etc/passwd", dir / "in/link");

                const std::string shown = RoundTrip(dir, vw3);
                if (refusable.empty()) {
                    EXPECT_EQ(Contents(dir / "out"), Contents(dir / "in"));
                    EXPECT_NE(shown.find("Not encrypted"), std::string::npos) << shown;
                    EXPECT_NE(shown.find(dir / "in/link"), std::string::npos) << shown;
                } else {
                    EXPECT_EQ(shown.rfind("Error 52 - Bad file name: '", 0), 0u) << shown;
                    EXPECT_TRUE(shown.find(refusable.front()) != std::string::npos ||
                                shown.find(refusable.back()) != std::string::npos)
                        << shown;
                    EXPECT_FALSE(fs::exists(dir / "f.vw3"));
                }
                EXPECT_TRUE(fs::is_empty(dir / "temp"));
                ::unsetenv("VAULTWISE_TEMP_DIR");
            }
}
