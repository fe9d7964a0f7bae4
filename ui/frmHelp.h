#pragma once
// A short help, opened with F1: what each kind of file protects, where the
// outputs go, the keys, and the manual pages that say the rest. The text is a
// read-only document that a screen reader reads and the keyboard scrolls.

#include <QDialog>

class QTextBrowser;

namespace vwui {

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* owner = nullptr);

    // The help as rich text, in the user's language.
    static QString HelpText();

    QTextBrowser* txtHelp;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace vwui
