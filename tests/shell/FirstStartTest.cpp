#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ModFileExt.h"
#include "Settings.h"
#include "XdgSandbox.h"

namespace fs = std::filesystem;

namespace {

constexpr char Product[] = "Moravi Vaultwise";

std::string DesktopFile() {
    return xdg::DataHome() + "/applications/moravi-vaultwise.desktop";
}
std::string SettingsFile() {
    return xdg::ConfigHome() + "/Moravi/Moravi Vaultwise.ini";
}
std::string RegFileType() {
    return Settings::GetSetting(Product, "settings", "RegFileType", "-");
}

using SettingsStore = XdgTest;
using FirstStart = XdgTest;

}  // namespace

TEST_F(SettingsStore, KeepsTextsPerApplicationUnderXdgConfigHome) {
    EXPECT_EQ(Settings::GetSetting("App One", "settings", "Key", "fallback"), "fallback");
    Settings::SaveSetting("App One", "settings", "Key", "a, b = c; d");
    Settings::SaveSetting("App Two", "settings", "Key", "other");
    EXPECT_EQ(Settings::GetSetting("App One", "settings", "Key", ""), "a, b = c; d");
    EXPECT_EQ(Settings::GetSetting("App One", "elsewhere", "Key", "none"), "none");
    EXPECT_EQ(Settings::GetSetting("App Two", "settings", "Key", ""), "other");
    EXPECT_TRUE(fs::exists(xdg::ConfigHome() + "/Moravi/App One.ini"));
}

TEST_F(FirstStart, RegistersOnceUntilTheSettingIsRemoved) {
    ModFileExt::RegisterOnFirstStart();
    ASSERT_TRUE(fs::exists(DesktopFile()));
    EXPECT_EQ(RegFileType(), "True");
    EXPECT_NE(xdg::ReadText(SettingsFile()).find("[settings]\nRegFileType=True"),
              std::string::npos);
    EXPECT_NE(xdg::ReadText(DesktopFile()).find("Exec=" + ModFileExt::ProgramPath() + " %f"),
              std::string::npos);

    fs::remove(DesktopFile());
    ModFileExt::RegisterOnFirstStart();
    EXPECT_FALSE(fs::exists(DesktopFile())) << "registered again although the setting says done";

    fs::remove(SettingsFile());
    ModFileExt::RegisterOnFirstStart();
    EXPECT_TRUE(fs::exists(DesktopFile()));
    EXPECT_EQ(RegFileType(), "True");
}

TEST_F(FirstStart, StoredValueIsReadLikeABoolean) {
    for (const auto& [stored, registers] : {std::pair{"True", false},
                                            {"true", false},
                                            {"1", false},
                                            {"-1", false},
                                            {"False", true},
                                            {"0", true},
                                            {"", true},
                                            {"yes", true}}) {
        fs::remove(DesktopFile());
        Settings::SaveSetting(Product, "settings", "RegFileType", stored);
        ModFileExt::RegisterOnFirstStart();
        EXPECT_EQ(fs::exists(DesktopFile()), registers) << '"' << stored << '"';
        EXPECT_EQ(RegFileType(), registers ? "True" : stored);
    }
}

TEST(ProgramPath, IsThisRunningProgram) {
    const fs::path self = ModFileExt::ProgramPath();
    EXPECT_TRUE(self.is_absolute());
    EXPECT_EQ(self.filename(), "shell_tests");
    EXPECT_TRUE(fs::is_regular_file(self));
}

namespace {

std::string Data(const std::string& name) {
    return xdg::ReadText(VW_TEST_DATA "/shell/" + name);
}
std::string MimePackage() {
    return xdg::DataHome() + "/mime/packages/moravi-vaultwise.xml";
}
std::string MimeApps() {
    return xdg::ConfigHome() + "/mimeapps.list";
}
void Install(const std::string& entry) {
    xdg::WriteText(xdg::SystemDataDir() + "/applications/moravi-vaultwise.desktop", Data(entry));
}
// The program named on the entry's TryExec line, "" when none.
std::string TryExec(const std::string& entry) {
    const std::size_t at = entry.find("\nTryExec=");
    return at == std::string::npos ? "" : entry.substr(at + 9, entry.find('\n', at + 1) - at - 9);
}

using Registration = XdgTest;

}  // namespace

