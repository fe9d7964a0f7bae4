// Writes that fail half-way (the file size limit stands in for a full disk): the
// procedure reports the failure, the destination is untouched (absent, or still
// its old content), and no temporary file (".vw*.part", TempStuf.stuf) stays.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "LimitedChild.h"
#include "Procedures.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr rlim_t kLimit = 16 * 1024;  // every file below is larger

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

// A 64 KiB file, a folder of two 32 KiB files, and their encrypted files, made
// without a limit; "temp" is the temporary package folder, "out" a destination.
class WriteFault : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VAULTWISE_TEMP_DIR", (dir / "temp").c_str(), 1);
        fs::create_directory(dir / "temp");
        fs::create_directory(dir / "out");
        fs::create_directory(dir / "folder");
        WriteFile(dir / "file.bin", SampleBytes(64 * 1024, 1));
        WriteFile(dir / "folder/one.bin", SampleBytes(32 * 1024, 2));
        WriteFile(dir / "folder/two.bin", SampleBytes(32 * 1024, 3));
        Encrypt(1, dir / "file.bin", dir / "file.vw3");
        Encrypt(2, dir / "folder", dir / "folder.vw3");
    }
    void TearDown() override { ::unsetenv("VAULTWISE_TEMP_DIR"); }

    void Encrypt(int16_t kind, const std::string& source, const std::string& dest) {
        ScriptedInteraction ui;
        ui.Answers = {dest, "pw", "pw"};
        modVW::Encrypt(ui, kind, source);
        ASSERT_TRUE(ui.Messages().empty());
    }

    TempDir dir;
};

struct FaultCase {
    const char* Name;
    int16_t Kind;        // 1 or 2 to encrypt that kind, 0 to decrypt
    const char* Source;  // relative to the test folder
    const char* Dest;    // the file or folder the procedure is given
    bool DestExists;     // a file that must keep its old content
    const char* Report;  // "{dir}" is the test folder
};

const FaultCase kFaults[] = {
    {"EncryptFileToNewFile", 1, "file.bin", "new.vw3", false,
     "Error 61 - Cannot write '{dir}/new.vw3': File too large"},
    {"EncryptFileOverOldFile", 1, "file.bin", "old.vw3", true,
     "Error 61 - Cannot write '{dir}/old.vw3': File too large"},
    {"EncryptFolderPackage", 2, "folder", "new.vw3", false,
     "Error 75 - Cannot write '{dir}/temp/TempStuf.stuf': File too large"},
    {"DecryptFileToNewFile", 0, "file.vw3", "restored.bin", false,
     "Error 61 - Cannot write '{dir}/restored.bin': File too large"},
    {"DecryptFileOverOldFile", 0, "file.vw3", "old.bin", true,
     "Error 61 - Cannot write '{dir}/old.bin': File too large"},
    {"DecryptFolderPackage", 0, "folder.vw3", "out", false,
     "Error 61 - Cannot write '{dir}/temp/TempStuf.stuf': File too large"},
};

}  // namespace

TEST_F(WriteFault, ReportedAndNothingHalfWritten) {
    for (const FaultCase& c : kFaults) {
        SCOPED_TRACE(c.Name);
        const std::string dest = dir / c.Dest;
        if (c.DestExists) WriteFile(dest, "old");
        const auto before = Names(dir.Path());

        const auto messages = RunWithFileSizeLimit(kLimit, [&] {
            ScriptedInteraction ui;
            if (c.Kind == 0) {
                ui.Answers = {"pw", dest};
                modVW::Decrypt(ui, dir / c.Source);
            } else {
                ui.Answers = {dest, "pw", "pw"};
                modVW::Encrypt(ui, c.Kind, dir / c.Source);
            }
            return ui.Messages();
        });

        ASSERT_TRUE(messages) << "the child did not end normally";
        EXPECT_EQ(*messages, std::vector<std::string>{Replace(c.Report, "{dir}", dir.Path())});
        EXPECT_EQ(Names(dir.Path()), before) << "a file appeared or vanished beside the target";
        if (c.DestExists) {
            EXPECT_EQ(ReadText(dest), "old");
        }
        EXPECT_TRUE(fs::is_empty(dir / "temp"));
        EXPECT_TRUE(fs::is_empty(dir / "out"));
        if (c.DestExists) fs::remove(dest);
    }
}

// A package whose writing failed must not come back in the next operation: here
// the next decryption of another folder must restore that folder's files only.
TEST_F(WriteFault, FailedPackageDoesNotReturnInTheNextOperation) {
    fs::create_directory(dir / "other");
    WriteFile(dir / "other/three.txt", "3");
    Encrypt(2, dir / "other", dir / "other.vw3");

    const auto messages = RunWithFileSizeLimit(kLimit, [&] {
        ScriptedInteraction failing;
        failing.Answers = {dir / "new.vw3", "pw", "pw"};
        modVW::Encrypt(failing, 2, dir / "folder");
        LiftFileSizeLimit();
        ScriptedInteraction next;
        next.Answers = {"pw", dir / "out"};
        modVW::Decrypt(next, dir / "other.vw3");
        auto all = failing.Messages();
        for (const auto& m : next.Messages())
            all.push_back(m);
        return all;
    });

    ASSERT_TRUE(messages);
    EXPECT_EQ(messages->size(), 1u) << "only the failed encryption reports";
    EXPECT_EQ(Names(dir / "out"), std::set<std::string>{"three.txt"});
    EXPECT_TRUE(fs::is_empty(dir / "temp"));
}
