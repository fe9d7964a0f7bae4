#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ModFileExt.h"
#include "Settings.h"
#include "XdgSandbox.h"

namespace fs = std::filesystem;
using xdg::ReadText;

namespace {

std::string MimePackage() {
    return xdg::DataHome() + "/mime/packages/moravi-vaultwise.xml";
}
std::string DesktopFile() {
    return xdg::DataHome() + "/applications/moravi-vaultwise.desktop";
}
std::string MimeApps() {
    return xdg::ConfigHome() + "/mimeapps.list";
}

// The line of a key file that starts with `key=`, "" when none.
std::string LineFor(const std::string& text, const std::string& key) {
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

class RegisterFileType : public XdgTest {
protected:
    void Register(const std::string& program = "/opt/vaultwise/vaultwise") {
        ModFileExt::RegisterFileType("vw3", "Encrypted file", program);
    }
};

}  // namespace

TEST_F(RegisterFileType, MimePackageDeclaresTheType) {
    Register();
    const std::string written = ReadText(MimePackage());
    EXPECT_NE(written.find("<comment>Encrypted file</comment>"), std::string::npos);
    EXPECT_NE(written.find("<mime-type type=\"application/x-vaultwise-encrypted\">"),
              std::string::npos);
    EXPECT_NE(written.find("<glob pattern=\"*.vw3\"/>"), std::string::npos);
}

TEST_F(RegisterFileType, DesktopEntryQuotesTheProgramPath) {
    const std::string program = xdg::DataHome() + "/My Apps/\"Q\" $HOME `x` back\\slash 100%/vw";
    Register(program);
    const std::string entry = ReadText(DesktopFile());
    ASSERT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_EQ(LineFor(entry, "Exec"), "Exec=\"" + xdg::DataHome() +
                                          R"(/My Apps/\\"Q\\" \\$HOME \\`x\\` back\\\\slash )"
                                          R"(100%%/vw" %f)");
    // A path without reserved characters stays bare: generic launchers take the
    // first word of Exec as the program.
    Register("/usr/bin/vaultwise");
    EXPECT_EQ(LineFor(ReadText(DesktopFile()), "Exec"), "Exec=/usr/bin/vaultwise %f");
    EXPECT_EQ(LineFor(entry, "MimeType"), "MimeType=application/x-vaultwise-encrypted;");
}

TEST_F(RegisterFileType, DesktopEntriesPassTheValidator) {
    Register(xdg::DataHome() + "/with space/\"vw\"");
    for (const std::string& file :
         {DesktopFile(), std::string(VW_SHELL_DATA) + "/moravi-vaultwise.desktop"}) {
        const xdg::ToolResult check = xdg::Run("desktop-file-validate", {file});
        if (!check.installed) GTEST_SKIP() << "desktop-file-validate is not installed";
        EXPECT_EQ(check.exitCode, 0) << file << "\n" << check.output;
        EXPECT_EQ(check.output, "") << file;
    }
}

TEST_F(RegisterFileType, MimeAppsListNamesUsAsDefaultAndKeepsOtherLines) {
    Register();
    EXPECT_EQ(ReadText(MimeApps()),
              "[Default Applications]\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n");

    const std::string before =
        "# mine\n"
        "[Added Associations]\n"
        "text/plain=gedit.desktop;\n"
        "\n"
        "[Default Applications]\n"
        "text/plain=gedit.desktop\n"
        "application/x-vaultwise-encrypted=other.desktop\n"
        "image/png=eog.desktop\n";
    xdg::WriteText(MimeApps(), before);
    Register();
    std::string expected = before;
    expected.replace(expected.find("other.desktop"), 13, "moravi-vaultwise.desktop");
    EXPECT_EQ(ReadText(MimeApps()), expected);
    Register();
    EXPECT_EQ(ReadText(MimeApps()), expected) << "a second registration changes nothing";
}

TEST_F(RegisterFileType, LinkedMimeAppsListIsWrittenThroughTheLink) {
    const std::string real = xdg::ConfigHome() + "/dotfiles/mimeapps.list";
    xdg::WriteText(real, "[Default Applications]\n");
    fs::create_symlink(real, MimeApps());
    Register();
    EXPECT_TRUE(fs::is_symlink(MimeApps()));
    EXPECT_EQ(ReadText(real),
              "[Default Applications]\n"
              "application/x-vaultwise-encrypted=moravi-vaultwise.desktop\n");
}

TEST_F(RegisterFileType, DesktopCachesAreRebuilt) {
    Register();
    if (!xdg::Run("update-mime-database", {"-v"}).installed) {
        GTEST_SKIP() << "update-mime-database is not installed";
    }
    EXPECT_NE(
        ReadText(xdg::DataHome() + "/mime/globs2").find("application/x-vaultwise-encrypted:*.vw3"),
        std::string::npos);
    if (!xdg::Run("update-desktop-database", {"--help"}).installed) {
        GTEST_SKIP() << "update-desktop-database is not installed";
    }
    EXPECT_NE(ReadText(xdg::DataHome() + "/applications/mimeinfo.cache")
                  .find("application/x-vaultwise-encrypted=moravi-vaultwise.desktop;"),
              std::string::npos);
}

TEST_F(RegisterFileType, UnwritableDataFolderFailsSilentlyAndCountsAsDone) {
    xdg::WriteText(xdg::DataHome() + "/blocked", "a file where a folder should be");
    const std::string data = xdg::DataHome();
    setenv("XDG_DATA_HOME", (data + "/blocked").c_str(), 1);
    EXPECT_NO_THROW(Register());
    ModFileExt::RegisterOnFirstStart();  // a failed first registration still counts as done
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    EXPECT_FALSE(fs::exists(DesktopFile()));
    EXPECT_EQ(Settings::GetSetting("Moravi Vaultwise", "settings", "RegFileType", "-"), "True");
}
