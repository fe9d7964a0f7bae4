#include "cBrowseFolders.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace vwui {

namespace {

// The Qt dialog rather than the desktop's, so the picker looks and behaves the same
// everywhere the program runs. A new name in an existing folder is a choice too,
// as archivers propose a new folder to extract into: Qt's dialog disables its
// Choose button for a name that does not exist, so the button is given back.
class FolderDialog : public QFileDialog {
public:
    FolderDialog(QWidget* owner, const QString& title) : QFileDialog(owner, title) {
        setFileMode(QFileDialog::Directory);
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (auto* buttons = findChild<QDialogButtonBox*>())
            choose_ = buttons->button(QDialogButtonBox::Open);
        if (choose_) choose_->installEventFilter(this);
    }
    QString Chosen;

    void accept() override {
        if (NewNameTyped()) {
            Chosen = QFileInfo(selectedFiles().value(0)).absoluteFilePath();
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted) Chosen = selectedFiles().value(0);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == choose_ && event->type() == QEvent::EnabledChange && !choose_->isEnabled() &&
            NewNameTyped())
            choose_->setEnabled(true);
        return QFileDialog::eventFilter(watched, event);
    }

private:
    // One name typed that does not exist yet, in a folder that does.
    bool NewNameTyped() const {
        const QStringList files = selectedFiles();
        const QFileInfo typed(files.value(0));
        return files.size() == 1 && !typed.fileName().isEmpty() && !typed.exists() &&
               typed.dir().exists();
    }

    QPushButton* choose_ = nullptr;
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
