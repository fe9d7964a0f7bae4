// The Qt side of the engine's questions: filters, the save dialog's create prompt and
// overwrite behaviour, real modal dialogs answered by a timer, and the message box.

#include <QAbstractButton>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "FileDialogs.h"
#include "QtInteraction.h"
#include "cBrowseFolders.h"

using modVW::FileDialogRequest;
using vwui::VwFileDialog;

namespace {

const char* const kAllFiles = "All Files (*.*)|*.*";
const char* const kSaveEncrypted = "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|All Files (*.*)|*.*";

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Runs `answer` on the next modal dialog of type T once it is up.
template <class T>
void AnswerNextDialog(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(qobject_cast<T*>(QApplication::activeModalWidget()));
        answer(qobject_cast<T*>(QApplication::activeModalWidget()));
    });
}

// Chooses `path` in the next file dialog, or cancels it when `path` is empty.
void ChooseInNextFileDialog(const QString& path) {
    AnswerNextDialog<QFileDialog>([path](QFileDialog* dialog) {
        if (path.isEmpty()) return dialog->reject();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // public there
    });
}

FileDialogRequest SaveRequest(const QString& initialName, uint32_t flags) {
    return {"Destination encrypted file", kSaveEncrypted, initialName.toStdString(), flags};
}

}  // namespace

class InteractionTest : public QObject {
    Q_OBJECT
private slots:
    // "*.*" matches every name, also one without a dot.
    void starDotStarListsNamesWithoutADot() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("README")));
        Touch(dir.filePath(QStringLiteral("notes.txt")));
        VwFileDialog dialog(nullptr, {"Encrypt File", kAllFiles, "", 4}, false);
        dialog.setDirectory(dir.path());
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        QTRY_COMPARE(model->rowCount(model->index(dir.path())), 2);
    }

    // The save dialog shows the initial name and never warns before overwriting; with
    // OFN_CREATEPROMPT it asks before a new file only, and "No" keeps it open.
    void saveDialogAsksBeforeANewFileOnly() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("old.vw3")));
        for (const char* name : {"new.vw3", "old.vw3"}) {
            for (bool yes : {false, true}) {
                VwFileDialog dialog(nullptr, SaveRequest(QStringLiteral("report.doc"), 0x2004),
                                    true);
                dialog.setDirectory(dir.path());
                QStringList asked;
                dialog.ConfirmCreate = [&](const QString& path) {
                    asked << path;
                    return yes;
                };
                dialog.show();
                auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(edit);
                QCOMPARE(edit->text(), QStringLiteral("report.doc"));
                QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
                const QString path = dir.filePath(QString::fromLatin1(name));
                const bool isNew = !QFile::exists(path);
                dialog.selectFile(path);
                dialog.accept();
                QCOMPARE(asked.size(), isNew ? 1 : 0);
                QCOMPARE(dialog.isVisible(), isNew && !yes);
                if (!isNew || yes) QCOMPARE(dialog.ChosenPath(), path.toStdString());
            }
        }
        VwFileDialog plain(nullptr, SaveRequest(QString(), 0x4), true);
        plain.ConfirmCreate = [](const QString&) { return false; };
        plain.show();
        plain.selectFile(dir.filePath(QStringLiteral("other.vw3")));
        plain.accept();
        QVERIFY(!plain.isVisible());
    }

    // Real modal dialogs give the chosen path, or nothing when cancelled.
    void realDialogsGiveThePathOrNothing() {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain"));
        Touch(plain);
        vwui::QtInteraction ui;
        ChooseInNextFileDialog(plain);
        QCOMPARE(ui.ShowOpen({"Source encrypted file", kAllFiles, "", 4}), plain.toStdString());
        ChooseInNextFileDialog(QString());
        QCOMPARE(ui.ShowSave(SaveRequest(QString(), 0x2004)), std::string());

        vwui::cBrowseFolders picker;
        ChooseInNextFileDialog(dir.path());
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"),
                 dir.path().toStdString());
        ChooseInNextFileDialog(QString());
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"), std::string());
    }

    void messageBoxTakesIconFromStyleAndBreaksLinesAtCarriageReturns() {
        std::unique_ptr<QMessageBox> error(
            vwui::MakeMessageBox(nullptr, "Error 53 - gone", "Error", 48));
        QCOMPARE(error->icon(), QMessageBox::Warning);
        std::unique_ptr<QMessageBox> about(
            vwui::MakeMessageBox(nullptr, "One.\rTwo\r\rFour\r\nFive", "About", 64));
        QCOMPARE(about->icon(), QMessageBox::Information);
        QCOMPARE(about->text(), QStringLiteral("One.\nTwo\n\nFour\r\nFive"));

        vwui::QtInteraction ui;
        AnswerNextDialog<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->text(), QStringLiteral("Error: You have entered an incorrect password."));
            box->button(QMessageBox::Ok)->click();
        });
        ui.MsgBox("Error: You have entered an incorrect password.", "Error", 48);
    }
};

QTEST_MAIN(InteractionTest)
#include "InteractionTest.moc"
