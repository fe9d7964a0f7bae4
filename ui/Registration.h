#pragma once
// The start-up step that registers the .vw3 file type with the desktop once per user.

namespace vwui {

// Registers the file type unless the user's settings say it was done already.
void RegisterFileTypeOnce();

}  // namespace vwui
