#pragma once
// What an encrypted file holds, as an extraction would create it, and its
// listing, one entry a line as `tar tv` shows an archive. `vw3 list` prints it;
// the desktop program shows it under the question before a folder's files are
// replaced.

#include <cstdint>
#include <functional>
#include <string>

#include "EntryTree.h"
#include "Text.h"

namespace modVW {

struct Holdings {
    bool Folder = false;
    // A folder's entries, by their paths in the folder it is extracted into.
    vw::EntryTree Entries;
    // A sealed tree keeps permission bits and modification times; a classic
    // package and a single file keep neither.
    bool ModesAndTimes = false;
    // A single file's stored name (UTF-8) and its bytes.
    std::string FileName;
    uint64_t FileSize = 0;
};

using LineSink = std::function<void(const std::string& line)>;

// Hands on one line per entry, in the order the file holds them: type and
// permission bits, size, modification time (local, to the minute), path, and a
// link's target after " -> ". What the format does not keep shows as "?". Names
// are raw bytes: the receiver escapes each line for its screen.
void ListLines(const Holdings& holdings, const LineSink& line);

// The lines of a folder's `entries`, escaped (VisibleName), one a line; past
// 10,000 lines the rest are counted.
vw::Text ListingText(const vw::EntryTree& entries, bool modesAndTimes);

}  // namespace modVW
