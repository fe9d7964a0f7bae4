#include "CommandLine.h"

namespace vwui {

std::string CommandLineText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

std::string AbsoluteCommandLine(const std::string& Text, const std::string& CurrentFolder) {
    const std::size_t start = !Text.empty() && Text.front() == '"' ? 1 : 0;
    if (Text.size() == start || Text[start] == '/' || CurrentFolder.empty()) return Text;
    std::string folder = CurrentFolder;
    if (folder.back() != '/') folder += '/';
    return Text.substr(0, start) + folder + Text.substr(start);
}

}  // namespace vwui
