// Encrypt and Decrypt end to end, with every question answered from a script.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "Procedures.h"
#include "Progress.h"
#include "RecordFile.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"
#include "TemporaryPackage.h"

using namespace modVW;
namespace fs = std::filesystem;

namespace {

const std::string kEnter = "Please enter a password for the encrypted file:";
const std::string kConfirm = "Please confirm the password for the encrypted file:";
const std::string kAsk = "Please enter the password for the encrypted file:";
const std::string kMismatch = "Error: The passwords you have typed do not match.";
const std::string kIncorrect = "Error: You have entered an incorrect password.";

class Procedures : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("VAULTWISE_TEMP_DIR", temp.Path().c_str(), 1); }
    void TearDown() override { ::unsetenv("VAULTWISE_TEMP_DIR"); }

    // Encrypts `source` (kind 1 or 2) to `dest` with `password`; returns the log.
    ScriptedInteraction EncryptTo(int16_t kind, const std::string& source, const std::string& dest,
                                  const std::string& password = "pw") {
        ScriptedInteraction ui;
        ui.Answers = {dest, password, password};
        Encrypt(ui, kind, source);
        EXPECT_FALSE(fs::exists(TemporaryPackagePath())) << "temporary package left behind";
        return ui;
    }

    bool TempPackageGone() const { return !fs::exists(TemporaryPackagePath()); }

    TempDir temp;  // holds the temporary package
    TempDir dir;   // the user's files
};

std::vector<uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

}  // namespace

TEST_F(Procedures, FileRoundTripsWithItsName) {
    for (const std::string name : {"plain.txt", "with space é.doc", "empty"}) {
        const auto content = name == "empty" ? std::vector<uint8_t>{} : Bytes("content of " + name);
        WriteFile(dir / name, content);
        auto enc = EncryptTo(1, dir / name, dir / "x.vw3");
        EXPECT_EQ(enc.Kinds(), (std::vector<std::string>{"save", "password", "password"}));
        EXPECT_EQ(ReadRecord(dir / "x.vw3").SourceName,
                  name == "with space é.doc" ? std::string("with space \xE9.doc") : name);

        ScriptedInteraction dec;
        dec.Answers = {"PW", dir / "out"};
        Decrypt(dec, dir / "x.vw3");
        EXPECT_EQ(dec.Kinds(), (std::vector<std::string>{"password", "save"}));
        EXPECT_EQ(dec.Log[1].Request.InitialName, name);
        if (name == "empty") {  // a name without a dot
            EXPECT_EQ(dec.Log[1].Request.Filter, " Files (*.)|*.|All Files (*.*)|*.*");
        }
        EXPECT_EQ(ReadFile(dir / "out"), content) << name;
        EXPECT_TRUE(dec.Messages().empty());
    }
}

TEST_F(Procedures, DialogsCarryTheirTitlesFiltersAndFlags) {
    WriteFile(dir / "a.doc", Bytes("x"));
    ScriptedInteraction enc;
    enc.Answers = {dir / "a.doc", dir / "a.vw3", "p", "p"};
    Encrypt(enc, 1, "");
    ASSERT_EQ(enc.Log.size(), 4u);
    EXPECT_EQ(enc.Log[0].Text, "Encrypt File");
    EXPECT_EQ(enc.Log[0].Request.Filter, "All Files (*.*)|*.*");
    EXPECT_EQ(enc.Log[0].Request.Flags, 4u);
    EXPECT_EQ(enc.Log[1].Text, "Destination encrypted file");
    EXPECT_EQ(enc.Log[1].Request.Filter,
              "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|All Files (*.*)|*.*|"
              "Sealed Vaultwise files (*.vws)|*.vws");
    EXPECT_EQ(enc.Log[1].Request.Flags, 0x2004u);
    EXPECT_EQ(enc.Log[2].Text, kEnter);
    EXPECT_EQ(enc.Log[3].Text, kConfirm);

    ScriptedInteraction dec;
    dec.Answers = {dir / "a.vw3", "p", ""};
    Decrypt(dec, "");
    ASSERT_EQ(dec.Log.size(), 3u);
    EXPECT_EQ(dec.Log[0].Text, "Source encrypted file");
    EXPECT_EQ(dec.Log[0].Request.Filter,
              "All Files (*.*)|*.*|Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|"
              "Sealed Vaultwise files (*.vws)|*.vws");
    EXPECT_EQ(dec.Log[1].Text, kAsk);
    EXPECT_EQ(dec.Log[2].Text, "Destination file");
    EXPECT_EQ(dec.Log[2].Request.Filter, "DOC Files (*.doc)|*.doc|All Files (*.*)|*.*");
    EXPECT_EQ(dec.Log[2].Request.Flags, 0x2004u);
}

