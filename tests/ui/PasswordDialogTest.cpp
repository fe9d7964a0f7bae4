// The password dialog: the "*" mask, what each way of closing returns, the hover frame
// (pressed and raised as in the main window), and a real modal through the Qt interaction.

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "QtInteraction.h"
#include "SkinLabel.h"
#include "frmPass.h"

using vwui::frmPass;

class PasswordDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Only OK with text returns it; every other way out, and OK on an empty box, returns
    // nothing, which the procedures take as the user's wish to stop.
    void waysOut_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("returned");
        QTest::newRow("enter") << " pass word "
                               << "enter"
                               << " pass word ";
        QTest::newRow("keypad enter") << "abc"
                                      << "keypad"
                                      << "abc";
        QTest::newRow("ok icon") << "xyz"
                                 << "ok"
                                 << "xyz";
        QTest::newRow("ok on empty box") << ""
                                         << "ok"
                                         << "";
        QTest::newRow("escape") << "s3"
                                << "escape"
                                << "";
        QTest::newRow("cancel icon") << "s3"
                                     << "cancel"
                                     << "";
        QTest::newRow("window closed") << "s3"
                                       << "close"
                                       << "";
    }
    void waysOut() {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, returned);
        frmPass dialog;
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
        QVERIFY(dialog.isHidden());
    }

    void hoverFramesTheButton() {
        frmPass dialog;
        QCOMPARE(dialog.size(), QSize(231, 144));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.Frame.ImgButton->isHidden());
        QTest::mouseMove(dialog.cmd[1], QPoint(16, 16));
        QTRY_VERIFY(!dialog.Frame.ImgButton->isHidden());
        QCOMPARE(dialog.Frame.ImgButton->geometry(), QRect(126, 94, 36, 36));
        QTest::mouseClick(dialog.cmd[1], Qt::RightButton, {}, QPoint(16, 16));
        QVERIFY(dialog.isVisible());  // only a left click cancels
        QTest::mouseMove(&dialog, QPoint(5, 5));
        QTRY_VERIFY(dialog.Frame.ImgButton->isHidden());
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
};

QTEST_MAIN(PasswordDialogTest)
#include "PasswordDialogTest.moc"
