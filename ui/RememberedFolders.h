#pragma once
// The folder each dialog showed when the user last chose in it, kept across runs in
// the settings store (section "folders", keyed by the dialog's title), so a dialog
// that is given no folder of its own opens where the user worked last.

#include <QString>
#include <string>

class QFileDialog;

namespace vwui {

// The remembered folder for the dialog titled Title, when it still exists; "" otherwise.
QString RememberedFolder(const std::string& Title);

// Remembers the folder of ChosenPath (the path itself when IsFolder) for Title.
void RememberFolder(const std::string& Title, const std::string& ChosenPath, bool IsFolder);

// Opens Dialog in the remembered folder unless something already chose its folder.
// A dialog nothing placed shows Qt's default: the working folder at the first
// dialog of a run, later the folder the user last went to in this run.
void StartInRememberedFolder(QFileDialog& Dialog, const std::string& Title);

}  // namespace vwui