TEST_F(Procedures, StreamedPayloadsPublishTheByteLoopPercentages) {
    WriteFile(dir / "eight", Bytes("12345678"));
    for (bool decrypting : {false, true}) {
        ScriptedInteraction ui;
        std::vector<int32_t> seen;
        ui.OnEvents = [&] { seen.push_back(CurrentProgress); };
        if (decrypting) {
            ui.Answers = {"pw", dir / "back"};
            Decrypt(ui, dir / "eight.vw3");
        } else {
            ui.Answers = {dir / "eight.vw3", "pw", "pw"};
            Encrypt(ui, 1, dir / "eight");
        }
        EXPECT_EQ(seen, (std::vector<int32_t>{0, 12, 25, 38, 50, 62, 75, 88})) << decrypting;
    }
    EXPECT_EQ(ReadFile(dir / "back"), Bytes("12345678"));
}

TEST_F(Procedures, MismatchAndCaseOfTheConfirmation) {
    WriteFile(dir / "a", Bytes("abc"));
    ScriptedInteraction ui;
    ui.Answers = {dir / "a.vw3", "Secret", "secret", "Secret", "", "Secret", "Secret"};
    Encrypt(ui, 1, dir / "a");
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{kMismatch, kMismatch}));
    EXPECT_EQ(ui.Log[3].Style, 48);
    ASSERT_TRUE(fs::exists(dir / "a.vw3"));

    // Decryption ignores letter case; a wrong password loops until one matches.
    ScriptedInteraction dec;
    dec.Answers = {"wrong", "also wrong", "sECRET", dir / "b"};
    Decrypt(dec, dir / "a.vw3");
    EXPECT_EQ(dec.Messages(), (std::vector<std::string>{kIncorrect, kIncorrect}));
    EXPECT_EQ(ReadFile(dir / "b"), Bytes("abc"));
}

TEST_F(Procedures, EveryCancelEndsSilentlyAndLeavesNothing) {
    WriteFile(dir / "a", Bytes("abc"));
    fs::create_directory(dir / "folder");
    WriteFile(dir / "folder/f", Bytes("f"));
    struct Case {
        int16_t kind;
        std::string source;
        std::deque<std::string> answers;
    };
    const Case cases[] = {
        {1, "", {""}},                                  // open dialog
        {1, dir / "a", {""}},                           // save dialog
        {1, dir / "a", {dir / "o.vw3", ""}},            // first password
        {2, "", {""}},                                  // folder picker
        {2, dir / "folder", {""}},                      // save dialog after packing
        {2, dir / "folder", {dir / "o.vw3", ""}},       // first password after packing
        {2, dir / "folder", {dir / "o.vw3", "a", ""}},  // mismatch, then cancel
    };
    for (const auto& c : cases) {
        ScriptedInteraction ui;
        ui.Answers = c.answers;
        Encrypt(ui, c.kind, c.source);
        EXPECT_FALSE(fs::exists(dir / "o.vw3"));
        EXPECT_TRUE(TempPackageGone());
        for (const auto& m : ui.Messages())
            EXPECT_EQ(m, kMismatch);
    }

    EncryptTo(1, dir / "a", dir / "a.vw3");
    EncryptTo(2, dir / "folder", dir / "f.vw3");
    const std::pair<std::string, std::deque<std::string>> decrypts[] = {
        {"", {""}},                    // open dialog
        {dir / "a.vw3", {""}},         // password
        {dir / "a.vw3", {"pw", ""}},   // save dialog
        {dir / "a.vw3", {"pw", "a"}},  // save dialog handing back the bare stored name
        {dir / "f.vw3", {"pw", ""}},   // folder picker
    };
    const auto before = std::distance(fs::directory_iterator(dir.Path()), {});
    for (const auto& [source, answers] : decrypts) {
        ScriptedInteraction ui;
        ui.Answers = answers;
        Decrypt(ui, source);
        EXPECT_TRUE(ui.Messages().empty());
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), before);
        EXPECT_TRUE(TempPackageGone());
    }
}

