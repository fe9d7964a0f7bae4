// The per-user .vw3 association and the settings store, against throw-away XDG
// folders (and HOME) set before the first settings access, so the real desktop
// configuration is never touched.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ModFileExt.h"
#include "Settings.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

const TempDir& Sandbox() {
    static const TempDir sandbox;
    return sandbox;
}
std::string Config() {
    return Sandbox() / "config";
}
std::string Data() {
    return Sandbox() / "data";
}
std::string DesktopFile() {
    return Data() + "/applications/moravi-vaultwise.desktop";
}
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
        ::setenv("HOME", (Sandbox() / "home").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
        ::setenv("XDG_DATA_HOME", Data().c_str(), 1);
    }
    void SetUp() override {
        for (const std::string& folder : {Config(), Data()}) {
            fs::remove_all(folder);
            fs::create_directories(folder);
        }
    }
    void Register(const std::string& program = "/opt/vaultwise/vaultwise") {
        ModFileExt::RegisterFileType("vw3", "Encrypted file", program);
    }
};

}  // namespace

TEST_F(Shell, SettingsAreTextsPerApplication) {
    EXPECT_EQ(Settings::GetSetting("App One", "settings", "Key", "fallback"), "fallback");
    Settings::SaveSetting("App One", "settings", "Key", "a, b = c; d");
    Settings::SaveSetting("App Two", "settings", "Key", "other");
    EXPECT_EQ(Settings::GetSetting("App One", "settings", "Key", ""), "a, b = c; d");
    EXPECT_EQ(Settings::GetSetting("App One", "elsewhere", "Key", "none"), "none");
    EXPECT_EQ(Settings::GetSetting("App Two", "settings", "Key", ""), "other");
    EXPECT_TRUE(fs::exists(Config() + "/Moravi/App One.ini"));
}

// Registered once, until the setting is removed; the stored value is read like a
// Boolean; a failed registration (a file where the data folder should be) counts as done.
TEST_F(Shell, FirstStartRegistersOnce) {
    ModFileExt::RegisterOnFirstStart();
    EXPECT_NE(ReadText(DesktopFile()).find("Exec=" + ModFileExt::ProgramPath() + " %f"),
              std::string::npos);
    EXPECT_NE(
        ReadText(Config() + "/Moravi/Moravi Vaultwise.ini").find("[settings]\nRegFileType=True"),
        std::string::npos);
    for (const auto& [stored, registers] : {std::pair{"True", false},
                                            {"true", false},
                                            {"1", false},
                                            {"-1", false},
                                            {"False", true},
                                            {"0", true},
                                            {"", true},
                                            {"yes", true}}) {
        fs::remove(DesktopFile());
        Settings::SaveSetting("Moravi Vaultwise", "settings", "RegFileType", stored);
        ModFileExt::RegisterOnFirstStart();
        EXPECT_EQ(fs::exists(DesktopFile()), registers) << '"' << stored << '"';
        EXPECT_EQ(RegFileType(), registers ? "True" : stored);
    }
    fs::remove(Config() + "/Moravi/Moravi Vaultwise.ini");
    fs::remove(DesktopFile());
    WriteFile(Data() + "/blocked", "a file where a folder should be");
    ::setenv("XDG_DATA_HOME", (Data() + "/blocked").c_str(), 1);
    EXPECT_NO_THROW(ModFileExt::RegisterOnFirstStart());
    ::setenv("XDG_DATA_HOME", Data().c_str(), 1);
    EXPECT_FALSE(fs::exists(DesktopFile()));
    EXPECT_EQ(RegFileType(), "True");
    EXPECT_EQ(fs::path(ModFileExt::ProgramPath()).filename(), "shell_tests");
}

TEST_F(Shell, MimePackageAndDesktopEntry) {
    Register();
    // The installed package names the program in its comments; the user's keeps the
    // classic type name.
    EXPECT_EQ(ReadText(Data() + "/mime/packages/moravi-vaultwise.xml"),
              Replace(ReadText(VW_SHELL_DATA "/moravi-vaultwise.xml"),
                      "Moravi Vaultwise encrypted file", "Encrypted file"));
    EXPECT_EQ(LineFor(ReadText(DesktopFile()), "Exec"), "Exec=/opt/vaultwise/vaultwise %f")
        << "generic launchers take the first word of Exec as the program";
    EXPECT_EQ(LineFor(ReadText(DesktopFile()), "MimeType"),
              "MimeType=application/x-vaultwise-encrypted;application/x-vaultwise-sealed;");
    // Reserved characters: the path is quoted and escaped.
    Register(Data() + "/My Apps/\"Q\" $HOME `x` back\\slash 100%/vw");
    EXPECT_EQ(
        LineFor(ReadText(DesktopFile()), "Exec"),
        "Exec=\"" + Data() + R"(/My Apps/\\"Q\\" \\$HOME \\`x\\` back\\\\slash 100%%/vw" %f)");
    for (const std::string& file :
         {DesktopFile(), std::string(VW_SHELL_DATA) + "/moravi-vaultwise.desktop"}) {
        if (!Installed("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate missing";
        const auto tool = RunCommand("/", "desktop-file-validate '" + file + "'");
        EXPECT_EQ(tool.status, 0) << file << "\n" << tool.out;
        EXPECT_EQ(tool.out + tool.err, "") << file;
    }
}

// Each mimeapps.list of tests/data/shell/mimeapps, registered over twice; a linked
// one is written through its link.
TEST_F(Shell, MimeAppsListNamesUsAsDefaultAndKeepsOtherLines) {
    for (const auto& row : ReadManifest("shell/mimeapps")) {
        WriteFile(Config() + "/mimeapps.list", row.at(0));
        Register();
        EXPECT_EQ(ReadText(Config() + "/mimeapps.list"), row.at(1));
        Register();
        EXPECT_EQ(ReadText(Config() + "/mimeapps.list"), row.at(1)) << "registered again";
    }
    fs::remove(Config() + "/mimeapps.list");
    WriteFile(Config() + "/real.list", "");
    fs::create_symlink(Config() + "/real.list", Config() + "/mimeapps.list");
    Register();
    EXPECT_TRUE(fs::is_symlink(Config() + "/mimeapps.list"));
    EXPECT_EQ(ReadText(Config() + "/real.list"), ReadManifest("shell/mimeapps").at(0).at(1));
}

TEST_F(Shell, DesktopCachesAreRebuilt) {
    Register();
    if (!Installed("update-mime-database")) GTEST_SKIP() << "update-mime-database missing";
    EXPECT_NE(ReadText(Data() + "/mime/globs2").find("application/x-vaultwise-encrypted:*.vw3"),
              std::string::npos);
    if (!Installed("update-desktop-database")) GTEST_SKIP() << "update-desktop-database missing";
    EXPECT_NE(ReadText(Data() + "/applications/mimeinfo.cache")
                  .find("application/x-vaultwise-encrypted=moravi-vaultwise.desktop;"),
              std::string::npos);
}