// An entry the program wrote follows the program that runs now; one that would
// hide an installed entry goes; a user's own entry is never touched.
TEST_F(Registration, EntryFollowsTheRunningProgram) {
    const std::string self = ModFileExt::ProgramPath();
    struct Case {
        const char* name;
        std::string registeredBy;   // program a registration wrote the entry for, or
        const char* entryFile;      // an entry from tests/data
        const char* installed;      // installed entry in the system folder, or nullptr
        std::string expectTryExec;  // "" when the entry must be gone
    };
    const Case cases[] = {
        {"moved program", "/gone/vaultwise", nullptr, nullptr, self},
        {"same program", self, nullptr, nullptr, self},
        {"earlier entry", "", "earlier-entry.desktop", nullptr, self},
        {"now installed", "/gone/vaultwise", nullptr, "installed-entry.desktop", ""},
        {"user's own", "", "users-own-entry.desktop", "installed-entry.desktop", "/gone/vaultwise"},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.entryFile)
            xdg::WriteText(DesktopFile(), Data(c.entryFile));
        else
            ModFileExt::RegisterFileType("vw3", "Encrypted file", c.registeredBy);
        if (c.installed) Install(c.installed);
        ModFileExt::FollowProgram();
        EXPECT_EQ(TryExec(xdg::ReadText(DesktopFile())), c.expectTryExec) << c.name;
        EXPECT_TRUE(!c.installed || !fs::exists(MimePackage())) << c.name;
    }
}

TEST_F(Registration, NeverHidesAnInstalledEntryNorNamesNoProgram) {
    ModFileExt::RegisterFileType("vw3", "Encrypted file", "");
    EXPECT_FALSE(fs::exists(DesktopFile()));
    Install("installed-entry.desktop");
    ModFileExt::RegisterOnFirstStart();
    EXPECT_FALSE(fs::exists(DesktopFile()));
    EXPECT_FALSE(fs::exists(MimeApps()));
    EXPECT_EQ(RegFileType(), "True");
}

// Only what the registration wrote goes: other lines of mimeapps.list and a
// user's own entry stay; a second run finds nothing.
TEST_F(Registration, UnregisterRemovesExactlyWhatItWrote) {
    const std::string others = xdg::DataHome() + "/mime/packages/other.xml";
    xdg::WriteText(others, "<mime-info/>");
    xdg::WriteText(MimeApps(), "[Default Applications]\ntext/plain=gedit.desktop\n");
    ModFileExt::RegisterOnFirstStart();
    EXPECT_EQ(ModFileExt::UnregisterFileType().size(), 4u);
    for (const std::string& gone : {DesktopFile(), MimePackage(), SettingsFile()})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    EXPECT_FALSE(fs::exists(xdg::ConfigHome() + "/Moravi"));
    EXPECT_EQ(xdg::ReadText(MimeApps()), "[Default Applications]\ntext/plain=gedit.desktop\n");
    EXPECT_TRUE(fs::exists(others));
    EXPECT_TRUE(ModFileExt::UnregisterFileType().empty());

    xdg::WriteText(DesktopFile(), Data("users-own-entry.desktop"));
    ModFileExt::UnregisterFileType();
    EXPECT_TRUE(fs::exists(DesktopFile()));

    // A MIME database built from our package alone goes with it.
    fs::remove(others);
    ModFileExt::RegisterFileType("vw3", "Encrypted file", "/opt/vw");
    ModFileExt::UnregisterFileType();
    EXPECT_FALSE(fs::exists(xdg::DataHome() + "/mime"));
}
