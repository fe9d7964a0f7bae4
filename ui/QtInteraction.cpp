#include "QtInteraction.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <algorithm>
#include <memory>
#include <optional>

#include "FileDialogs.h"
#include "Progress.h"
#include "RememberedFolders.h"
#include "TranslatedText.h"
#include "frmPass.h"
#include "frmWait.h"

namespace vwui {

QtInteraction::QtInteraction(QWidget* owner) : owner_(owner), folders_(owner) {}

void QtInteraction::SetOwner(QWidget* owner) {
    owner_ = owner;
    folders_.SetOwner(owner);
}

void QtInteraction::SetProgressWindow(frmWait* wait) {
    if (wait_) wait_->End();
    wait_ = wait;
    if (wait_) wait_->Begin();
}

void QtInteraction::Asking() {
    if (!wait_ || wait_->isHidden()) return;
    wait_->hide();
    // The next work starts from nothing, not from the last work's percentage.
    modVW::CurrentProgress = 0;
}

template <class Question>
auto QtInteraction::Timed(Question&& question) {
    Asking();
    const auto asked = std::chrono::steady_clock::now();
    struct Count {
        Run& run;
        std::chrono::steady_clock::time_point asked;
        ~Count() { run.InQuestions += std::chrono::steady_clock::now() - asked; }
    } count{run_, asked};
    return question();
}

std::string QtInteraction::Words(const vw::Text& text) {
    return Translated(text).toStdString();
}

std::string QtInteraction::ShowOpen(const modVW::FileDialogRequest& request) {
    return Picked(Timed(
        [&] { return OpenAnswerer ? OpenAnswerer(request) : ShowFileDialog(request, false); }));
}

std::string QtInteraction::ShowSave(const modVW::FileDialogRequest& request) {
    return Picked(Timed(
        [&] { return SaveAnswerer ? SaveAnswerer(request) : ShowFileDialog(request, true); }));
}

std::string QtInteraction::BrowseFolders(const std::string& title) {
    return BrowseFoldersFrom(title, std::string());
}

// A picker proposes the folder the procedure gives; another the one last chosen.
std::string QtInteraction::BrowseFoldersFrom(const std::string& title,
                                             const std::string& proposal) {
    return Picked(Timed([&] {
        if (FolderAnswerer) return FolderAnswerer(title, proposal);
        const std::string folder = folders_.BrowseFolders(
            title, proposal.empty() ? RememberedFolder(title).toStdString() : proposal);
        RememberFolder(title, folder, true);
        return folder;
    }));
}

std::string QtInteraction::Picked(const std::string& path) {
    if (!path.empty() && run_.Source.empty()) run_.Source = path;
    return path;
}

void QtInteraction::BeginRun(const std::string& Path, bool FromOutside) {
    run_ = Run{};
    run_.Source = Path;
    run_.FromOutside = FromOutside;
}

void QtInteraction::EndRun() {
    const Run run = std::exchange(run_, Run{});
    if (run.Written.empty()) return;
    for (const auto& output : run.Written)
        if (OutputWritten) OutputWritten(output);
    const auto work = std::chrono::steady_clock::now() - run.Start - run.InQuestions;
    if (Notify && (run.FromOutside || work >= LongRun)) Notify(run.Written);
}

void QtInteraction::Wrote(const std::string& path) {
    run_.Written.push_back(path);
}

void QtInteraction::WorkingOn(size_t number, size_t count, const std::string& name) {
    run_.Source = name;  // the file the next password question is for
    if (wait_) wait_->ShowItem(int(number), int(count), QString::fromStdString(name));
}

std::string QtInteraction::PasswordDialog(const std::string& prompt) {
    return NewPasswordDialog(prompt, std::nullopt);
}

std::string QtInteraction::NewPasswordDialog(const std::string& prompt, modVW::NewPasswordFor use) {
    return NewPasswordDialog(prompt, std::optional(use));
}

std::string QtInteraction::NewPasswordDialog(const std::string& prompt,
                                             std::optional<modVW::NewPasswordFor> use) {
    return Timed([&] {
        if (PasswordAnswerer) return PasswordAnswerer(prompt);
        // A fresh dialog for every question, so no earlier answer can leak into this one.
        auto dialog = std::make_unique<frmPass>(owner_);
        dialog->SetPrompt(QString::fromStdString(prompt));
        dialog->SetFileName(PasswordFileName());
        if (use) dialog->GuideNewPassword(*use == modVW::NewPasswordFor::SealedFile);
        dialog->exec();
        return dialog->EnteredPassword.toStdString();
    });
}

int QtInteraction::Choose(const std::string& text, const std::string& title,
                          const std::vector<std::string>& choices) {
    return Timed([&] {
        if (ChooseAnswerer) return ChooseAnswerer(text, choices);
        std::unique_ptr<QMessageBox> box(
            MakeMessageBox(owner_, text, title, modVW::MsgStyle::vbInformation));
        box->setStandardButtons(QMessageBox::Cancel);
        std::vector<QAbstractButton*> buttons;
        for (const auto& choice : choices)
            buttons.push_back(
                box->addButton(QString::fromStdString(choice), QMessageBox::AcceptRole));
        box->setDefaultButton(QMessageBox::Cancel);
        box->exec();
        const auto chosen = std::find(buttons.begin(), buttons.end(), box->clickedButton());
        return chosen == buttons.end() ? -1 : int(chosen - buttons.begin());
    });
}

void QtInteraction::MsgBox(const std::string& text, const std::string& title, int style) {
    Timed([&] {
        if (MsgBoxAnswerer) return MsgBoxAnswerer(text, title, style);
        std::unique_ptr<QMessageBox> box(MakeMessageBox(owner_, text, title, style));
        box->exec();
    });
}

QString QtInteraction::PasswordFileName() const {
    return QFileInfo(QString::fromStdString(run_.Source)).fileName();
}

bool QtInteraction::GoOn(const std::string& text, const std::string& title,
                         const std::string& details) {
    return Timed([&] {
        if (GoOnAnswerer) return GoOnAnswerer(text, title);
        std::unique_ptr<QMessageBox> box(
            MakeMessageBox(owner_, text, title, modVW::MsgStyle::vbExclamation, true));
        if (!details.empty()) {
            box->setDetailedText(QString::fromStdString(details));
            // A listing's columns line up only in a fixed-pitch font, and unwrapped.
            if (auto* listing = box->findChild<QTextEdit*>()) {
                listing->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
                listing->setLineWrapMode(QTextEdit::NoWrap);
            }
        }
        return box->exec() == QMessageBox::Ok;
    });
}

void QtInteraction::DoEvents() {
    if (wait_ && wait_->isHidden()) {
        wait_->ShowCentred();
        wait_->ShowNow();
    }
    QCoreApplication::processEvents();
}

bool QtInteraction::Cancelled() {
    return wait_ && wait_->CancelRequested;
}

std::string QtInteraction::ShowFileDialog(const modVW::FileDialogRequest& request, bool save) {
    VwFileDialog dialog(owner_, request, save);
    StartInRememberedFolder(dialog, request.Title);
    dialog.exec();
    RememberFolder(request.Title, dialog.ChosenPath(), false);
    return dialog.ChosenPath();
}

QMessageBox* MakeMessageBox(QWidget* owner, const std::string& text, const std::string& title,
                            int style, bool withCancel) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if ((style & 0x70) == modVW::MsgStyle::vbExclamation) icon = QMessageBox::Warning;
    if ((style & 0x70) == modVW::MsgStyle::vbInformation) icon = QMessageBox::Information;
    QString lines = QString::fromStdString(text);
    lines.replace(QRegularExpression(QStringLiteral("\r(?!\n)")), QStringLiteral("\n"));
    if (!withCancel)
        return new QMessageBox(icon, QString::fromStdString(title), lines, QMessageBox::Ok, owner);
    auto* box = new QMessageBox(icon, QString::fromStdString(title), lines,
                                QMessageBox::Ok | QMessageBox::Cancel, owner);
    box->setDefaultButton(QMessageBox::Cancel);  // Enter must not replace anything
    return box;
}

}  // namespace vwui
