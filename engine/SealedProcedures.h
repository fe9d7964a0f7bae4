#pragma once
// The decrypt procedure's path for a sealed file: the same questions as for a
// classic file, in the same way, but nothing is written before the content is
// verified.

#include <string>

namespace modVW {

class Interaction;

// Asks for the password until the key check matches (or the user cancels), then
// restores the file or the folder's files that `source` holds. A damaged file
// gets the error report and leaves nothing behind.
void OpenSealed(Interaction& ui, const std::string& source);

}  // namespace modVW
