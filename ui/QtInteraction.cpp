#include "QtInteraction.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <memory>

#include "FileDialogs.h"
#include "Progress.h"
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
    return OpenAnswerer ? OpenAnswerer(request) : ShowFileDialog(request, false);
}

std::string QtInteraction::ShowSave(const modVW::FileDialogRequest& request) {
    Asking();
    return SaveAnswerer ? SaveAnswerer(request) : ShowFileDialog(request, true);
}

std::string QtInteraction::BrowseFolders(const std::string& title) {
    return BrowseFoldersFrom(title, std::string());
}

std::string QtInteraction::BrowseFoldersFrom(const std::string& title,
                                             const std::string& startFolder) {
    Asking();
    return FolderAnswerer ? FolderAnswerer(title, startFolder)
                          : folders_.BrowseFolders(title, startFolder);
}

std::string QtInteraction::PasswordDialog(const std::string& prompt) {
    Asking();
    if (PasswordAnswerer) return PasswordAnswerer(prompt);
    // A fresh dialog for every question, so no earlier answer can leak into this one.
    auto dialog = std::make_unique<frmPass>(owner_);
    dialog->SetPrompt(QString::fromStdString(prompt));
    dialog->exec();
    return dialog->EnteredPassword.toStdString();
}

void QtInteraction::MsgBox(const std::string& text, const std::string& title, int style) {
    Asking();
    if (MsgBoxAnswerer) {
        MsgBoxAnswerer(text, title, style);
        return;
    }
    std::unique_ptr<QMessageBox> box(MakeMessageBox(owner_, text, title, style));
    box->exec();
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
    dialog.exec();
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
