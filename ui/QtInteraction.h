#pragma once
// The desktop program's side of the engine's Interaction: Qt file dialogs, the folder
// picker, the password dialog and message boxes, all owned by the main window. Each
// kind of question can be answered by a hook instead, so tests never wait on a dialog.

#include <functional>
#include <string>

#include "Interaction.h"
#include "cBrowseFolders.h"

class QMessageBox;
class QWidget;

namespace vwui {

class frmWait;

class QtInteraction : public modVW::Interaction {
public:
    explicit QtInteraction(QWidget* owner = nullptr);

    // The window that owns every dialog; the main window once it exists.
    void SetOwner(QWidget* owner);

    std::string ShowOpen(const modVW::FileDialogRequest& request) override;
    std::string ShowSave(const modVW::FileDialogRequest& request) override;
    std::string BrowseFolders(const std::string& title) override;
    std::string BrowseFoldersFrom(const std::string& title,
                                  const std::string& startFolder) override;
    std::string PasswordDialog(const std::string& prompt) override;
    void MsgBox(const std::string& text, const std::string& title, int style) override;
    void DoEvents() override;
    bool Cancelled() override;
    bool GoOn(const std::string& text, const std::string& title) override;

    // The progress window of the procedure that runs, nullptr between procedures. It
    // is shown only while work runs (from the first DoEvents after a question) and
    // hidden whenever a question is asked; its Cancel is what Cancelled reports.
    void SetProgressWindow(frmWait* wait);

    // Test hooks: when one is set, it answers its kind of question and nothing is shown.
    std::function<std::string(const modVW::FileDialogRequest&)> OpenAnswerer;
    std::function<std::string(const modVW::FileDialogRequest&)> SaveAnswerer;
    std::function<std::string(const std::string& title, const std::string& startFolder)>
        FolderAnswerer;
    std::function<std::string(const std::string& prompt)> PasswordAnswerer;
    std::function<void(const std::string& text, const std::string& title, int style)>
        MsgBoxAnswerer;
    std::function<bool(const std::string& text, const std::string& title)> GoOnAnswerer;

private:
    std::string ShowFileDialog(const modVW::FileDialogRequest& request, bool save);
    // Every question comes without the progress window behind it.
    void Asking();

    QWidget* owner_;
    frmWait* wait_ = nullptr;
    cBrowseFolders folders_;
};

// The message box MsgBox shows: the style's icon and one OK button (OK and Cancel
// for GoOn). A lone carriage
// return breaks the line, as it does in the classic message box.
QMessageBox* MakeMessageBox(QWidget* owner, const std::string& text, const std::string& title,
                            int style, bool withCancel = false);

}  // namespace vwui
