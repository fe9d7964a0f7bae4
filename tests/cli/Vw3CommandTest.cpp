// The vw3 binary itself: exit statuses, --force, info, and passwords from a file
// and from standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string Text(const std::string& path) {
    const auto bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

class Vw3 : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir / "pw", {'s', 'e', 'c', 'r', 'e', 't', '\n'});
        WriteFile(dir / "wrong", {'n', 'o', 'p', 'e'});
        ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1);
    }

    // Runs vw3 in the test folder with `args` (shell words) and `input` on stdin.
    Result Run(const std::string& args, const std::string& input = "") {
        WriteFile(temp / "in", {input.begin(), input.end()});
        const std::string command = "cd '" + dir.Path() + "' && " + VW3_BINARY + " " + args +
                                    " <'" + temp / "in" + "' >'" + temp / "out" + "' 2>'" +
                                    temp / "err" + "'";
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), Text(temp / "out"), Text(temp / "err")};
    }

    TempDir dir;
    TempDir temp;
};

}  // namespace

TEST_F(Vw3, HelpAndUsageErrors) {
    EXPECT_EQ(Run("--help").status, 0);
    EXPECT_NE(Run("--help").out.find("Exit status"), std::string::npos);
    EXPECT_NE(Run("decrypt --help").out.find("three"), std::string::npos);
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("frobnicate x").status, 2);
    EXPECT_EQ(Run("encrypt").status, 2);
    EXPECT_EQ(Run("encrypt pw --bogus").status, 2);
    // No terminal and no --password-file: nobody to ask.
    const auto noPassword = Run("encrypt pw");
    EXPECT_EQ(noPassword.status, 2);
    EXPECT_NE(noPassword.err.find("--password-file"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "pw.vw3"));
}

TEST_F(Vw3, FileRoundTripWithPasswordFileAndStdin) {
    WriteFile(dir / "doc.txt", {'h', 'i'});
    ASSERT_EQ(Run("encrypt doc.txt --password-file pw").status, 0);
    ASSERT_TRUE(fs::exists(dir / "doc.txt.vw3"));
    fs::remove(dir / "doc.txt");
    const auto r = Run("decrypt doc.txt.vw3 --password-file -", "SECRET\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Text(dir / "doc.txt"), "hi");

    const auto info = Run("info doc.txt.vw3");
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Stored name: doc.txt"), std::string::npos);
    EXPECT_NE(info.out.find("Payload: 2 bytes"), std::string::npos);
}

TEST_F(Vw3, ExistingOutputNeedsForce) {
    WriteFile(dir / "a", {'1'});
    WriteFile(dir / "a.vw3", {'o', 'l', 'd'});
    const auto refused = Run("encrypt a --password-file pw");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_EQ(Text(dir / "a.vw3"), "old");
    EXPECT_EQ(Run("encrypt a --password-file pw --force").status, 0);

    EXPECT_EQ(Run("decrypt a.vw3 --password-file pw").status, 1) << "a exists";
    EXPECT_EQ(Run("decrypt a.vw3 -o b --password-file pw").status, 0);
    EXPECT_EQ(Text(dir / "b"), "1");
}

TEST_F(Vw3, WrongPasswordFromAFileEndsWithStatus3) {
    WriteFile(dir / "a", {'1'});
    ASSERT_EQ(Run("encrypt a --password-file pw").status, 0);
    const auto r = Run("decrypt a.vw3 -o out --password-file wrong");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Error: You have entered an incorrect password."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out"));
}

TEST_F(Vw3, FolderRoundTripInfoAndRefusalBeforeWriting) {
    fs::create_directory(dir / "src");
    WriteFile(dir / "src/one.txt", {'1'});
    WriteFile(dir / "src/two.txt", {'2', '2'});
    ASSERT_EQ(Run("encrypt src/ --password-file pw").status, 0);
    ASSERT_TRUE(fs::exists(dir / "src.vw3"));

    const auto info = Run("info src.vw3");
    EXPECT_NE(info.out.find("Description: Vaultwise 3 Encrypted Folder"), std::string::npos);
    EXPECT_NE(info.out.find("two.txt  2 bytes  stored"), std::string::npos);

    ASSERT_EQ(Run("decrypt src.vw3 -o out/new --password-file pw").status, 0);
    EXPECT_EQ(Text(dir / "out/new/two.txt"), "22");

    // One entry exists already: nothing at all is written without --force.
    WriteFile(dir / "out/new/one.txt", {'x'});
    fs::remove(dir / "out/new/two.txt");
    EXPECT_EQ(Run("decrypt src.vw3 -o out/new --password-file pw").status, 1);
    EXPECT_EQ(Text(dir / "out/new/one.txt"), "x");
    EXPECT_FALSE(fs::exists(dir / "out/new/two.txt"));
    EXPECT_EQ(Run("decrypt src.vw3 -o out/new --password-file pw --force").status, 0);
    EXPECT_EQ(Text(dir / "out/new/one.txt"), "1");
}

TEST_F(Vw3, DamagedFileIsAFailureWithTheErrorText) {
    WriteFile(dir / "bad.vw3", {1, 0, 0xFF, 0xFF, 0xFF, 0x7F});  // 2 GiB payload in 6 bytes
    const auto r = Run("decrypt bad.vw3 --password-file pw");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Error 62 - ", 0), 0u) << r.err;
    EXPECT_EQ(Run("info bad.vw3").status, 1);
    EXPECT_EQ(Run("info missing.vw3").status, 1);
}

TEST_F(Vw3, SourcesAndPasswordFilesAsScriptsWriteThem) {
    // "." names the folder it means, and the output lands beside it.
    fs::create_directory(dir / "here");
    WriteFile(dir / "here/f", {'f'});
    WriteFile(dir / "crlf", {'s', 'e', 'c', 'r', 'e', 't', '\r', '\n'});
    ASSERT_EQ(Run("encrypt here/. --password-file crlf").status, 0);
    EXPECT_TRUE(fs::exists(dir / "here.vw3"));
    // A password file written on Windows holds the same password.
    EXPECT_EQ(Run("decrypt here.vw3 -o back --password-file pw").status, 0);
    EXPECT_TRUE(fs::exists(dir / "back/f"));

    // After "--" a name that looks like an option is a name.
    WriteFile(dir / "-o", {'x'});
    EXPECT_EQ(Run("encrypt --password-file pw -- -o").status, 0);
    EXPECT_TRUE(fs::exists(dir / "-o.vw3"));

    // A device (like a pipe) has no size to read: refused, not encrypted as empty.
    const auto piped = Run("encrypt /dev/null -o p.vw3 --password-file pw");
    EXPECT_EQ(piped.status, 1);
    EXPECT_NE(piped.err.find("not a regular file"), std::string::npos) << piped.err;
    EXPECT_FALSE(fs::exists(dir / "p.vw3"));
}
