#pragma once
// Answers the procedures' questions from the command line's arguments, and turns
// what they say into the command's exit status.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Interaction.h"
#include "OutputTarget.h"
#include "Terminal.h"

namespace vw3 {

enum ExitStatus { kSuccess = 0, kFailure = 1, kUsage = 2, kIncorrectPassword = 3 };

// Where "-o -" writes: this process's standard output, written into, never replaced.
using vw::kStandardOutput;

// `text` with the internal paths it may name (the temporary package, standard
// output's /proc name) replaced by what the user knows: `userFile`, "standard output".
std::string NamingUserFile(std::string text, const std::string& userFile);

class CliInteraction : public modVW::Interaction {
public:
    // `password` is the password from a file; nothing means: ask at the terminal.
    CliInteraction(std::optional<std::string> password, bool quiet);
    ~CliInteraction() override;  // wipes the password
    CliInteraction(CliInteraction&&) = default;

    std::string SaveAs;         // the answer to the save question
    std::string ExtractFolder;  // the answer to the folder question (created when missing)
    uint64_t PayloadSize = 0;   // for the progress bar's MB/s; 0 = look at the package
    std::string UserFile;       // the file or folder the command was given, as typed

    // When set, the folder question is a usage error that says this.
    std::string FolderRefusal;

    std::string MadeFolder;  // the outermost folder the folder answer created, if any

    // A file's kind and name are known only once it is open, so its save answer
    // is worked out then, from the stored name. It says why on standard error
    // when it returns "", which ends the command as a failure.
    std::function<std::string(const std::string& storedName)> SaveAsFor;

    std::string ShowOpen(const modVW::FileDialogRequest& request) override;
    std::string ShowSave(const modVW::FileDialogRequest& request) override;
    std::string BrowseFolders(const std::string& title) override;
    std::string PasswordDialog(const std::string& prompt) override;
    void MsgBox(const std::string& text, const std::string& title, int style) override;
    void DoEvents() override;
    // Entries that already exist are replaced only with --force (ReplaceExisting).
    bool ReadyToReplace(const std::vector<std::string>& names, const std::string& folder) override;
    bool ReplaceExisting = false;

    int Status() const;

private:
    static constexpr int kTerminalTries = 3;

    std::optional<std::string> password_;
    bool quiet_;
    bool failed_ = false;
    bool cancelled_ = false;
    bool usage_ = false;
    int refusals_ = 0;  // incorrect-password or mismatch messages so far
    bool incorrectPassword_ = false;
    std::unique_ptr<ProgressBar> progress_;
    std::vector<int> made_;  // the folders made for the output, in Leftovers, innermost first
};

}  // namespace vw3
