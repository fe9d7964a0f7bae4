#pragma once
// The desktop program's side of the engine's Interaction: Qt file dialogs, the folder
// picker, the password dialog and message boxes, all owned by the main window. Each
// kind of question can be answered by a hook instead, so tests never wait on a dialog.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Interaction.h"
#include "cBrowseFolders.h"

class QMessageBox;
class QString;
class QWidget;

namespace vwui {

class frmWait;

class QtInteraction : public modVW::Interaction {
public:
    explicit QtInteraction(QWidget* owner = nullptr);

    // The window that owns every dialog; the main window once it exists.
    void SetOwner(QWidget* owner);

    // The engine's texts in the user's language.
    std::string Words(const vw::Text& text) override;
    std::string ShowOpen(const modVW::FileDialogRequest& request) override;
    std::string ShowSave(const modVW::FileDialogRequest& request) override;
    std::string BrowseFolders(const std::string& title) override;
    std::string BrowseFoldersFrom(const std::string& title,
                                  const std::string& startFolder) override;
    std::string PasswordDialog(const std::string& prompt) override;
    std::string NewPasswordDialog(const std::string& prompt, modVW::NewPasswordFor use) override;
    int Choose(const std::string& text, const std::string& title,
               const std::vector<std::string>& choices) override;
    void MsgBox(const std::string& text, const std::string& title, int style) override;
    void DoEvents() override;
    bool Cancelled() override;
    // `details` go under the box's "Show Details..." button.
    bool GoOn(const std::string& text, const std::string& title,
              const std::string& details = "") override;
    void WorkingOn(size_t number, size_t count, const std::string& name) override;
    void Wrote(const std::string& path) override;

    // The progress window of the procedure that runs, nullptr between procedures. It
    // is shown only while work runs (from the first DoEvents after a question) and
    // hidden whenever a question is asked; its Cancel is what Cancelled reports.
    void SetProgressWindow(frmWait* wait);

    // The run the next questions belong to. Path is the file or folder it is for, ""
    // when the user is about to pick it (the first path picked is then taken);
    // FromOutside when the command line or a file manager asked for it.
    void BeginRun(const std::string& Path, bool FromOutside);
    // Ends the run. OutputWritten hears of every output the procedure said it wrote
    // (Wrote), and Notify of all of them at once when the run came from outside or
    // its work took at least LongRun; the time spent in questions does not count.
    // A run that wrote nothing is announced nowhere.
    void EndRun();
    std::function<void(const std::string& Output)> OutputWritten;
    std::function<void(const std::vector<std::string>& Outputs)> Notify;
    std::chrono::milliseconds LongRun{5000};
    // The name of the file or folder the run is for, which the password dialog shows;
    // "" when unknown.
    QString PasswordFileName() const;

    // Test hooks: when one is set, it answers its kind of question and nothing is shown.
    std::function<std::string(const modVW::FileDialogRequest&)> OpenAnswerer;
    std::function<std::string(const modVW::FileDialogRequest&)> SaveAnswerer;
    std::function<std::string(const std::string& title, const std::string& startFolder)>
        FolderAnswerer;
    std::function<std::string(const std::string& prompt)> PasswordAnswerer;
    std::function<int(const std::string& text, const std::vector<std::string>& choices)>
        ChooseAnswerer;
    std::function<void(const std::string& text, const std::string& title, int style)>
        MsgBoxAnswerer;
    std::function<bool(const std::string& text, const std::string& title)> GoOnAnswerer;

private:
    // A password question; `use` says a new password's first question.
    std::string NewPasswordDialog(const std::string& prompt,
                                  std::optional<modVW::NewPasswordFor> use);
    std::string ShowFileDialog(const modVW::FileDialogRequest& request, bool save);
    // Notes a path the user picked: the source, while the run has none.
    std::string Picked(const std::string& path);

    struct Run {
        std::string Source;
        std::vector<std::string> Written;
        bool FromOutside = false;
        std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
        std::chrono::steady_clock::duration InQuestions{};  // not the work's time
    };
    Run run_;
    // Every question comes without the progress window behind it; its time is
    // counted apart from the work's.
    void Asking();
    template <class Question>
    auto Timed(Question&& question);

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
