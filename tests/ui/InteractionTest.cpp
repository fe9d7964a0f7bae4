// The Qt side of the engine's questions: filters, the save dialog's create prompt and
// overwrite behaviour, real modal dialogs answered by a timer, the folder picker and
// the message box.

#include <QAbstractButton>
#include <QComboBox>
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

FileDialogRequest SaveRequest(const QString& initialName, uint32_t flags) {
    return {"Destination encrypted file", kSaveEncrypted, initialName.toStdString(), flags};
}

}  // namespace

class InteractionTest : public QObject {
    Q_OBJECT
private slots:
    void filtersKeepTheirTextAndMatchEveryFileForStarDotStar() {
        const auto save = vwui::ToQtFilters(kSaveEncrypted);
        QCOMPARE(save.size(), size_t(2));
        QCOMPARE(save[0].Visible, QStringLiteral("Moravi Vaultwise 3.5 files (*.vw3)"));
        QCOMPARE(save[0].Applied, QStringLiteral("Moravi Vaultwise 3.5 files (*.vw3)"));
        QCOMPARE(save[1].Visible, QStringLiteral("All Files (*.*)"));
        QCOMPARE(save[1].Applied, QStringLiteral("All Files (*)"));
        // A stored name without an extension gives a filter with an empty one.
        const auto bare = vwui::ToQtFilters(" Files (*.)|*.|All Files (*.*)|*.*");
        QCOMPARE(bare[0].Visible, QStringLiteral(" Files (*.)"));
        QCOMPARE(bare.size(), size_t(2));
    }

    // A file without a dot is listed under "All Files (*.*)", as the user expects.
    void openDialogListsNamesWithoutADot() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("README")));
        Touch(dir.filePath(QStringLiteral("notes.txt")));
        VwFileDialog dialog(nullptr, {"Encrypt File", kAllFiles, "", 4}, false);
        dialog.setDirectory(dir.path());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Encrypt File"));
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QStringLiteral("All Files (*.*)"));
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex folder = model->index(dir.path());
        QTRY_COMPARE(model->rowCount(folder), 2);
        dialog.reject();
        QCOMPARE(dialog.ChosenPath(), std::string());
    }

    void saveDialogPrefillsTheNameAndNeverWarnsBeforeOverwriting() {
        VwFileDialog dialog(nullptr, SaveRequest(QStringLiteral("report.doc"), 0x2004), true);
        dialog.show();
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("report.doc"));
    }

    // OFN_CREATEPROMPT asks before a new file; "No" keeps the dialog open.
    void createPromptAsksOnlyForFilesThatDoNotExist() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("old.vw3")));
        for (const char* name : {"new.vw3", "old.vw3"}) {
            for (bool yes : {false, true}) {
                VwFileDialog dialog(nullptr, SaveRequest(QString(), 0x2004), true);
                dialog.setDirectory(dir.path());
                QStringList asked;
                dialog.ConfirmCreate = [&](const QString& path) {
                    asked << path;
                    return yes;
                };
                dialog.show();
                dialog.selectFile(dir.filePath(QString::fromLatin1(name)));
                dialog.accept();
                const bool isNew = QString::fromLatin1(name) == QLatin1String("new.vw3");
                QCOMPARE(asked.size(), isNew ? 1 : 0);
                const bool accepted = yes || !isNew;
                QCOMPARE(dialog.isVisible(), !accepted);
                if (accepted)
                    QCOMPARE(dialog.ChosenPath(),
                             dir.filePath(QString::fromLatin1(name)).toStdString());
            }
        }
        VwFileDialog plain(nullptr, SaveRequest(QString(), 0x4), true);
        plain.ConfirmCreate = [](const QString&) { return false; };
        plain.show();
        plain.selectFile(dir.filePath(QStringLiteral("other.vw3")));
        plain.accept();
        QVERIFY(!plain.isVisible());
    }

    void interactionShowsRealDialogs() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("plain")));
        vwui::QtInteraction ui;
        AnswerNextDialog<QFileDialog>([&dir](QFileDialog* dialog) {
            dialog->setDirectory(dir.path());
            dialog->selectFile(dir.filePath(QStringLiteral("plain")));
            static_cast<QDialog*>(dialog)->accept();  // public there
        });
        QCOMPARE(ui.ShowOpen({"Source encrypted file", kAllFiles, "", 4}),
                 dir.filePath(QStringLiteral("plain")).toStdString());
        AnswerNextDialog<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QCOMPARE(ui.ShowSave(SaveRequest(QString(), 0x2004)), std::string());
    }

    void folderPickerGivesThePathOrNothing() {
        QTemporaryDir dir;
        vwui::cBrowseFolders picker;
        AnswerNextDialog<QFileDialog>([&dir](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Please select a folder to encrypt:"));
            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
            dialog->setDirectory(dir.path());
            dialog->selectFile(dir.path());
            static_cast<QDialog*>(dialog)->accept();  // public there
        });
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"),
                 dir.path().toStdString());
        AnswerNextDialog<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"), std::string());
    }

    void messageBoxTakesIconFromStyleAndBreaksLinesAtCarriageReturns() {
        std::unique_ptr<QMessageBox> error(
            vwui::MakeMessageBox(nullptr, "Error 53 - gone", "Error", 48));
        QCOMPARE(error->icon(), QMessageBox::Warning);
        QCOMPARE(error->windowTitle(), QStringLiteral("Error"));
        QCOMPARE(error->standardButtons(), QMessageBox::Ok);
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
