#pragma once
// The folder picker: a modal chooser of file-system folders owned by a window.

#include <string>

class QWidget;

namespace vwui {

class cBrowseFolders {
public:
    explicit cBrowseFolders(QWidget* OwnerhWnd = nullptr) : owner_(OwnerhWnd) {}

    void SetOwner(QWidget* OwnerhWnd) { owner_ = OwnerhWnd; }

    // The chosen folder's path, or "" when the user cancels. Opens in StartFolder
    // when one is given.
    std::string BrowseFolders(const std::string& DialogTitle,
                              const std::string& StartFolder = std::string()) const;

private:
    QWidget* owner_;
};

}  // namespace vwui
