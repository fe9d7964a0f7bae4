#pragma once
// The modal password dialog: a masked box, a prompt and two icon buttons, OK and
// Cancel, skinned like the main window. Each question uses a fresh dialog.

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "HoverFrame.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vwui {

class SkinLabel;
class WindowMover;

class frmPass : public QDialog {
    Q_OBJECT
public:
    explicit frmPass(QWidget* owner = nullptr);
    ~frmPass() override;

    // Sets the prompt shown above the box.
    void SetPrompt(const QString& prompt);

    // Names the file the password is for, in the title and on a line of its own
    // under the prompt, so that two questions at once can be told apart.
    void SetFileName(const QString& name);

    // Guides the first question of a new password. For a sealed file: a line under
    // the box says, as the user types, how long the password would take to guess
    // (zxcvbn's estimate at this format's key derivation cost), and Generate
    // fills a random passphrase, shown in clear so it can be written down. For a
    // classic file: a line says that the password does not protect the contents.
    void GuideNewPassword(bool Sealed);

    // 0 is OK: keep the typed text, empty the box, hide; on an empty box, say that a
    // password is needed and stay. 1 is Cancel: hide.
    void cmd_Click(int Index);

    // The typed password after OK; empty otherwise, so empty means cancelled.
    QString EnteredPassword;

    // Tells the user that OK on an empty box is no answer; a message box by default.
    std::function<void()> TellEmpty;

    SkinLabel* ImgBack;
    HoverFrame Frame;
    std::array<SkinLabel*, 2> cmd;
    SkinLabel* lblAction;
    QLineEdit* txtPass;
    QLabel* lblGuide = nullptr;          // the guidance line, once guided
    QPushButton* cmdGenerate = nullptr;  // sealed files only

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowStrength();
    void FitPrompt();
    void SetGuide(const QString& Text);
    SkinLabel* MakeButton(int Index, const QRect& geometry, const QString& art, const QString& tip);
    void MakePasswordBox();
};

}  // namespace vwui
