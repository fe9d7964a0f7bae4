#pragma once
// The seam between the engine and whoever talks to the user. The desktop program,
// the vw3 command and the tests each implement it; the engine never shows anything
// itself and never includes a GUI header.

#include <cstdint>
#include <string>

namespace modVW {

// Flags of the file dialogs, with the values of the classic common dialog.
namespace DialogFlags {
constexpr uint32_t OFN_HIDEREADONLY = 0x4;
constexpr uint32_t OFN_CREATEPROMPT = 0x2000;
}  // namespace DialogFlags

// Message box styles used by the program.
namespace MsgStyle {
constexpr int vbOKOnly = 0;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
}  // namespace MsgStyle

struct FileDialogRequest {
    std::string Title;
    std::string Filter;  // "Text|pattern|Text|pattern", as the classic dialog takes it
    std::string InitialName;
    uint32_t Flags = 0;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // The chosen path, or "" when the user cancels.
    virtual std::string ShowOpen(const FileDialogRequest& request) = 0;
    // The chosen path, or "" when the user cancels. Never warns before overwriting;
    // with OFN_CREATEPROMPT asks before creating a file that does not exist.
    virtual std::string ShowSave(const FileDialogRequest& request) = 0;
    // The chosen folder, or "" when the user cancels.
    virtual std::string BrowseFolders(const std::string& title) = 0;
    // One showing of the password dialog: the typed text after OK, "" after Cancel.
    virtual std::string PasswordDialog(const std::string& prompt) = 0;
    // A modal message box; `style` is one of MsgStyle.
    virtual void MsgBox(const std::string& text, const std::string& title, int style) = 0;
    // Lets the user interface process pending events (repaints, the progress timer).
    virtual void DoEvents() = 0;
    // Once a folder's package is written and its folder chosen, before anything is
    // extracted: false ends the procedure without a word (whoever said false has
    // said why). The desktop program extracts whatever the package holds.
    virtual bool ReadyToExtract(const std::string& /*packagePath*/, const std::string& /*folder*/) {
        return true;
    }
};

// The error report every procedure shows for a failure: title "Error", exclamation.
void ShowErrorReport(Interaction& ui, int number, const std::string& description);

}  // namespace modVW