TEST_F(Procedures, EncryptingAFileOntoItself) {
    WriteFile(dir / "a", Bytes("the original"));
    EncryptTo(1, dir / "a", dir / "a");
    ScriptedInteraction dec;
    dec.Answers = {"pw", dir / "a"};  // and decrypting it onto itself again
    Decrypt(dec, dir / "a");
    EXPECT_EQ(ReadFile(dir / "a"), Bytes("the original"));
}

TEST_F(Procedures, LongerDestinationsKeepOrLoseTheirTailAsWritten) {
    WriteFile(dir / "a", Bytes("abc"));
    WriteFile(dir / "a.vw3", std::vector<uint8_t>(2000, 0xEE));
    EncryptTo(1, dir / "a", dir / "a.vw3");
    EXPECT_EQ(fs::file_size(dir / "a.vw3"), 2000u) << "the encrypted file keeps the old length";

    WriteFile(dir / "out", std::vector<uint8_t>(50, 1));
    ScriptedInteraction dec;
    dec.Answers = {"pw", dir / "out"};
    Decrypt(dec, dir / "a.vw3");
    EXPECT_EQ(ReadFile(dir / "out"), Bytes("abc")) << "the restored file is exactly the payload";
}

TEST_F(Procedures, FileReplacedBetweenAttemptsIsReadAgain) {
    WriteFile(dir / "one", Bytes("one"));
    WriteFile(dir / "two", Bytes("two"));
    EncryptTo(1, dir / "one", dir / "x.vw3", "first");
    EncryptTo(1, dir / "two", dir / "two.vw3", "second");

    // Before the second prompt, x.vw3 is replaced by a file that "second" opens.
    struct SwappingUi : ScriptedInteraction {
        std::function<void()> beforeSecondPrompt;
        int prompts = 0;
        std::string PasswordDialog(const std::string& prompt) override {
            if (++prompts == 2) beforeSecondPrompt();
            return ScriptedInteraction::PasswordDialog(prompt);
        }
    } ui;
    ui.beforeSecondPrompt = [&] {
        fs::copy_file(dir / "two.vw3", dir / "x.vw3", fs::copy_options::overwrite_existing);
    };
    ui.Answers = {"second", "second", dir / "out"};
    Decrypt(ui, dir / "x.vw3");
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{kIncorrect}));
    EXPECT_EQ(ReadFile(dir / "out"), Bytes("two"));
}

