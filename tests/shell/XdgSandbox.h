#pragma once
// Every shell test runs against throw-away XDG folders (and HOME), set before the
// first settings access, so the real desktop configuration is never touched.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xdg {

std::string ConfigHome();
std::string DataHome();
std::string SystemDataDir();  // the only folder of XDG_DATA_DIRS

// Content of a file, "" when missing.
std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);

struct ToolResult {
    bool installed = false;
    int exitCode = -1;
    std::string output;  // standard output and error together
};
// Runs a tool from PATH in the sandbox's environment.
ToolResult Run(const std::string& tool, const std::vector<std::string>& args);

}  // namespace xdg

// Base fixture: empties the XDG folders before each test.
class XdgTest : public ::testing::Test {
protected:
    void SetUp() override;
};
