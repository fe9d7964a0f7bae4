// The password dialog: masking, Enter and Escape, the two icon buttons, what each way
// of closing returns, and a real modal showing through the Qt interaction.

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "QtInteraction.h"
#include "SkinLabel.h"
#include "frmPass.h"

using vwui::frmPass;

namespace {

// Runs `answer` on the modal password dialog as soon as it is up.
void AnswerNextDialog(std::function<void(frmPass*)> answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<frmPass*>(QApplication::activeModalWidget()));
        answer(qobject_cast<frmPass*>(QApplication::activeModalWidget()));
    });
}

QRgb PixelOf(const QLabel* label, int x, int y) {
    return label->pixmap().toImage().pixel(x, y);
}

}  // namespace

class PasswordDialogTest : public QObject {
    Q_OBJECT
private slots:
    void typedTextShowsAsStarsAndEnterReturnsIt() {
        frmPass dialog;
        dialog.show();
        QTest::keyClicks(dialog.txtPass, QStringLiteral(" pass word "));
        QCOMPARE(dialog.txtPass->displayText(), QString(11, QLatin1Char('*')));
        QTest::keyClick(dialog.txtPass, Qt::Key_Return);
        QCOMPARE(dialog.EnteredPassword, QStringLiteral(" pass word "));
        QVERIFY(dialog.txtPass->text().isEmpty());
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void keypadEnterAndOkIconAlsoConfirm() {
        frmPass byKeypad;
        byKeypad.show();
        QTest::keyClicks(byKeypad.txtPass, QStringLiteral("abc"));
        QTest::keyClick(byKeypad.txtPass, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(byKeypad.EnteredPassword, QStringLiteral("abc"));

        frmPass byIcon;
        byIcon.show();
        QTest::keyClicks(byIcon.txtPass, QStringLiteral("xyz"));
        QTest::mouseClick(byIcon.cmd[0], Qt::LeftButton);
        QCOMPARE(byIcon.EnteredPassword, QStringLiteral("xyz"));
        QVERIFY(byIcon.isHidden());
    }

    // Every way out that is not OK returns nothing, and OK on an empty box returns
    // nothing too, which the procedures take as the user's wish to stop.
    void otherWaysOutReturnNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape") << "escape";
        QTest::newRow("cancel icon") << "cancel";
        QTest::newRow("window closed") << "close";
        QTest::newRow("ok on empty box") << "empty";
    }
    void otherWaysOutReturnNothing() {
        QFETCH(QString, how);
        frmPass dialog;
        dialog.show();
        if (how != QLatin1String("empty")) QTest::keyClicks(dialog.txtPass, QStringLiteral("s3"));
        if (how == QLatin1String("escape")) QTest::keyClick(dialog.txtPass, Qt::Key_Escape);
        if (how == QLatin1String("cancel")) QTest::mouseClick(dialog.cmd[1], Qt::LeftButton);
        if (how == QLatin1String("close")) dialog.close();
        if (how == QLatin1String("empty")) QTest::mouseClick(dialog.cmd[0], Qt::LeftButton);
        QCOMPARE(dialog.EnteredPassword, QString());
        QVERIFY(dialog.isHidden());
    }

    void looksAsLaidOut() {
        frmPass dialog;
        dialog.SetPrompt(QStringLiteral("Please confirm the password for the encrypted file:"));
        QCOMPARE(dialog.size(), QSize(231, 144));
        QCOMPARE(dialog.lblAction->text(),
                 QStringLiteral("Please confirm the password for the encrypted file:"));
        QCOMPARE(dialog.txtPass->geometry(), QRect(56, 56, 113, 25));
        QCOMPARE(dialog.txtPass->palette().color(QPalette::Base), QColor(0, 0, 128));
        QCOMPARE(dialog.txtPass->palette().color(QPalette::Text), QColor(255, 255, 0));
        QVERIFY(dialog.txtPass->font().bold());
        QCOMPARE(dialog.txtPass->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.cmd[0]->pos(), QPoint(64, 96));
        QCOMPARE(dialog.cmd[1]->pos(), QPoint(128, 96));
        QCOMPARE(dialog.cmd[1]->toolTip(), QStringLiteral("Cancel and return to the main window"));
        // The gradient runs from black at the left to blue at the right.
        const QImage back = dialog.ImgBack->pixmap().toImage();
        QVERIFY(qBlue(back.pixel(0, 70)) < 20);
        QVERIFY(qBlue(back.pixel(back.width() - 1, 70)) > 230);
    }

    void hoverFramesTheButtonAndBackgroundHidesIt() {
        frmPass dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.Frame.ImgButton->isHidden());
        QTest::mouseMove(dialog.cmd[1], QPoint(16, 16));
        QTRY_VERIFY(!dialog.Frame.ImgButton->isHidden());
        QCOMPARE(dialog.Frame.ImgButton->geometry(), QRect(126, 94, 36, 36));
        QTest::mousePress(dialog.cmd[1], Qt::RightButton, {}, QPoint(16, 16));
        QCOMPARE(PixelOf(dialog.Frame.ImgButton, 0, 0), qRgb(128, 128, 128));
        QTest::mouseRelease(dialog.cmd[1], Qt::RightButton, {}, QPoint(16, 16));
        QCOMPARE(PixelOf(dialog.Frame.ImgButton, 0, 0), qRgb(255, 255, 255));
        QVERIFY(dialog.isVisible());  // only a left click cancels
        QTest::mouseMove(&dialog, QPoint(5, 5));
        QTRY_VERIFY(dialog.Frame.ImgButton->isHidden());
    }

    // Each question gets a fresh dialog: a Cancel after an accepted password still
    // returns nothing.
    void interactionAsksThroughAFreshModalDialog() {
        vwui::QtInteraction ui;
        QPointer<frmPass> first;
        AnswerNextDialog([&first](frmPass* dialog) {
            first = dialog;
            QVERIFY(dialog->lblAction->text().startsWith(QStringLiteral("Please enter")));
            QTest::keyClicks(dialog->txtPass, QStringLiteral("Secret"));
            QTest::keyClick(dialog->txtPass, Qt::Key_Return);
        });
        QCOMPARE(ui.PasswordDialog("Please enter a password for the encrypted file:"),
                 std::string("Secret"));
        QVERIFY(first.isNull());  // deleted after the answer was read

        AnswerNextDialog([](frmPass* dialog) {
            QVERIFY(dialog->EnteredPassword.isEmpty());
            QTest::keyClicks(dialog->txtPass, QStringLiteral("other"));
            QTest::keyClick(dialog->txtPass, Qt::Key_Escape);
        });
        QCOMPARE(ui.PasswordDialog("Please confirm the password for the encrypted file:"),
                 std::string());
    }
};

QTEST_MAIN(PasswordDialogTest)
#include "PasswordDialogTest.moc"
