#pragma once
// The questions asked before work the user may not want: the entries a folder's
// encryption leaves out, and the files a folder's extraction would replace. Each
// goes through Interaction::GoOn; false ends the procedure without a word.

#include <string>
#include <vector>

namespace modVW {

class Interaction;

// What a folder's encryption leaves out (`skipped`, sub-folders ending in "/").
std::string LeftOutText(const std::vector<std::string>& skipped);

// True when the encryption may go on without `skipped`; asks nothing when empty.
bool AgreedToLeaveOut(Interaction& ui, const std::vector<std::string>& skipped);

// The staged top-level `names` that already exist in `folder`, in their order.
std::vector<std::string> ExistingNames(const std::vector<std::string>& names,
                                       const std::string& folder);

// What an extraction into `folder` replaces.
std::string ReplacedText(const std::vector<std::string>& names, const std::string& folder);

// True when the entries `names` of `folder` may be replaced: the user interface's
// own check (ReadyToReplace), then the question; asks nothing when empty.
bool AgreedToReplace(Interaction& ui, const std::vector<std::string>& names,
                     const std::string& folder);

}  // namespace modVW
