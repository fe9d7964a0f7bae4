#include "cBrowseFolders.h"

#include <QFileDialog>

namespace vwui {

std::string cBrowseFolders::BrowseFolders(const std::string& DialogTitle,
                                          const std::string& StartFolder) const {
    // The Qt dialog rather than the desktop's, so the picker looks and behaves the same
    // everywhere the program runs.
    const QString folder = QFileDialog::getExistingDirectory(
        owner_, QString::fromStdString(DialogTitle), QString::fromStdString(StartFolder),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    return folder.toStdString();
}

}  // namespace vwui
