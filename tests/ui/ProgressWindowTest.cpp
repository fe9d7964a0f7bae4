// The progress window: its text before the first tick, then each tick copying the
// program-wide percentage into the bar and the status line.

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include "Progress.h"
#include "frmWait.h"

using vwui::frmWait;

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tickCopiesCurrentProgress_data() {
        QTest::addColumn<int>("percent");
        QTest::newRow("empty") << 0;
        QTest::newRow("part") << 42;
        QTest::newRow("full") << 100;
    }

    // The timer runs by itself, also while the window is hidden.
    void tickCopiesCurrentProgress() {
        QFETCH(int, percent);
        modVW::CurrentProgress = 77;
        frmWait wait;
        QCOMPARE(wait.lblStatus->text(), QStringLiteral("Working...Please Wait"));
        QCOMPARE(wait.PB1->value(), 0);
        modVW::CurrentProgress = percent;
        QTRY_COMPARE_WITH_TIMEOUT(wait.lblStatus->text(),
                                  QStringLiteral("%1% complete...").arg(percent), 2000);
        QCOMPARE(wait.PB1->value(), percent);
        QCOMPARE(wait.PB1->maximum(), 100);
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
