#include "CliInteraction.h"

#include <sys/stat.h>

#include <filesystem>
#include <iostream>

#include "Progress.h"
#include "TemporaryPackage.h"

namespace vw3 {
namespace {

constexpr const char* kIncorrect = "Error: You have entered an incorrect password.";
constexpr const char* kMismatch = "Error: The passwords you have typed do not match.";

uint64_t SizeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

}  // namespace

CliInteraction::CliInteraction(std::optional<std::string> password, bool quiet)
    : password_(std::move(password)), quiet_(quiet) {}

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
    if (FolderReady && !FolderReady()) {
        failed_ = true;
        return "";
    }
    std::error_code ec;
    std::filesystem::create_directories(ExtractFolder, ec);
    if (ec) {
        std::cerr << "vw3: cannot create folder '" << ExtractFolder << "': " << ec.message()
                  << '\n';
        failed_ = true;
        return "";
    }
    return ExtractFolder;
}

std::string CliInteraction::PasswordDialog(const std::string& prompt) {
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

void CliInteraction::MsgBox(const std::string& text, const std::string&, int) {
    progress_.reset();
    std::cerr << text << '\n';
    if (text == kIncorrect || text == kMismatch) {
        ++refusals_;
        incorrectPassword_ = text == kIncorrect;
    } else {
        failed_ = true;
    }
}

void CliInteraction::DoEvents() {
    if (quiet_ || !StderrIsTerminal()) return;
    if (!progress_)
        progress_ = std::make_unique<ProgressBar>(
            [this] { return PayloadSize ? PayloadSize : SizeOf(modVW::TemporaryPackagePath()); });
    progress_->Update(modVW::CurrentProgress);
}

int CliInteraction::Status() const {
    if (failed_) return kFailure;
    if (refusals_ > 0 && (password_ || refusals_ >= kTerminalTries))
        return incorrectPassword_ ? kIncorrectPassword : kFailure;
    if (cancelled_) return kFailure;
    return kSuccess;
}

}  // namespace vw3
