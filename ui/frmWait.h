#pragma once
// The progress window that stands in for the main window while an encryption or a
// decryption works. Its timer copies the program-wide percentage into the bar and the
// status line; it only ticks when the procedure lets events through. Cancel, Escape
// and closing the window all ask the work to stop.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
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

    // A batch's item at work: the status line reads "3 of 12: report.pdf - 42%".
    void ShowItem(int Number, int Count, const QString& Name);

    // Before a procedure: nothing cancelled, the bar at 0, no item, closing is
    // cancelling.
    void Begin();
    // After it: closing closes.
    void End();

    // Set by Cancel, Escape or the window's close button; read by the procedure.
    bool CancelRequested = false;

    QProgressBar* PB1;
    QTimer* timUpdate;
    QLabel* Image3;
    QLabel* lblStatus;
    QLabel* Image2;
    QPushButton* cmdCancel;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RequestCancel();

    bool inUse_ = false;
    QString item_;  // "3 of 12: report.pdf"; "" for a single item

    bool placed_ = false;
};

}  // namespace vwui
