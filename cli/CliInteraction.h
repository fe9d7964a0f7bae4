#pragma once
// Answers the procedures' questions from the command line's arguments, and turns
// what they say into the command's exit status.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Interaction.h"
#include "Terminal.h"

namespace vw3 {

enum ExitStatus { kSuccess = 0, kFailure = 1, kUsage = 2, kIncorrectPassword = 3 };

// Where "-o -" writes: this process's standard output, written into, never replaced.
constexpr const char* kStandardOutput = "/proc/self/fd/1";

// `text` with the internal paths it may name (the temporary package, standard
// output's /proc name) replaced by what the user knows: `userFile`, "standard output".
std::string NamingUserFile(std::string text, const std::string& userFile);

class CliInteraction : public modVW::Interaction {
public:
    // `password` is the password from a file; nothing means: ask at the terminal.
    CliInteraction(std::optional<std::string> password, bool quiet);

    std::string SaveAs;         // the answer to the save question
    std::string ExtractFolder;  // the answer to the folder question (created when missing)
    uint64_t PayloadSize = 0;   // for the progress bar's MB/s; 0 = look at the package
    std::string UserFile;       // the file or folder the command was given, as typed

    // A sealed file's kind and name are known only once it is open, so its answers
    // are worked out then: the save answer from the stored name, and a look at the
    // verified package before the folder answer. Each says why on standard error
    // when it returns "" or false, which ends the command as a failure.
    std::function<std::string(const std::string& storedName)> SaveAsFor;
    std::function<bool()> FolderReady;

    std::string ShowOpen(const modVW::FileDialogRequest& request) override;
    std::string ShowSave(const modVW::FileDialogRequest& request) override;
    std::string BrowseFolders(const std::string& title) override;
    std::string PasswordDialog(const std::string& prompt) override;
    void MsgBox(const std::string& text, const std::string& title, int style) override;
    void DoEvents() override;

    // Forgets the progress of an earlier pass, so the next one is timed afresh.
    void RestartProgress() { progress_.reset(); }

    int Status() const;

private:
    static constexpr int kTerminalTries = 3;

    std::optional<std::string> password_;
    bool quiet_;
    bool failed_ = false;
    bool cancelled_ = false;
    int refusals_ = 0;  // incorrect-password or mismatch messages so far
    bool incorrectPassword_ = false;
    std::unique_ptr<ProgressBar> progress_;
};

}  // namespace vw3
