#include "CliInteraction.h"

#include <sys/stat.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "Leftovers.h"
#include "Printing.h"
#include "Progress.h"
#include "SealedKey.h"
#include "TemporaryPackage.h"

namespace vw3 {
namespace {

constexpr const char* kIncorrect = "Error: You have entered an incorrect password.";
constexpr const char* kMismatch = "Error: The passwords you have typed do not match.";

uint64_t SizeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

// The outermost folder of `path` that does not exist yet; "" when `path` exists.
std::string FirstMissingFolder(const std::string& path) {
    std::string missing;
    struct stat st {};
    for (std::filesystem::path p = path; !p.empty() && ::lstat(p.c_str(), &st) != 0;
         p = p.parent_path())
        missing = p.string();
    return missing;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string NamingUserFile(std::string text, const std::string& userFile) {
    ReplaceAll(text, kStandardOutput, "standard output");
    if (!userFile.empty()) ReplaceAll(text, modVW::LastTemporaryPackagePath(), userFile);
    return text;
}

CliInteraction::CliInteraction(std::optional<std::string> password, bool quiet)
    : password_(std::move(password)), quiet_(quiet) {}

CliInteraction::~CliInteraction() {
    for (const int slot : made_)
        vw::Leftovers::Forget(slot);
    if (password_) modVW::WipeText(*password_);
}

std::string CliInteraction::ShowOpen(const modVW::FileDialogRequest&) {
    return "";  // the command always names its source
}

std::string CliInteraction::ShowSave(const modVW::FileDialogRequest& request) {
    if (!SaveAsFor) return SaveAs;
    const std::string path = SaveAsFor(request.InitialName);
    failed_ = failed_ || path.empty();
    return path;
}

std::string CliInteraction::BrowseFolders(const std::string&) {
    if (!FolderRefusal.empty()) {
        Say(std::cerr, "vw3: " + FolderRefusal);
        Say(std::cerr, "Try 'vw3 --help'.");
        usage_ = failed_ = true;
        return "";
    }
    MadeFolder = FirstMissingFolder(ExtractFolder);
    std::error_code ec;
    std::filesystem::create_directories(ExtractFolder, ec);
    if (ec) {
        Say(std::cerr, "vw3: cannot create folder '" + ExtractFolder + "': " + ec.message());
        failed_ = true;
        return "";
    }
    // A signal before anything is placed leaves no empty folder behind either.
    if (!MadeFolder.empty())
        for (std::filesystem::path p = ExtractFolder;; p = p.parent_path()) {
            made_.push_back(vw::Leftovers::RememberMadeFolder(p.c_str()));
            if (p == MadeFolder || p == p.parent_path()) break;
        }
    return ExtractFolder;
}

std::string CliInteraction::PasswordDialog(const std::string& prompt) {
    if (failed_) return "";  // after a failure the command ends: no further question
    // A password from a file is final: after a refusal the procedure is ended.
    if (password_) return refusals_ > 0 ? "" : *password_;
    if (refusals_ >= kTerminalTries) return "";
    const auto typed = ReadHiddenLine(prompt);
    if (!typed || typed->empty()) {
        cancelled_ = true;
        return "";
    }
    return *typed;
}

void CliInteraction::MsgBox(const std::string& text, const std::string&, int style) {
    progress_.reset();
    const bool refusal = text == kIncorrect || text == kMismatch;
    // A failed password check (a damaged table) is followed by the procedure's own
    // refusal; the failure was reported, once is enough.
    if (failed_ && refusal) return;
    // Each line is shown on its own, so a list reads as one.
    std::istringstream lines(NamingUserFile(text, UserFile));
    for (std::string line; std::getline(lines, line);)
        Say(std::cerr, line);
    if (style == modVW::MsgStyle::vbInformation) return;  // a notice, not a failure
    if (refusal) {
        ++refusals_;
        incorrectPassword_ = text == kIncorrect;
    } else {
        failed_ = true;
    }
}

bool CliInteraction::ReadyToReplace(const std::vector<std::string>& names,
                                    const std::string& folder) {
    if (ReplaceExisting || names.empty()) return true;
    const std::string first =
        "'" + folder + (folder.back() == '/' ? "" : "/") + names.front() + "'";
    Say(std::cerr, names.size() == 1
                       ? "vw3: " + first + " exists; use --force to replace it"
                       : "vw3: " + first + " and " + std::to_string(names.size() - 1) +
                             " other files exist; use --force to replace them");
    failed_ = true;
    return false;
}

void CliInteraction::DoEvents() {
    if (quiet_ || !StderrIsTerminal()) return;
    if (!progress_)
        progress_ = std::make_unique<ProgressBar>(
            [this] { return PayloadSize ? PayloadSize : SizeOf(modVW::TemporaryPackagePath()); });
    progress_->Update(modVW::CurrentProgress);
}

int CliInteraction::Status() const {
    if (usage_) return kUsage;
    if (failed_) return kFailure;
    if (refusals_ > 0 && (password_ || refusals_ >= kTerminalTries))
        return incorrectPassword_ ? kIncorrectPassword : kFailure;
    if (cancelled_) return kFailure;
    return kSuccess;
}

}  // namespace vw3
