// vw3 against special outputs and inputs, hostile names and password files, and
// what it leaves on disk: links, modes, contents. One row per case in tests/data/cli;
// every damage of tests/data/sealed/damage.txt done to a sealed file.

#include <gtest/gtest.h>
#include <sodium.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "CliInteraction.h"
#include "RecordFile.h"
#include "SealedFile.h"
#include "SealedWriting.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// Runs `line` in `dir` with sh: "vw3" is the binary (ended after 20 s, so a hang
// shows as status 124), "{dir}" the folder, "{data}" tests/data. Permission
// faults hide from root, as CI runs: "asuser" runs a command as nobody when the
// suite runs as root, "asroot" runs one as root in a user namespace when not.
CommandResult Shell(const TempDir& dir, const std::string& line) {
    return RunCommand(
        dir.Path(),
        "umask 022; vw3() { timeout 20 " VW3_BINARY
        " \"$@\"; }; "
        "as() { c=$2; [ \"$c\" = vw3 ] && c=" VW3_BINARY
        "; w=$1; shift 2; "
        "HOME=$PWD $w timeout 20 \"$c\" \"$@\"; }; "
        "root() { [ \"$(id -u)\" = 0 ]; }; "
        "asuser() { if root; then as 'setpriv --reuid=nobody --regid=nogroup --clear-groups' "
        "\"$@\"; else \"$@\"; fi; }; "
        "asroot() { if root; then \"$@\"; else as 'unshare -r' \"$@\"; fi; }; " +
            Replace(Replace(line, "{dir}", dir.Path()), "{data}", VW_TEST_DATA));
}

// The name of a token of the files column: NAME, NAME=CONTENT, NAME:MODE,
// NAME=CONTENT:MODE or NAME->LINK TARGET.
std::string NameOf(const std::string& token) {
    return token.substr(0, std::min(token.find_first_of("=:"), token.find("->")));
}

// What is at `path`, as a token of the shape of `want`.
std::string Describe(const fs::path& path, const std::string& want) {
    std::string text = path.filename().string();
    if (fs::is_symlink(path)) return text + "->" + fs::read_symlink(path).string();
    if (want.find('=') != std::string::npos) text += "=" + ReadText(path);
    struct stat st {};
    ::lstat(path.c_str(), &st);
    std::ostringstream mode;
    mode << std::oct << (st.st_mode & 0777);
    return want.find(':') == std::string::npos ? text : text + ":" + mode.str();
}

// A row naming {ext} or {sealed} runs once per format: {ext} is vw3 or vws,
// {sealed} "" or "--sealed".
std::vector<std::vector<std::string>> PerFormat(const std::vector<std::string>& row) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& [ext, option] : {std::pair{"vw3", ""}, std::pair{"vws", "--sealed"}}) {
        rows.push_back(row);
        for (auto& col : rows.back())
            col = Replace(Replace(col, "{ext}", ext), "{sealed}", option);
    }
    if (rows[0] == rows[1]) rows.pop_back();
    return rows;
}

// Rows: name, setup, command, status, message fragment, files afterwards (besides
// pw), optional: a stored name to write into a.vw3 after the setup.
void RunTable(const std::string& file) {
    for (const auto& row : ReadManifest("cli/" + file))
        for (const auto& col : PerFormat(row)) {
            ASSERT_GE(col.size(), 6u) << col[0];
            SCOPED_TRACE(col[0] + " " + col[2]);
            TempDir dir;
            std::ofstream(dir / "pw") << "secret\n";
            ASSERT_EQ(Shell(dir, col[1]).status, 0) << "setup";
            if (col.size() > 6) {
                auto record = modVW::ReadRecord(dir / "a.vw3");
                record.SourceName = col[6] == "{dir}/abs" ? dir / "abs" : col[6];
                modVW::WriteRecord(dir / "a.vw3", record);
            }
            const auto r = Shell(dir, col[2]);
            EXPECT_EQ(r.status, std::stoi(col[3]));
            const std::string said = r.err + r.out;
            EXPECT_NE(said.find(col[4] == "-" ? "" : Replace(col[4], "{dir}", dir.Path())),
                      std::string::npos)
                << said;
            std::map<std::string, std::string> want, have;
            std::istringstream tokens(col[5] == "-" ? "" : col[5]);
            for (std::string token; tokens >> token;)
                want[NameOf(token)] = token;
            for (const auto& e : fs::directory_iterator(dir.Path())) {
                const auto name = e.path().filename().string();
                if (name != "pw") have[name] = Describe(e.path(), want[name]);
            }
            EXPECT_EQ(have, want);
        }
}

}  // namespace

TEST(Vw3Robustness, SpecialOutputsInputsNamesAndPasswordFiles) {
    RunTable("robustness.txt");
}

TEST(Vw3Robustness, LinksAreReplacedAndModesKept) {
    RunTable("links-and-modes.txt");
}

// One session of tests/data/cli/session: exit statuses, --force, info, passwords
// from a file and from standard input.
TEST(Vw3, SessionEndsEachStepAsWritten) {
    TempDir dir;
    for (const auto& row : ReadManifest("cli/session")) {
        const auto r = RunCommand(dir.Path(), Replace(row.at(0), "{vw3}", VW3_BINARY));
        EXPECT_EQ(r.status, std::stoi(row.at(1))) << row[0] << "\n" << r.err;
        if (row.size() > 2) {
            EXPECT_NE((r.out + r.err).find(row[2]), std::string::npos) << row[0] << "\n" << r.err;
        }
    }
}