TEST_F(Procedures, FolderRoundTripWithOwnFilesOnly) {
    const std::string src = dir / "my folder";
    fs::create_directories(src + "/sub");
    WriteFile(src + "/a b.txt", Bytes("hello"));
    WriteFile(src + "/café.txt", Bytes("accent"));
    WriteFile(src + "/zero", {});
    WriteFile(src + "/sub/deep", Bytes("not included"));
    auto enc = EncryptTo(2, src, dir / "f.vw3");
    EXPECT_EQ(ReadRecord(dir / "f.vw3").SourceName, "TempStuf.stuf");
    EXPECT_EQ(ReadRecord(dir / "f.vw3").SourceKind, 2);

    ScriptedInteraction dec;
    dec.Answers = {"pw", dir / "restored"};
    Decrypt(dec, dir / "f.vw3");
    EXPECT_EQ(dec.Kinds(), (std::vector<std::string>{"password", "folder"}));
    EXPECT_EQ(dec.Log[1].Text, "Please select the folder in which to place the encrypted files:");
    EXPECT_EQ(ReadFile(dir / "restored/a b.txt"), Bytes("hello"));
    EXPECT_EQ(ReadFile(dir / "restored/café.txt"), Bytes("accent"));
    EXPECT_TRUE(fs::exists(dir / "restored/zero"));
    EXPECT_FALSE(fs::exists(dir / "restored/sub"));
    EXPECT_TRUE(TempPackageGone());
}

TEST_F(Procedures, TemporaryPackageIsForItsOwnerOnly) {
    fs::create_directory(dir / "folder");
    WriteFile(dir / "folder/secret.txt", Bytes("plain"));
    struct Peeking : ScriptedInteraction {
        fs::perms seen{};
        std::string ShowSave(const FileDialogRequest& r) override {
            seen = fs::status(TemporaryPackagePath()).permissions();  // the package is built now
            return ScriptedInteraction::ShowSave(r);
        }
    } ui;
    Encrypt(ui, 2, dir / "folder");
    EXPECT_EQ(ui.seen & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Procedures, FolderOperationsRunSideBySide) {
    fs::create_directory(dir / "folder");
    WriteFile(dir / "folder/a", Bytes("a"));
    const TemporaryPackage busy;  // as another running operation would hold it
    ScriptedInteraction ui;
    ui.Answers = {dir / "f.vw3", "pw", "pw"};
    Encrypt(ui, 2, dir / "folder");
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(ReadRecord(dir / "f.vw3").SourceName, "TempStuf.stuf");
}

TEST_F(Procedures, EmptyFolderAndOtherKindsUnpackAsFolders) {
    fs::create_directory(dir / "empty");
    ScriptedInteraction enc;
    enc.Answers = {dir / "empty", dir / "e.vw3", "pw", "pw"};
    Encrypt(enc, 2, "");
    EXPECT_EQ(enc.Log[0].Text, "Please select a folder to encrypt:");
    for (int16_t kind : {2, 0, 3}) {
        auto record = ReadRecord(dir / "e.vw3");
        record.SourceKind = kind;
        WriteRecord(dir / "k.vw3", record);
        fs::remove_all(dir / "out");
        ScriptedInteraction dec;
        dec.Answers = {"pw", dir / "out"};
        Decrypt(dec, dir / "k.vw3");
        EXPECT_TRUE(dec.Messages().empty()) << kind;
        EXPECT_TRUE(fs::is_directory(dir / "out")) << kind;
        EXPECT_TRUE(fs::is_empty(dir / "out")) << kind;
    }
}

TEST_F(Procedures, DamagedFileEndsInAnErrorReportWritingNothing) {
    WriteFile(dir / "a", Bytes("abc"));
    EncryptTo(1, dir / "a", dir / "a.vw3");
    auto bytes = ReadFile(dir / "a.vw3");
    bytes.resize(bytes.size() - 100);  // the table is cut short
    WriteFile(dir / "cut.vw3", bytes);
    ScriptedInteraction ui;
    ui.Answers = {"pw", dir / "out"};
    Decrypt(ui, dir / "cut.vw3");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].rfind("Error 62 - ", 0), 0u) << ui.Messages()[0];
    EXPECT_FALSE(fs::exists(dir / "out"));

    ScriptedInteraction missing;
    missing.Answers = {dir / "x.vw3", "pw", "pw"};
    Encrypt(missing, 1, dir / "does-not-exist");
    ASSERT_EQ(missing.Messages().size(), 1u);
    EXPECT_EQ(missing.Messages()[0].rfind("Error 53 - ", 0), 0u);
    EXPECT_FALSE(fs::exists(dir / "x.vw3"));
}
