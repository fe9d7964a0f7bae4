#include "QtInteraction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <memory>

#include "FileDialogs.h"
#include "Progress.h"
#include "RememberedFolders.h"
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

std::string QtInteraction::ShowOpen(const modVW::FileDialogRequest& request) {
    Asking();
    return Picked(OpenAnswerer ? OpenAnswerer(request) : ShowFileDialog(request, false), false);
}

std::string QtInteraction::ShowSave(const modVW::FileDialogRequest& request) {
    Asking();
    return Picked(SaveAnswerer ? SaveAnswerer(request) : ShowFileDialog(request, true), true);
}

std::string QtInteraction::BrowseFolders(const std::string& title) {
    return BrowseFoldersFrom(title, std::string());
}

// A picker the procedure places opens there; another where it was last used.
std::string QtInteraction::BrowseFoldersFrom(const std::string& title,
                                             const std::string& startFolder) {
    Asking();
    if (FolderAnswerer) return Picked(FolderAnswerer(title, startFolder), true);
    const std::string folder = folders_.BrowseFolders(
        title, startFolder.empty() ? RememberedFolder(title).toStdString() : startFolder);
    RememberFolder(title, folder, true);
    return Picked(folder, true);
}

std::string QtInteraction::Picked(const std::string& path, bool destination) {
    if (path.empty()) return path;
    if (run_.Source.empty())
        run_.Source = path;
    else if (destination)
        run_.Output = path;
    return path;
}

void QtInteraction::BeginRun(const std::string& Path, bool FromOutside) {
    run_ = Run{};
    run_.Source = Path;
    run_.FromOutside = FromOutside;
}

void QtInteraction::EndRun() {
    const Run run = std::exchange(run_, Run{});
    if (run.Output.empty() || run.Failed) return;
    // A destination picked and then abandoned (a cancelled password) holds nothing
    // new; file times have whole-second precision on some file systems.
    const QFileInfo output(QString::fromStdString(run.Output));
    const auto began =
        std::chrono::duration_cast<std::chrono::milliseconds>(run.Began.time_since_epoch()).count();
    if (!output.exists() || output.lastModified().toMSecsSinceEpoch() < began - 1000) return;
    if (OutputWritten) OutputWritten(run.Output);
    const bool longRun = std::chrono::steady_clock::now() - run.Start >= LongRun;
    if (Notify && (run.FromOutside || longRun)) Notify(run.Output);
}

std::string QtInteraction::PasswordDialog(const std::string& prompt) {
    Asking();
    if (PasswordAnswerer) return PasswordAnswerer(prompt);
    // A fresh dialog for every question, so no earlier answer can leak into this one.
    auto dialog = std::make_unique<frmPass>(owner_);
    dialog->SetPrompt(QString::fromStdString(prompt));
    dialog->SetFileName(PasswordFileName());
    dialog->exec();
    return dialog->EnteredPassword.toStdString();
}

void QtInteraction::MsgBox(const std::string& text, const std::string& title, int style) {
    if (title == "Error") run_.Failed = true;  // every failure is reported under this title
    Asking();
    if (MsgBoxAnswerer) {
        MsgBoxAnswerer(text, title, style);
        return;
    }
    std::unique_ptr<QMessageBox> box(MakeMessageBox(owner_, text, title, style));
    box->exec();
}

QString QtInteraction::PasswordFileName() const {
    return QFileInfo(QString::fromStdString(run_.Source)).fileName();
}

bool QtInteraction::GoOn(const std::string& text, const std::string& title) {
    Asking();
    if (GoOnAnswerer) return GoOnAnswerer(text, title);
    std::unique_ptr<QMessageBox> box(
        MakeMessageBox(owner_, text, title, modVW::MsgStyle::vbExclamation, true));
    return box->exec() == QMessageBox::Ok;
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
