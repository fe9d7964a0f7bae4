#pragma once
// The questions asked before work the user may not want: the entries a folder's
// encryption leaves out, and the files a folder's extraction would replace. Each
// goes through Interaction::GoOn; false ends the procedure without a word.

#include <string>
#include <vector>

#include "StagingFolder.h"

namespace modVW {

class Interaction;

// What a folder's encryption leaves out (`skipped`, sub-folders ending in "/").
vw::Text LeftOutText(const std::vector<std::string>& skipped);

// True when the encryption may go on without `skipped`; asks nothing when empty.
bool AgreedToLeaveOut(Interaction& ui, const std::vector<std::string>& skipped);

// The paths, relative to the destination, of the files `plan` replaces, sorted.
std::vector<std::string> ReplacedPaths(const vw::EntryTree& entries, const vw::Placement& plan);

// What an extraction into `folder` replaces: `names` are relative paths of files.
vw::Text ReplacedText(const std::vector<std::string>& names, const std::string& folder);

// True when the files `names` (relative paths) of `folder` may be replaced: the user interface's
// own check (ReadyToReplace), then the question, with `details` (what the folder
// holds) to unfold; asks nothing when empty.
bool AgreedToReplace(Interaction& ui, const std::vector<std::string>& names,
                     const std::string& folder, const std::string& details = "");

}  // namespace modVW
