#pragma once
// The progress window that stands in for the main window while an encryption or a
// decryption runs. Its timer copies the program-wide percentage into the bar and the
// status line; it only ticks when the procedure lets events through.

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

namespace vwui {

class frmWait : public QWidget {
    Q_OBJECT
public:
    explicit frmWait(QWidget* parent = nullptr);

    // Shows the window, centred on the screen the first time.
    void ShowCentred();

    // Waits, briefly, until the window system has put the shown window on screen, and
    // paints it, so it is seen before long work that lets no events through starts.
    void ShowNow();

    // Copies modVW::CurrentProgress into PB1 and lblStatus.
    void timUpdate_Timer();

    QProgressBar* PB1;
    QTimer* timUpdate;
    QLabel* Image3;
    QLabel* lblStatus;
    QLabel* Image2;

private:
    bool placed_ = false;
};

}  // namespace vwui
