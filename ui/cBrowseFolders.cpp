#include "cBrowseFolders.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vwui {

namespace {

// The Qt dialog rather than the desktop's, so the picker looks and behaves the same
// everywhere the program runs. A new name in an existing folder is a choice too,
// as archivers propose a new folder to extract into.
class FolderDialog : public QFileDialog {
public:
    FolderDialog(QWidget* owner, const QString& title) : QFileDialog(owner, title) {
        setFileMode(QFileDialog::Directory);
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }
    QString Chosen;

    void accept() override {
        const QStringList files = selectedFiles();
        const QFileInfo typed(files.value(0));
        if (files.size() == 1 && !typed.exists() && typed.dir().exists()) {
            Chosen = typed.absoluteFilePath();
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted) Chosen = selectedFiles().value(0);
    }
};

}  // namespace

std::string cBrowseFolders::BrowseFolders(const std::string& DialogTitle,
                                          const std::string& Proposal) const {
    FolderDialog dialog(owner_, QString::fromStdString(DialogTitle));
    if (!Proposal.empty()) {
        QString proposal = QString::fromStdString(Proposal);
        while (proposal.size() > 1 && proposal.endsWith(u'/'))
            proposal.chop(1);
        const QFileInfo info(proposal);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Chosen.toStdString();
}

}  // namespace vwui
