#pragma once
// The start-up step that registers the .vw3 file type with the desktop once per user,
// and the command that undoes it.

#include <string>
#include <vector>

namespace vwui {

// Registers the file type unless the user's settings say it was done already, and
// keeps an earlier registration pointing at this program.
void RegisterFileTypeOnce();

// Undoes the registration; returns what was removed.
std::vector<std::string> Unregister();

}  // namespace vwui
