#include "BeforeWork.h"

#include <algorithm>
#include <set>

#include "Error.h"
#include "Interaction.h"
#include "StoredNames.h"

namespace modVW {
namespace {

// A message box stays on the screen: a long list is cut, with the number left out.
constexpr size_t kNamesShown = 20;

std::string NameLines(const std::vector<std::string>& names) {
    std::string lines;
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i)
        lines += "\n  " + VisibleName(vw::MessagePath(names[i]));
    if (names.size() > kNamesShown)
        lines += "\n  ... and " + std::to_string(names.size() - kNamesShown) + " more";
    return lines;
}

}  // namespace

std::string LeftOutText(const std::vector<std::string>& skipped) {
    return "Not encrypted: a classic .vw3 file holds only the folder's own files, so "
           "sub-folders, symbolic links, special files and names beginning with a dot are "
           "left out:" +
           NameLines(skipped) + "\nSealed .vws files keep whole folder trees.";
}

bool AgreedToLeaveOut(Interaction& ui, const std::vector<std::string>& skipped) {
    return skipped.empty() || ui.GoOn(LeftOutText(skipped), "Encrypt Folder");
}

std::vector<std::string> ReplacedPaths(const vw::EntryTree& entries, const vw::Placement& plan) {
    std::vector<std::string> paths;
    for (const uint32_t entry : plan.Replaced())
        paths.push_back(entries.PathOf(entry));
    std::sort(paths.begin(), paths.end());
    return paths;
}

// "1 file in 'dest' will be replaced by the decrypted one:", or "12 files in 3
// folders of 'dest' ... ones:", the folders counted by the paths' own folders.
std::string ReplacedText(const std::vector<std::string>& names, const std::string& folder) {
    std::set<std::string> folders;
    for (const auto& name : names) {
        const size_t slash = name.rfind('/');
        folders.insert(slash == std::string::npos ? "" : name.substr(0, slash));
    }
    const std::string where = "'" + VisibleName(folder) + "'";
    if (names.size() == 1)
        return "1 file in " + where + " will be replaced by the decrypted one:" + NameLines(names);
    return std::to_string(names.size()) + " files in " +
           (folders.size() > 1 ? std::to_string(folders.size()) + " folders of " : "") + where +
           " will be replaced by the decrypted ones:" + NameLines(names);
}

bool AgreedToReplace(Interaction& ui, const std::vector<std::string>& names,
                     const std::string& folder, const std::string& details) {
    if (names.empty()) return true;
    return ui.ReadyToReplace(names, folder) &&
           ui.GoOn(ReplacedText(names, folder), "Replace Files", details);
}

}  // namespace modVW
