#pragma once
// The open and save dialogs behind the engine's file questions: the classic
// "Text|pattern|..." filters turned into Qt's, the create prompt, and no overwrite
// warning.

#include <QFileDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "Interaction.h"

namespace vwui {

// One filter of a file dialog: the text the user sees, and the filter Qt applies.
struct QtFilter {
    QString Visible;
    QString Applied;
};

// Splits a classic filter into its filters. "*.*" is applied as "*" so names
// without a dot are listed too, as they were on the platform the filters come from.
std::vector<QtFilter> ToQtFilters(const std::string& filter);

class VwFileDialog : public QFileDialog {
    Q_OBJECT
public:
    VwFileDialog(QWidget* owner, const modVW::FileDialogRequest& request, bool save);

    // Asked before accepting a file that does not exist when the request carries
    // OFN_CREATEPROMPT; false keeps the dialog open. The default asks the user.
    std::function<bool(const QString& path)> ConfirmCreate;

    // The chosen path after exec(), or "" when the dialog was cancelled.
    std::string ChosenPath() const;

public slots:
    void accept() override;

private:
    void ApplyFilters(const std::string& filter);
    bool AskCreate(const QString& path);

    bool createPrompt_;
};

}  // namespace vwui
