// The password dialog (the "*" mask, what each way of closing returns, a real modal
// through the Qt interaction) and the progress window (each tick copies the
// program-wide percentage into the bar and the status line).

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "Passphrase.h"
#include "Progress.h"
#include "QtInteraction.h"
#include "SkinLabel.h"
#include "frmPass.h"
#include "frmWait.h"

using vwui::frmPass;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Only OK with text returns it; every other way out returns nothing, which the
    // procedures take as the user's wish to stop. OK on an empty box is answered and
    // the dialog stays.
    void waysOut_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("returned");
        for (const char* row : {"enter| pass word | pass word ", "keypad|abc|abc", "ok|xyz|xyz",
                                "ok||", "escape|s3|", "cancel|s3|", "close|s3|"}) {
            const QStringList f = QString::fromUtf8(row).split('|');
            QTest::newRow(row) << f[1] << f[0] << f[2];
        }
    }
    void waysOut() {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, returned);
        frmPass dialog;
        int toldEmpty = 0;
        dialog.TellEmpty = [&toldEmpty] { ++toldEmpty; };
        dialog.show();
        QTest::keyClicks(dialog.txtPass, typed);
        QCOMPARE(dialog.txtPass->displayText(), QString(typed.size(), QLatin1Char('*')));
        if (how == "enter") QTest::keyClick(dialog.txtPass, Qt::Key_Return);
        if (how == "keypad") QTest::keyClick(dialog.txtPass, Qt::Key_Enter, Qt::KeypadModifier);
        if (how == "escape") QTest::keyClick(dialog.txtPass, Qt::Key_Escape);
        if (how == "ok") QTest::mouseClick(dialog.cmd[0], Qt::LeftButton);
        if (how == "cancel") QTest::mouseClick(dialog.cmd[1], Qt::LeftButton);
        if (how == "close") dialog.close();
        QCOMPARE(dialog.EnteredPassword, returned);
        if (!returned.isEmpty()) QVERIFY(dialog.txtPass->text().isEmpty());  // not left behind
        const bool emptyOk = how == "ok" && typed.isEmpty();
        QCOMPARE(toldEmpty, emptyOk ? 1 : 0);
        QCOMPARE(dialog.isHidden(), !emptyOk);
    }

    // Each question gets a fresh dialog, deleted after its answer was read.
    void interactionAsksThroughAFreshModalDialog() {
        vwui::QtInteraction ui;
        QPointer<frmPass> first;
        const auto answer = [&first](const char* prompt, const QString& typed, Qt::Key key) {
            QTimer::singleShot(0, [&first, prompt, typed, key] {
                QTRY_VERIFY(qobject_cast<frmPass*>(QApplication::activeModalWidget()));
                auto* dialog = qobject_cast<frmPass*>(QApplication::activeModalWidget());
                if (!first) first = dialog;
                QCOMPARE(dialog->lblAction->text(), QString::fromLatin1(prompt));
                QVERIFY(dialog->EnteredPassword.isEmpty());
                QTest::keyClicks(dialog->txtPass, typed);
                QTest::keyClick(dialog->txtPass, key);
            });
        };
        const char* enter = "Please enter a password for the encrypted file:";
        answer(enter, QStringLiteral("Secret"), Qt::Key_Return);
        QCOMPARE(ui.PasswordDialog(enter), std::string("Secret"));
        QVERIFY(first.isNull());
        const char* confirm = "Please confirm the password for the encrypted file:";
        answer(confirm, QStringLiteral("other"), Qt::Key_Escape);
        QCOMPARE(ui.PasswordDialog(confirm), std::string());
    }

    // A new sealed password: the line under the box follows the typing, weak or
    // strong; Generate fills a passphrase of the promised words, shown in clear, and
    // typing over it masks the box again. A classic one is told what it protects.
    void newPasswordsAreGuided() {
        frmPass sealed;
        sealed.GuideNewPassword(true);
        sealed.show();
        QTest::keyClicks(sealed.txtPass, QStringLiteral("summer2024"));
        QVERIFY2(sealed.lblGuide->text().startsWith("Weak: would take about"),
                 qPrintable(sealed.lblGuide->text()));
        QTest::mouseClick(sealed.cmdGenerate, Qt::LeftButton);
        const QString phrase = sealed.txtPass->text();
        QCOMPARE(phrase.split(u'-').size(), int(modVW::kPassphraseWords));
        QCOMPARE(sealed.txtPass->displayText(), phrase);
        QVERIFY(sealed.lblGuide->text().contains(phrase + "\nStrong: would take"));
        QVERIFY(sealed.lblGuide->geometry().bottom() < sealed.height());  // all of it shows
        QTest::keyClick(sealed.txtPass, Qt::Key_Backspace);
        QCOMPARE(sealed.txtPass->echoMode(), QLineEdit::Password);
        frmPass classic;
        classic.GuideNewPassword(false);
        QVERIFY(classic.lblGuide->text().startsWith("This password does not protect the contents"));
        QVERIFY(!classic.cmdGenerate);
    }

    // Its own text before the first tick; the timer runs also while the window is hidden.
    // Closing the window during a procedure is Cancel: it stays until the work stops.
    void progressTickCopiesCurrentProgressAndClosingCancels() {
        modVW::CurrentProgress = 42;
        vwui::frmWait wait;
        QCOMPARE(wait.lblStatus->text(), QStringLiteral("Working...Please Wait"));
        QTRY_COMPARE_WITH_TIMEOUT(wait.lblStatus->text(), QStringLiteral("42% complete..."), 2000);
        QCOMPARE(wait.PB1->value(), 42);
        wait.Begin();
        QCOMPARE(wait.PB1->value(), 0);
        wait.show();
        QVERIFY(!wait.close() && wait.isVisible());
        QVERIFY(wait.CancelRequested);
        wait.Begin();  // a batch's item shares the status line
        wait.ShowItem(2, 3, QStringLiteral("b.txt"));
        modVW::CurrentProgress = 7;
        QTRY_COMPARE(wait.lblStatus->text(), QStringLiteral("2 of 3: b.txt - 7%"));
        wait.End();
        QVERIFY(wait.close());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
