#include "BeforeWork.h"

#include <sys/stat.h>

#include "Interaction.h"
#include "StoredNames.h"

namespace modVW {
namespace {

// A message box stays on the screen: a long list is cut, with the number left out.
constexpr size_t kNamesShown = 20;

std::string NameLines(const std::vector<std::string>& names) {
    std::string lines;
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i)
        lines += "\n  " + VisibleName(names[i]);
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

std::vector<std::string> ExistingNames(const std::vector<std::string>& names,
                                       const std::string& folder) {
    std::vector<std::string> existing;
    struct stat st {};
    for (const auto& name : names)
        if (::lstat((folder + "/" + name).c_str(), &st) == 0) existing.push_back(name);
    return existing;
}

std::string ReplacedText(const std::vector<std::string>& names, const std::string& folder) {
    return "These files in '" + VisibleName(folder) +
           "' will be replaced by the decrypted ones:" + NameLines(names);
}

bool AgreedToReplace(Interaction& ui, const std::vector<std::string>& names,
                     const std::string& folder) {
    if (names.empty()) return true;
    return ui.ReadyToReplace(names, folder) &&
           ui.GoOn(ReplacedText(names, folder), "Replace Files");
}

}  // namespace modVW
