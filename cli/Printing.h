#pragma once
// Everything vw3 prints goes through here, so a name taken from a file or a folder
// cannot steer the terminal: control characters, DEL, C1 controls and bytes that
// are not UTF-8 are shown as escapes (\x1b, \u0085, \xff); letters stay as they are.

#include <ostream>
#include <string>
#include <string_view>

namespace vw3 {

std::string Visible(std::string_view text);

// Writes Visible(`line`) and a newline to `to`.
void Say(std::ostream& to, std::string_view line);

}  // namespace vw3
