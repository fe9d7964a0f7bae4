// The progress window: what it shows before its first tick, and how each tick copies
// the program-wide percentage into the bar and the status line.

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include "Progress.h"
#include "frmWait.h"

using vwui::frmWait;

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsWorkingTextUntilTheFirstTick() {
        modVW::CurrentProgress = 77;
        frmWait wait;
        QCOMPARE(wait.lblStatus->text(), QStringLiteral("Working...Please Wait"));
        QCOMPARE(wait.PB1->value(), 0);
        QCOMPARE(wait.size(), QSize(320, 93));
        QCOMPARE(wait.timUpdate->interval(), 10);
    }

    void tickCopiesCurrentProgress_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << 0 << "0% complete...";
        QTest::newRow("part") << 42 << "42% complete...";
        QTest::newRow("full") << 100 << "100% complete...";
    }

    // The timer runs by itself, also while the window is hidden.
    void tickCopiesCurrentProgress() {
        QFETCH(int, percent);
        QFETCH(QString, text);
        frmWait wait;
        modVW::CurrentProgress = percent;
        QTRY_COMPARE_WITH_TIMEOUT(wait.lblStatus->text(), text, 2000);
        QCOMPARE(wait.PB1->value(), percent);
        QCOMPARE(wait.PB1->minimum(), 0);
        QCOMPARE(wait.PB1->maximum(), 100);
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
