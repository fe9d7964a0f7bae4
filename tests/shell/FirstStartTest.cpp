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
