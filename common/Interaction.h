#pragma once
// The seam between the engine and whoever talks to the user. The desktop program,
// the vw3 command and the tests each implement it; the engine never shows anything
// itself and never includes a GUI header.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Text.h"

namespace modVW {

// Flags of the file dialogs, with the values of the classic common dialog.
namespace DialogFlags {
constexpr uint32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr uint32_t OFN_HIDEREADONLY = 0x4;
}  // namespace DialogFlags

// Message box styles used by the program.
namespace MsgStyle {
constexpr int vbOKOnly = 0;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
}  // namespace MsgStyle

// What a new password is for: the dialog guides the user by it.
enum class NewPasswordFor { ClassicFile, SealedFile };

struct FileDialogRequest {
    std::string Title;
    std::string Filter;  // "Text|pattern|Text|pattern", as the classic dialog takes it
    std::string InitialName;
    uint32_t Flags = 0;
    std::string InitialFolder;  // where the dialog opens; "" leaves it to the dialog
    bool RememberType = false;  // the type chosen is offered first the next time
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A text of the engine in the words the user interface shows: English by
    // default (vw3, whose output scripts read); the desktop program translates it.
    // Every text the engine passes below has been through here.
    virtual std::string Words(const vw::Text& text) { return text.English(); }

    // The chosen path, or "" when the user cancels.
    virtual std::string ShowOpen(const FileDialogRequest& request) = 0;
    // The chosen path, or "" when the user cancels. With OFN_OVERWRITEPROMPT asks
    // before an existing file is replaced. A type with one extension adds it to a
    // name that does not end in it.
    virtual std::string ShowSave(const FileDialogRequest& request) = 0;
    // The chosen folder, or "" when the user cancels.
    virtual std::string BrowseFolders(const std::string& title) = 0;
    // The same, proposing `proposal`, a folder that may not exist yet: where the
    // user interface can, it opens beside it with it selected.
    virtual std::string BrowseFoldersFrom(const std::string& title,
                                          const std::string& /*proposal*/) {
        return BrowseFolders(title);
    }
    // One showing of the password dialog: the typed text after OK, "" after Cancel.
    virtual std::string PasswordDialog(const std::string& prompt) = 0;
    // The same for the first question of a new password, which the dialog may
    // guide (its strength, a generated one, what the format protects).
    virtual std::string NewPasswordDialog(const std::string& prompt, NewPasswordFor /*use*/) {
        return PasswordDialog(prompt);
    }
    // One of `choices` (its index), or -1 when the user cancels. By default the
    // first, for a user interface whose options decided beforehand.
    virtual int Choose(const std::string& /*text*/, const std::string& /*title*/,
                       const std::vector<std::string>& /*choices*/) {
        return 0;
    }
    // A modal message box; `style` is one of MsgStyle.
    virtual void MsgBox(const std::string& text, const std::string& title, int style) = 0;
    // Lets the user interface process pending events (repaints, the progress timer).
    virtual void DoEvents() = 0;
    // Asked after DoEvents while work runs: true once the user has stopped it; the
    // procedure then ends silently and leaves nothing behind.
    virtual bool Cancelled() { return false; }
    // Before work the user may not want (files replaced, entries left out): true goes
    // on. `details`, when not empty, is more the user may unfold (all a folder
    // holds). By default the text is told as a notice and the work goes on, for a
    // user interface whose options decided beforehand (vw3).
    virtual bool GoOn(const std::string& text, const std::string& title,
                      const std::string& /*details*/ = "") {
        MsgBox(text, title, MsgStyle::vbInformation);
        return true;
    }
    // Work on item `number` (from 1) of `count`, named `name`, begins: a batch's
    // progress. Nothing is said for a single item.
    virtual void WorkingOn(size_t /*number*/, size_t /*count*/, const std::string& /*name*/) {}
    // `path`, a file or a folder, now holds what the procedure promised: told only
    // once it is in place, so that only what was really written is announced.
    virtual void Wrote(const std::string& /*path*/) {}
    // Before a folder's entries are put in place: `names` of them already exist in
    // `folder`. False ends the procedure without a word (whoever said false has
    // said why); true goes on to the question that names them.
    virtual bool ReadyToReplace(const std::vector<std::string>& /*names*/,
                                const std::string& /*folder*/) {
        return true;
    }
};

// Thrown where work stops because the user cancelled it (see Cancelled): not a
// failure, so the procedure ends without a word.
struct WorkCancelled {};

// Lets the user interface take its turn, and stops the work when the user has
// cancelled it meanwhile.
inline void KeepResponsive(Interaction& ui) {
    ui.DoEvents();
    if (ui.Cancelled()) throw WorkCancelled{};
}

// The error report every procedure shows for a failure: title "Error", exclamation.
void ShowErrorReport(Interaction& ui, int number, const vw::Text& description);

}  // namespace modVW
