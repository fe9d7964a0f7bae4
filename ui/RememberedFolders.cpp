#include "RememberedFolders.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "Settings.h"

namespace vwui {

namespace {

constexpr char kProduct[] = "Moravi Vaultwise";
constexpr char kSection[] = "folders";

}  // namespace

QString RememberedFolder(const std::string& Title) {
    const QString folder =
        QString::fromStdString(Settings::GetSetting(kProduct, kSection, Title, ""));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(const std::string& Title, const std::string& ChosenPath, bool IsFolder) {
    if (ChosenPath.empty() || Title.empty()) return;
    const QFileInfo chosen(QString::fromStdString(ChosenPath));
    const QString folder = IsFolder ? chosen.absoluteFilePath() : chosen.absolutePath();
    Settings::SaveSetting(kProduct, kSection, Title, folder.toStdString());
}

void StartInRememberedFolder(QFileDialog& Dialog, const std::string& Title) {
    const QString folder = RememberedFolder(Title);
    if (folder.isEmpty() || Dialog.directory() != QDir::current()) return;
    // A bare suggested name stays in the name box when the folder changes.
    const QStringList suggested = Dialog.selectedFiles();
    Dialog.setDirectory(folder);
    if (!suggested.isEmpty() && !QFileInfo(suggested.first()).isDir())
        Dialog.selectFile(QFileInfo(suggested.first()).fileName());
}

}  // namespace vwui
