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

vw::Text NameLines(const std::vector<std::string>& names) {
    std::string lines;
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i)
        lines += "\n  " + VisibleName(vw::MessagePath(names[i]));
    if (names.size() <= kNamesShown) return lines;
    return vw::Text::Untranslated("%1%2",
                                  {lines, vw::Text(VW_TEXT("Procedures", "\n  ... and %1 more"),
                                                   {std::to_string(names.size() - kNamesShown)})});
}

}  // namespace

vw::Text LeftOutText(const std::vector<std::string>& skipped) {
    return vw::Text(VW_TEXT("Procedures",
                            "Not encrypted: a classic .vw3 file holds only the folder's own files, "
                            "so sub-folders, symbolic links, special files and names beginning "
                            "with a dot are left out:%1\nSealed .vws files keep whole folder "
                            "trees."),
                    {NameLines(skipped)});
}

bool AgreedToLeaveOut(Interaction& ui, const std::vector<std::string>& skipped) {
    return skipped.empty() || ui.GoOn(ui.Words(LeftOutText(skipped)),
                                      ui.Words(VW_TEXT("Procedures", "Encrypt Folder")));
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
vw::Text ReplacedText(const std::vector<std::string>& names, const std::string& folder) {
    std::set<std::string> folders;
    for (const auto& name : names) {
        const size_t slash = name.rfind('/');
        folders.insert(slash == std::string::npos ? "" : name.substr(0, slash));
    }
    const auto files = static_cast<long long>(names.size());
    if (folders.size() > 1)
        return vw::Text(
            VW_TEXT_N("Procedures",
                      "%n files in %1 of '%2' will be replaced by the decrypted ones:%3",
                      "%n file in %1 of '%2' will be replaced by the decrypted one:%3"),
            files,
            {vw::Text(VW_TEXT_N("Procedures", "%n folders", "%n folder"),
                      static_cast<long long>(folders.size())),
             VisibleName(folder), NameLines(names)});
    return vw::Text(
        VW_TEXT_N("Procedures", "%n files in '%1' will be replaced by the decrypted ones:%2",
                  "%n file in '%1' will be replaced by the decrypted one:%2"),
        files, {VisibleName(folder), NameLines(names)});
}

bool AgreedToReplace(Interaction& ui, const std::vector<std::string>& names,
                     const std::string& folder, const std::string& details) {
    if (names.empty()) return true;
    return ui.ReadyToReplace(names, folder) &&
           ui.GoOn(ui.Words(ReplacedText(names, folder)),
                   ui.Words(VW_TEXT("Procedures", "Replace Files")), details);
}

}  // namespace modVW
