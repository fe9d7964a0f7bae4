// The per-user .vw3 association and the settings store, against throw-away XDG folders
// (and HOME) set before the first settings access: the real desktop is never touched.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QXmlStreamReader>

#include "ModFileExt.h"
#include "Settings.h"
#include "TempDir.h"
#include "ThunarActions.h"

namespace fs = std::filesystem;

namespace {

const TempDir sandbox;
const std::string Config = sandbox / "config", Data = sandbox / "data", System = sandbox / "system",
                  DesktopFile = Data + "/applications/moravi-vaultwise.desktop",
                  MimePackage = Data + "/mime/packages/moravi-vaultwise.xml",
                  MimeApps = Config + "/mimeapps.list";

std::string RegFileType() {
    return Settings::GetSetting("Moravi Vaultwise", "settings", "RegFileType", "-");
}

// The line of a key file that starts with `key=`, "" when none.
std::string LineFor(const std::string& text, const std::string& key) {
    const std::size_t at = text.find("\n" + key + "=");
    return at == std::string::npos ? "" : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

bool Installed(const std::string& tool) {
    return RunCommand("/", "command -v " + tool).status == 0;
}

class Shell : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::setenv("HOME", (sandbox / "home").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", Config.c_str(), 1);
        ::setenv("XDG_DATA_HOME", Data.c_str(), 1);
        // An installed copy on the test machine must not change what the tests see.
        ::setenv("XDG_DATA_DIRS", System.c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", System.c_str(), 1);
    }
    // Thunar set up for the user, so its actions are added whatever this machine holds.
    void SetUp() override {
        for (const std::string& folder : {Config, Data, System}) {
            fs::remove_all(folder);
            fs::create_directories(folder);
        }
        fs::create_directories(Config + "/Thunar");
    }
    void Register(const std::string& program = "/opt/vaultwise/vaultwise") {
        ModFileExt::RegisterFileType("vw3", "Encrypted file", program);
    }
    // An entry of tests/data/shell as the user's one, or as the installed one.
    void Put(const std::string& entry, const std::string& folder = Data) {
        fs::create_directories(folder + "/applications");
        WriteFile(folder + "/applications/moravi-vaultwise.desktop",
                  ReadText(DataPath("shell/" + entry)));
    }
};

}  // namespace

TEST_F(Shell, SettingsAreTextsPerApplication) {
    Settings::SaveSetting("App One", "settings", "Key", "a, b = c; d");
    Settings::SaveSetting("App Two", "settings", "Key", "other");
    EXPECT_EQ(Settings::GetSetting("App One", "settings", "Key", ""), "a, b = c; d");
    EXPECT_EQ(Settings::GetSetting("App One", "elsewhere", "Key", "none"), "none");
    EXPECT_EQ(Settings::GetSetting("App Two", "settings", "Key", ""), "other");
}

// Registered once, until the setting is removed or the association is gone (the package
// that provided it removed); the stored value is read like a Boolean.
// A failed registration (a file where the data folder should be) counts as done, as does
// one an installed entry makes needless: neither writes anything.
TEST_F(Shell, FirstStartRegistersOnce) {
    ModFileExt::RegisterOnFirstStart();
    EXPECT_EQ(LineFor(ReadText(DesktopFile), "TryExec"), "TryExec=" + ModFileExt::ProgramPath());
    EXPECT_NE(
        ReadText(Config + "/Moravi/Moravi Vaultwise.ini").find("[settings]\nRegFileType=True"),
        std::string::npos);
    for (const auto& row : ReadManifest("shell/stored-registration")) {
        const std::string& stored = row.at(0);
        const bool registers = row.at(1) == "registers";
        fs::remove(MimePackage);
        Settings::SaveSetting("Moravi Vaultwise", "settings", "RegFileType", stored);
        ModFileExt::RegisterOnFirstStart();
        EXPECT_EQ(fs::exists(MimePackage), registers) << '"' << stored << '"';
        EXPECT_EQ(RegFileType(), registers ? "True" : stored);
    }
    fs::remove(DesktopFile);
    ModFileExt::RegisterOnFirstStart();
    EXPECT_TRUE(fs::exists(DesktopFile)) << "registered again once the association is gone";
    fs::remove(Config + "/Moravi/Moravi Vaultwise.ini");
    fs::remove(DesktopFile);
    WriteFile(Data + "/blocked", "a file where a folder should be");
    ::setenv("XDG_DATA_HOME", (Data + "/blocked").c_str(), 1);
    EXPECT_NO_THROW(ModFileExt::RegisterOnFirstStart());
    ::setenv("XDG_DATA_HOME", Data.c_str(), 1);
    EXPECT_FALSE(fs::exists(DesktopFile));
    EXPECT_EQ(RegFileType(), "True");
    SetUp();
    Put("installed-entry.desktop", System);
    ModFileExt::RegisterOnFirstStart();
    EXPECT_FALSE(fs::exists(DesktopFile) || fs::exists(MimeApps));
    EXPECT_EQ(RegFileType(), "True");
    EXPECT_EQ(fs::path(ModFileExt::ProgramPath()).filename(), "shell_tests");
}

TEST_F(Shell, MimePackageDesktopEntryAndCaches) {
    Register();
    // The installed package names the program in its comments; the user's keeps the
    // classic type name.
    EXPECT_EQ(ReadText(MimePackage), Replace(ReadText(VW_SHELL_DATA "/moravi-vaultwise.xml"),
                                             "Moravi Vaultwise encrypted file", "Encrypted file"));
    EXPECT_EQ(LineFor(ReadText(DesktopFile), "Exec"), "Exec=/opt/vaultwise/vaultwise %f")
        << "generic launchers take the first word of Exec as the program";
    EXPECT_EQ(LineFor(ReadText(DesktopFile), "MimeType"),
              "MimeType=application/x-vaultwise-encrypted;application/x-vaultwise-sealed;");
    // Reserved characters: the path is quoted and escaped.
    Register(Data + "/My Apps/\"Q\" $HOME `x` back\\slash 100%/vw");
    EXPECT_EQ(LineFor(ReadText(DesktopFile), "Exec"),
              "Exec=\"" + Data + R"(/My Apps/\\"Q\\" \\$HOME \\`x\\` back\\\\slash 100%%/vw" %f)");
    if (Installed("desktop-file-validate")) {
        const auto tool = RunCommand("/", "desktop-file-validate '" + DesktopFile + "'");
        EXPECT_EQ(std::to_string(tool.status) + tool.out + tool.err, "0");
    }
    // The desktop's caches are rebuilt.
    for (const char* icon : {"encrypted.svg", "sealed.svg"})
        EXPECT_EQ(
            ReadText(Data + "/icons/hicolor/scalable/mimetypes/application-x-vaultwise-" + icon),
            ReadText(VW_SHELL_DATA "/icons/application-x-vaultwise-" + std::string(icon)));
    if (!Installed("update-mime-database")) GTEST_SKIP() << "update-mime-database missing";
    EXPECT_NE(ReadText(Data + "/mime/globs2").find("application/x-vaultwise-encrypted:*.vw3"),
              std::string::npos);
    EXPECT_NE(ReadText(Data + "/mime/magic").find("\x89VWS\r\n\x1a\n"), std::string::npos);
    if (!Installed("update-desktop-database")) GTEST_SKIP() << "update-desktop-database missing";
    EXPECT_NE(ReadText(Data + "/applications/mimeinfo.cache")
                  .find("application/x-vaultwise-encrypted=moravi-vaultwise.desktop;"),
              std::string::npos);
}

// Each mimeapps.list of tests/data/shell/mimeapps, registered over twice; a linked
// one is written through its link.
TEST_F(Shell, MimeAppsListNamesUsAsDefaultAndKeepsOtherLines) {
    for (const auto& row : ReadManifest("shell/mimeapps")) {
        WriteFile(MimeApps, row.at(0));
        Register();
        EXPECT_EQ(ReadText(MimeApps), row.at(1));
        Register();
        EXPECT_EQ(ReadText(MimeApps), row.at(1)) << "registered again";
    }
    fs::remove(MimeApps);
    WriteFile(Config + "/real.list", "");
    fs::create_symlink(Config + "/real.list", MimeApps);
    Register();
    EXPECT_TRUE(fs::is_symlink(MimeApps));
    EXPECT_EQ(ReadText(Config + "/real.list"), ReadManifest("shell/mimeapps").at(0).at(1));
}

// The rows of tests/data/shell/follow: an entry the program wrote follows the program
// that runs now, one that would hide an installed entry goes, a user's own one stays.
TEST_F(Shell, EntryFollowsTheRunningProgram) {
    const std::string self = ModFileExt::ProgramPath();
    for (const auto& row : ReadManifest("shell/follow")) {
        SetUp();
        const std::string before = Replace(row.at(1), "{self}", self);
        if (before.ends_with(".desktop"))
            Put(before);
        else
            Register(before);
        if (!row.at(2).empty()) Put(row.at(2), System);
        ModFileExt::FollowProgram();
        EXPECT_EQ(LineFor(ReadText(DesktopFile), "TryExec"), Replace(row.at(3), "{self}", self))
            << row.at(0);
        EXPECT_TRUE(row.at(2).empty() || !fs::exists(MimePackage)) << row.at(0);
    }
}

// Only what the registration wrote goes, each item named: other lines of mimeapps.list,
// a default the user gave another program, another MIME package and a user's own entry
// stay; a second run finds nothing; a MIME database built from our package alone goes.
TEST_F(Shell, UnregisterRemovesExactlyWhatItWrote) {
    const std::string others = Data + "/mime/packages/other.xml",
                      list = "[Default Applications]\ntext/plain=a.desktop\n",
                      ours = MimeApps + ": application/x-vaultwise-",
                      Icons = Data + "/icons/hicolor/scalable/mimetypes/application-x-vaultwise-";
    fs::create_directories(Data + "/mime/packages");
    WriteFile(others, "<mime-info/>");
    WriteFile(MimeApps, list);
    ModFileExt::RegisterOnFirstStart();
    EXPECT_EQ(ModFileExt::UnregisterFileType(),
              (std::vector<std::string>{
                  DesktopFile, MimePackage, Icons + "encrypted.svg", Icons + "sealed.svg",
                  Config + "/Thunar/uca.xml: Encrypt with Vaultwise, Decrypt with Vaultwise",
                  Data + "/Thunar/sendto/moravi-vaultwise-decrypt.desktop",
                  ours + "encrypted=moravi-vaultwise.desktop",
                  ours + "sealed=moravi-vaultwise.desktop", "setting RegFileType"}));
    EXPECT_FALSE(fs::exists(Config + "/Thunar/uca.xml")) << "it held nothing but ours";
    EXPECT_FALSE(fs::exists(Data + "/Thunar")) << "nor did the Send To folder";
    EXPECT_TRUE(!fs::exists(Config + "/Moravi") && fs::exists(others));
    EXPECT_EQ(ReadText(MimeApps), list);
    EXPECT_TRUE(ModFileExt::UnregisterFileType().empty());
    Put("users-own-entry.desktop");
    ModFileExt::UnregisterFileType();
    EXPECT_TRUE(fs::exists(DesktopFile));
    fs::remove(others);
    Register();
    WriteFile(MimeApps, Replace(ReadText(MimeApps), "encrypted=moravi-vaultwise", "encrypted=x"));
    EXPECT_EQ(
        ModFileExt::UnregisterFileType(),
        (std::vector<std::string>{DesktopFile, MimePackage, Icons + "encrypted.svg",
                                  Icons + "sealed.svg", ours + "sealed=moravi-vaultwise.desktop"}));
    EXPECT_FALSE(fs::exists(Data + "/mime"));
    EXPECT_EQ(ReadText(MimeApps), list + "application/x-vaultwise-encrypted=x.desktop\n");
}

// Thunar's actions join the user's own, once however often the registration runs, and
// name the running program, also after it moved; the unregistration leaves the user's
// file as it was.
TEST_F(Shell, ThunarActionsJoinTheUsersOwn) {
    const std::string uca = Config + "/Thunar/uca.xml",
                      own =
                          "<?xml version=\"1.0\"?>\n<actions>\n<action>\n\t<name>Mine</name>\n"
                          "\t<unique-id>1-2</unique-id>\n</action>\n</actions>\n";
    WriteFile(uca, own);
    for (int start = 0; start < 2; ++start) {
        Settings::DeleteSetting("Moravi Vaultwise", "settings", "RegFileType");
        ModFileExt::RegisterOnFirstStart();
    }
    const std::string text = ReadText(uca);
    EXPECT_EQ(Replace(text, "<unique-id>moravi-vaultwise-", "").size() + 2 * 28, text.size());
    EXPECT_NE(text.find("<command>&apos;" + ModFileExt::ProgramPath() + "&apos; --decrypt %F<"),
              std::string::npos);
    EXPECT_TRUE(text.starts_with(own.substr(0, own.size() - 11))) << text;
    const std::string sendTo = Data + "/Thunar/sendto/moravi-vaultwise-decrypt.desktop";
    EXPECT_NE(ReadText(sendTo).find(" --decrypt %F\nMimeType=application/x-vaultwise-encrypted;"),
              std::string::npos);
    WriteFile(uca, Replace(text, ModFileExt::ProgramPath(), "/gone/vaultwise"));
    ModFileExt::FollowProgram();
    EXPECT_EQ(ReadText(uca), text) << "the actions follow the running program";
    if (Installed("xmllint")) {
        EXPECT_EQ(RunCommand("/", "xmllint --noout '" + uca + "'").status, 0);
    }
    ModFileExt::UnregisterFileType();
    EXPECT_EQ(ReadText(uca), own);
    EXPECT_FALSE(fs::exists(sendTo));
}

// The action's command, read as Thunar reads it (XML, then split like a shell), names
// the program whatever its path holds: quotes, spaces, a dollar sign.
TEST_F(Shell, ThunarCommandNamesAnyProgramPath) {
    const std::string program = "/opt/it's \"here\" $HOME/vaultwise";
    QXmlStreamReader xml(ModFileExt::WithThunarActions("", QString::fromStdString(program)));
    while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::StartElement &&
                             xml.name() == QLatin1String("command"))) {
    }
    const std::string command = xml.readElementText().toStdString();
    const auto r = RunCommand("/", "eval \"set -- $(cat)\"; printf %s \"$1\"", command);
    EXPECT_EQ(r.out, program) << command;
}
