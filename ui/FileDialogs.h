#pragma once
// The open and save dialogs behind the engine's file questions: the classic
// "Text|pattern|..." filters turned into Qt's, the question before an existing
// file is replaced, and the chosen type's extension on the chosen name.

#include <QFileDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "Interaction.h"

class QLabel;

namespace vwui {

// One filter of a file dialog: the text the user sees, the filter Qt applies, and
// the extension a name of this type ends in ("" when the type has none of its own).
struct QtFilter {
    QString Visible;
    QString Applied;
    QString Extension;  // ".vw3" for "*.vw3"
};

// Splits a classic filter into its filters. "*.*" is applied as "*" so names
// without a dot are listed too, as they were on the platform the filters come from.
std::vector<QtFilter> ToQtFilters(const std::string& filter);

// `name` as a file of the type with `extension`: unchanged when it already ends in
// it or the type has none; otherwise one of `others` at its end is exchanged for
// it, or it is added.
QString NameOfType(const QString& name, const QString& extension, const QStringList& others);

// What a file of the type with `extension` protects, for the line under the type
// box; "" for a type that is not one of the program's own.
QString ProtectionNote(const QString& extension);

class VwFileDialog : public QFileDialog {
    Q_OBJECT
public:
    VwFileDialog(QWidget* owner, const modVW::FileDialogRequest& request, bool save);

    // Asked before accepting a file that exists when the request carries
    // OFN_OVERWRITEPROMPT; false keeps the dialog open. The default asks the user.
    std::function<bool(const QString& path)> ConfirmReplace;

    // The chosen path after exec(), or "" when the dialog was cancelled.
    std::string ChosenPath() const;

    // The line under the type box; hidden unless a type of the program's own is offered.
    QLabel* TypeNote = nullptr;

public slots:
    void accept() override;

private:
    void ApplyFilters(const std::string& filter);
    void AddTypeNote();
    void TypeChosen(const QString& filter);
    const QtFilter* TypeOf(const QString& filter) const;
    QStringList Extensions() const;
    bool AskReplace(const QString& path);

    std::vector<QtFilter> filters_;
    QString rememberKey_;  // where the chosen type is kept; "" when it is not
    bool replacePrompt_;
};

}  // namespace vwui