// The subjects of tests/data/sealed/damage.txt: a file of two full chunks and a
// short last one, the version-1 golden file, a folder's tree of two chunks whose
// every entry lies in a sub-folder.
std::map<std::string, std::vector<uint8_t>> DamageSubjects(const TempDir& temp) {
    modVW::SealingCost = {1, 8192};
    WriteFile(temp / "subject.bin", std::vector<uint8_t>(2 * modVW::kChunkText + 1000, 0x33));
    fs::create_directories(temp / "tree/sub");
    WriteFile(temp / "tree/sub/big", std::vector<uint8_t>(modVW::kChunkText, 0x44));
    WriteFile(temp / "tree/sub/x", std::string("x"));
    vw3::CliInteraction quiet(std::nullopt, true);
    {
        vw::FileReader in(temp / "subject.bin");
        vw::FileWriter out(temp / "file.vws", vw::FileWriter::Mode::CreateNew);
        modVW::SealFile(in, out, "Pw", 1, "subject.bin", quiet);
        out.Close();
        vw::FileWriter tree(temp / "tree.vws", vw::FileWriter::Mode::CreateNew);
        std::vector<std::string> skipped;
        modVW::SealTree(temp / "tree", tree, "Pw", "tree", quiet, skipped);
        tree.Close();
    }
    return {{"file", ReadFile(temp / "file.vws")},
            {"golden", ReadFile(DataPath("sealed/golden.vws"))},
            {"tree", ReadFile(temp / "tree.vws")}};
}

// Reported by vw3, nothing written.
TEST(SealedVw3, EveryDamageIsReportedAndWritesNothing) {
    TempDir dir, temp;
    WriteFile(temp / "pw", std::string("Pw\n"));
    const auto subjects = DamageSubjects(temp);
    ASSERT_EQ(subjects.at("file").size(), 2098341u) << "the layout the table was written for";
    // verify reads through the same checks and must say the same.
    const auto vw3 = [&](const std::string& subject, const std::string& command) {
        const std::string pw =
            subject == "golden" ? DataPath("sealed/golden.password") : temp / "pw";
        return RunCommand(dir.Path(),
                          std::string(VW3_BINARY) + " " + command + " d.vws --password-file " + pw);
    };
    const auto decrypt = [&](const std::string& subject) { return vw3(subject, "decrypt -o out"); };
    for (const auto& [name, bytes] : subjects) {
        WriteFile(dir / "d.vws", bytes);
        ASSERT_EQ(decrypt(name).status, 0) << name;
        ASSERT_EQ(vw3(name, "verify").status, 0) << name;
        fs::remove_all(dir / "out");
    }
    fs::remove_all(dir / "golden.txt");
    // vw3 runs in `dir`: a folder named as the tree's own "sub" must keep its time
    // when an extraction stops (libarchive sets folder times at the end, by name).
    fs::create_directory(dir / "sub");
    const auto decoyTime = fs::file_time_type(std::chrono::hours(24 * 365 * 30));
    fs::last_write_time(dir / "sub", decoyTime);

    int rows = 0;
    for (const auto& row : ReadManifest("sealed/damage.txt")) {
        SCOPED_TRACE(row.at(0) + " " + row.at(1) + " " + row.at(2) + " " + row.at(3));
        auto damaged = subjects.at(row.at(0));
        // A negative offset counts from the end; N of an action is a length.
        const long offset = std::stol(row.at(2));
        const size_t at = offset < 0 ? damaged.size() + offset : static_cast<size_t>(offset);
        const std::string& action = row.at(3);
        const auto dash = action.find('-');
        const size_t n = dash == std::string::npos ? 0 : std::stoul(action.substr(dash + 1));
        const std::vector<uint8_t> run(damaged.begin() + at,
                                       damaged.begin() + std::min(at + n, damaged.size()));
        if (action == "flip") damaged[at] ^= 0xFF;
        if (action == "cut") damaged.resize(at);
        if (action == "append") damaged.insert(damaged.end(), at, 0x5A);
        if (action.rfind("swap-", 0) == 0)
            std::rotate(damaged.begin() + at, damaged.begin() + at + n,
                        damaged.begin() + at + 2 * n);
        if (action.rfind("repeat-", 0) == 0)
            damaged.insert(damaged.begin() + at + n, run.begin(), run.end());
        if (action.rfind("drop-", 0) == 0)
            damaged.erase(damaged.begin() + at, damaged.begin() + at + n);
        if (action.rfind("hostile-", 0) == 0) {
            damaged[at] = static_cast<uint8_t>(n);
            crypto_generichash(&damaged[94], 32, damaged.data(), 94, nullptr, 0);
        }
        WriteFile(dir / "d.vws", damaged);
        for (const auto& r : {decrypt(row.at(0)), vw3(row.at(0), "verify")}) {
            EXPECT_EQ(r.status, std::stoi(row.at(4)));
            EXPECT_EQ(r.err, Replace(row.at(5), "{file}", "d.vws") + "\n");
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2) << "only d.vws, sub";
        EXPECT_EQ(fs::last_write_time(dir / "sub"), decoyTime);
        ++rows;
    }
    EXPECT_EQ(rows, 53);
}
