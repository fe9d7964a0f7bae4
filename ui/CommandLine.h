#pragma once
// The program's command line as one text: everything after the program's own name.

#include <string>

namespace vwui {

// The arguments after argv[0] joined with single spaces, so an unquoted path with
// spaces arrives whole.
std::string CommandLineText(int argc, const char* const* argv);

}  // namespace vwui
