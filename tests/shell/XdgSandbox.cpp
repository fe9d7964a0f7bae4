#include "XdgSandbox.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string& Root() {
    static std::string root;
    return root;
}

class XdgSandbox : public ::testing::Environment {
public:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "vwshell-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        Root() = templ;
        setenv("HOME", (templ + "/home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", xdg::ConfigHome().c_str(), 1);
        setenv("XDG_DATA_HOME", xdg::DataHome().c_str(), 1);
        // An installed copy on the test machine must not change what the tests see.
        setenv("XDG_DATA_DIRS", xdg::SystemDataDir().c_str(), 1);
    }
    void TearDown() override { fs::remove_all(Root()); }
};

const auto* const sandbox = ::testing::AddGlobalTestEnvironment(new XdgSandbox);

}  // namespace

namespace xdg {

std::string ConfigHome() {
    return Root() + "/config";
}
std::string DataHome() {
    return Root() + "/data";
}
std::string SystemDataDir() {
    return Root() + "/system";
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

ToolResult Run(const std::string& tool, const std::vector<std::string>& args) {
    ToolResult result;
    const QString program = QStandardPaths::findExecutable(QString::fromStdString(tool));
    if (program.isEmpty()) return result;
    result.installed = true;
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAll().toStdString();
    return result;
}

}  // namespace xdg

void XdgTest::SetUp() {
    for (const std::string& folder : {xdg::ConfigHome(), xdg::DataHome(), xdg::SystemDataDir()}) {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
}
