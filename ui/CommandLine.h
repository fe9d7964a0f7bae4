#pragma once
// The program's command line as one text: everything after the program's own name.

#include <string>

namespace vwui {

// The arguments after argv[0] joined with single spaces, so an unquoted path with
// spaces arrives whole.
std::string CommandLineText(int argc, const char* const* argv);

// The command line with a relative path made absolute against CurrentFolder; a
// leading quote stays in front, for the start-up to remove with the last character.
std::string AbsoluteCommandLine(const std::string& Text, const std::string& CurrentFolder);

}  // namespace vwui
