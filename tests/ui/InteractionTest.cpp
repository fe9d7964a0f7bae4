// The Qt side of the engine's questions: filters, the save dialog's types, replace
// question and remembered type, real modal dialogs answered by a timer, and the
// message box.

#include <QAbstractButton>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

#include "DoneNotifier.h"
#include "FileDialogs.h"
#include "QtInteraction.h"
#include "TempDir.h"
#include "cBrowseFolders.h"

using modVW::FileDialogRequest;
using vwui::VwFileDialog;

namespace {

const char* const kAllFiles = "All Files (*.*)|*.*";
const char* const kSaveEncrypted = "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|All Files (*.*)|*.*";
const char* const kEncryptTypes =
    "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|All Files (*.*)|*.*|"
    "Sealed Vaultwise files (*.vws)|*.vws";

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
    return {
        "Destination encrypted file", kSaveEncrypted, initialName.toStdString(), flags, "", false};
}

// The desktop's notification service and file manager on a private session bus:
// what the program asks of them is kept.
class NotificationsStub : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList Actions;
public slots:
    uint Notify(const QString&, uint, const QString&, const QString&, const QString&,
                const QStringList& actions, const QVariantMap&, int) {
        Actions = actions;
        return 7;
    }
};
class FileManagerStub : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList Shown;
public slots:
    void ShowItems(const QStringList& uris, const QString&) { Shown = uris; }
};

}  // namespace

class InteractionTest : public QObject {
    Q_OBJECT
    QTemporaryDir config_;  // the settings store, away from the user's

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

