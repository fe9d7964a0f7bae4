#include "QtInteraction.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <memory>

#include "FileDialogs.h"
#include "frmPass.h"

namespace vwui {

QtInteraction::QtInteraction(QWidget* owner) : owner_(owner), folders_(owner) {}

void QtInteraction::SetOwner(QWidget* owner) {
    owner_ = owner;
    folders_.SetOwner(owner);
}

std::string QtInteraction::ShowOpen(const modVW::FileDialogRequest& request) {
    return OpenAnswerer ? OpenAnswerer(request) : ShowFileDialog(request, false);
}

std::string QtInteraction::ShowSave(const modVW::FileDialogRequest& request) {
    return SaveAnswerer ? SaveAnswerer(request) : ShowFileDialog(request, true);
}

std::string QtInteraction::BrowseFolders(const std::string& title) {
    return FolderAnswerer ? FolderAnswerer(title) : folders_.BrowseFolders(title);
}

std::string QtInteraction::PasswordDialog(const std::string& prompt) {
    if (PasswordAnswerer) return PasswordAnswerer(prompt);
    // A fresh dialog for every question, so no earlier answer can leak into this one.
    auto dialog = std::make_unique<frmPass>(owner_);
    dialog->SetPrompt(QString::fromStdString(prompt));
    dialog->exec();
    return dialog->EnteredPassword.toStdString();
}

void QtInteraction::MsgBox(const std::string& text, const std::string& title, int style) {
    if (MsgBoxAnswerer) {
        MsgBoxAnswerer(text, title, style);
        return;
    }
    std::unique_ptr<QMessageBox> box(MakeMessageBox(owner_, text, title, style));
    box->exec();
}

void QtInteraction::DoEvents() {
    QCoreApplication::processEvents();
}

std::string QtInteraction::ShowFileDialog(const modVW::FileDialogRequest& request, bool save) {
    VwFileDialog dialog(owner_, request, save);
    dialog.exec();
    return dialog.ChosenPath();
}

QMessageBox* MakeMessageBox(QWidget* owner, const std::string& text, const std::string& title,
                            int style) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if ((style & 0x70) == modVW::MsgStyle::vbExclamation) icon = QMessageBox::Warning;
    if ((style & 0x70) == modVW::MsgStyle::vbInformation) icon = QMessageBox::Information;
    QString lines = QString::fromStdString(text);
    lines.replace(QRegularExpression(QStringLiteral("\r(?!\n)")), QStringLiteral("\n"));
    return new QMessageBox(icon, QString::fromStdString(title), lines, QMessageBox::Ok, owner);
}

}  // namespace vwui
