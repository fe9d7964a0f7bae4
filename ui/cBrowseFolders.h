#pragma once
// The folder picker: a modal chooser of file-system folders owned by a window.

#include <string>

class QWidget;

namespace vwui {

class cBrowseFolders {
public:
    explicit cBrowseFolders(QWidget* OwnerhWnd = nullptr) : owner_(OwnerhWnd) {}

    void SetOwner(QWidget* OwnerhWnd) { owner_ = OwnerhWnd; }

    // The chosen folder's path, or "" when the user cancels. The picker opens
    // beside Proposal with it selected (its name typed in when it does not exist
    // yet, which may be chosen: the caller makes it), in the working folder when
    // Proposal is "".
    std::string BrowseFolders(const std::string& DialogTitle,
                              const std::string& Proposal = {}) const;

private:
    QWidget* owner_;
};

}  // namespace vwui