    // "*.*" matches every name, also one without a dot.
    void starDotStarListsNamesWithoutADot() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("README")));
        Touch(dir.filePath(QStringLiteral("notes.txt")));
        VwFileDialog dialog(nullptr, {"Encrypt File", kAllFiles, "", 4, "", false}, false);
        dialog.setDirectory(dir.path());
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        QTRY_COMPARE(model->rowCount(model->index(dir.path())), 2);
    }

    // The rows of tests/data/ui/save-names.
    void saveDialogNamesTheTypeAndAsksBeforeReplacing_data() {
        QTest::addColumn<std::vector<std::string>>("row");
        for (const auto& row : ReadManifest("ui/save-names"))
            QTest::newRow(row.at(0).c_str()) << row;
    }
    void saveDialogNamesTheTypeAndAsksBeforeReplacing() {
        QFETCH(std::vector<std::string>, row);
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("old.vw3")));
        Touch(dir.filePath(QStringLiteral("precious.doc")));
        const FileDialogRequest request{
            "Destination encrypted file", kEncryptTypes, "report.txt.vw3", 0x6,
            dir.path().toStdString(),     true};
        VwFileDialog dialog(nullptr, request, true);
        QCOMPARE(dialog.directory().path(), dir.path());
        QStringList asked;
        dialog.ConfirmReplace = [&](const QString& path) {
            asked << QFileInfo(path).fileName();
            return row.at(3) == "yes";
        };
        dialog.show();
        const auto types = vwui::ToQtFilters(kEncryptTypes);
        dialog.selectNameFilter(types.at(std::stoul(row.at(1))).Visible);
        emit dialog.filterSelected(dialog.selectedNameFilter());
        QVERIFY(dialog.TypeNote->text().startsWith(QString::fromStdString(row.at(5))));
        QCOMPARE(dialog.TypeNote->isVisible(), !row.at(5).empty());
        // Typed, as a user does, into the name box that has the focus.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        name->setFocus();
        name->setText(QString::fromStdString(row.at(2)));
        QVERIFY(name->hasFocus());
        dialog.accept();
        const std::string chosen = row.at(4);
        QCOMPARE(asked.size(), row.at(3).empty() ? 0 : 1);
        QCOMPARE(dialog.isVisible(), chosen.empty());
        if (chosen.empty()) return;
        QCOMPARE(dialog.ChosenPath(), dir.filePath(QString::fromStdString(chosen)).toStdString());
        // Offered first the next time, the opening name following it.
        VwFileDialog next(nullptr, request, true);
        QCOMPARE(next.selectedNameFilter(), dialog.selectedNameFilter());
        const auto* edit = next.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QCOMPARE(edit->text(), row.at(1) == "2" ? QStringLiteral("report.txt.vws")
                                                : QStringLiteral("report.txt.vw3"));
    }

    // The question before an existing file is replaced: Enter keeps the file.
    void replaceQuestionKeepsTheFileOnEnter() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("old.vw3")));
        VwFileDialog dialog(nullptr, SaveRequest(QStringLiteral("old.vw3"), 0x6), true);
        dialog.setDirectory(dir.path());
        dialog.show();
        dialog.selectFile(dir.filePath(QStringLiteral("old.vw3")));
        AnswerNextDialog<QMessageBox>([](QMessageBox* box) {
            QVERIFY(box->text().startsWith(QStringLiteral("old.vw3 already exists.")));
            QTest::keyClick(box, Qt::Key_Return);
        });
        dialog.accept();
        QVERIFY(dialog.isVisible());
    }

    // A click on the notification itself (its "default" action) shows the outputs in
    // their folders.
    void notificationClickShowsTheOutput() {
        QProcess bus;
        bus.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
        if (!bus.waitForReadyRead(5000)) QSKIP("dbus-daemon (package dbus-daemon) is missing");
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        QDBusConnection desktop = QDBusConnection::connectToBus(address, QStringLiteral("stub"));
        // On a thread of its own: the program's calls wait for the answers.
        QThread answering;
        NotificationsStub notifications;
        FileManagerStub files;
        const auto stop = qScopeGuard([&] {
            answering.quit();
            answering.wait();
            bus.kill();
            bus.waitForFinished();
        });
        for (QObject* stub :
             {static_cast<QObject*>(&notifications), static_cast<QObject*>(&files)}) {
            const QString service = QString::fromLatin1(stub->metaObject()->classInfo(0).value());
            stub->moveToThread(&answering);
            desktop.registerObject(QStringLiteral("/") + service.split(u'.').join(u'/'), stub,
                                   QDBusConnection::ExportAllSlots);
            QVERIFY(desktop.registerService(service));
        }
        answering.start();
        vwui::DoneNotifier notifier;
        const QStringList outputs = {QStringLiteral("/tmp/out/a.pdf"), QStringLiteral("/tmp/b")};
        QVERIFY(notifier.Notify(outputs));
        QVERIFY(notifications.Actions.contains(QStringLiteral("default")));
        desktop.send(QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("ActionInvoked"))
                     << 7u << QStringLiteral("default"));
        QTRY_COMPARE(files.Shown, (QStringList{QStringLiteral("file:///tmp/out/a.pdf"),
                                               QStringLiteral("file:///tmp/b")}));
    }

    // Real modal dialogs give the chosen path, or nothing when cancelled.
    void realDialogsGiveThePathOrNothing() {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain"));
        Touch(plain);
        vwui::QtInteraction ui;
        ChooseInNextFileDialog(plain);
        QCOMPARE(ui.ShowOpen({"Source encrypted file", kAllFiles, "", 4, "", false}),
                 plain.toStdString());
        ChooseInNextFileDialog(QString());
        QCOMPARE(ui.ShowSave(SaveRequest(QString(), 0x6)), std::string());

        vwui::cBrowseFolders picker;
        ChooseInNextFileDialog(dir.path());
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"),
                 dir.path().toStdString());
        ChooseInNextFileDialog(QString());
        QCOMPARE(picker.BrowseFolders("Please select a folder to encrypt:"), std::string());
        // A proposal opens beside it, selected; a new name there is a choice too.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("old")));
        for (const char* name : {"old", "new"}) {
            const QString proposal = dir.filePath(QLatin1String(name));
            AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->directory().path(), dir.path());
                QCOMPARE(dialog->selectedFiles().value(0), proposal);
                auto* choose =
                    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
                QTRY_VERIFY(choose->isEnabled());
                choose->click();
            });
            QCOMPARE(picker.BrowseFolders("Pick", proposal.toStdString()), proposal.toStdString());
        }
    }

    void messageBoxTakesIconFromStyleAndBreaksLinesAtCarriageReturns() {
        std::unique_ptr<QMessageBox> error(
            vwui::MakeMessageBox(nullptr, "Error 53 - gone", "Error", 48));
        QCOMPARE(error->icon(), QMessageBox::Warning);
        std::unique_ptr<QMessageBox> about(
            vwui::MakeMessageBox(nullptr, "One.\rTwo\r\rFour\r\nFive", "About", 64));
        QCOMPARE(about->icon(), QMessageBox::Information);
        QCOMPARE(about->text(), QStringLiteral("One.\nTwo\n\nFour\r\nFive"));
        // A question before work: Enter cancels it.
        std::unique_ptr<QMessageBox> question(vwui::MakeMessageBox(nullptr, "?", "Q", 48, true));
        QCOMPARE(static_cast<QAbstractButton*>(question->defaultButton()),
                 question->button(QMessageBox::Cancel));

        vwui::QtInteraction ui;
        AnswerNextDialog<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->text(), QStringLiteral("Error: You have entered an incorrect password."));
            box->button(QMessageBox::Ok)->click();
        });
        ui.MsgBox("Error: You have entered an incorrect password.", "Error", 48);
        // A question's details unfold below it.
        AnswerNextDialog<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->detailedText(), QStringLiteral("all it holds"));
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!ui.GoOn("1 file will be replaced", "Replace Files", "all it holds"));
    }
};

QTEST_MAIN(InteractionTest)
#include "InteractionTest.moc"
