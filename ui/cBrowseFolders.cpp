#include "cBrowseFolders.h"

#include <QFileDialog>

namespace vwui {

std::string cBrowseFolders::BrowseFolders(const std::string& DialogTitle) const {
    // The Qt dialog rather than the desktop's, so the picker looks and behaves the same
    // everywhere the program runs.
    const QString folder = QFileDialog::getExistingDirectory(
        owner_, QString::fromStdString(DialogTitle), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    return folder.toStdString();
}

}  // namespace vwui
