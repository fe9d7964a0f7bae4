// The main window: hover and press frames, the status line, the action dispatcher with the
// progress window standing in, the command-line and drop entry, and the start-up steps.

#include <QAccessible>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>
#include <vector>

#include "CommandLine.h"
#include "KeyFile.h"
#include "QtInteraction.h"
#include "RecentFiles.h"
#include "RememberedFolders.h"
#include "SkinLabel.h"
#include "TempDir.h"
#include "frmHelp.h"
#include "frmMain.h"
#include "frmWait.h"

namespace {

// One call of a procedure, with what was on screen while it ran.
struct Call {
    std::string Procedure;  // "encrypt" or "decrypt"
    int Kind = 0;
    std::string Path;
    // The main window hidden; the progress window only while work runs (from DoEvents
    // on), gone for a question, and Cancel there heard by the procedure.
    bool WaitStoodIn = false;
};

struct Message {
    std::string Text, Title;
    int Style;
    QString StatusMeanwhile;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    vwui::QtInteraction ui_;
    std::unique_ptr<vwui::frmMain> main_;
    std::vector<Call> calls_;
    std::vector<Message> messages_;
    int ends_ = 0;
    int registrations_ = 0;

    void Record(const std::string& procedure, int kind, const std::string& path) {
        vwui::frmWait& wait = main_->Wait();
        const bool quietBeforeWork = !main_->isVisible() && wait.isHidden();
        ui_.DoEvents();
        const bool shownForWork = wait.windowHandle() && wait.windowHandle()->isExposed();
        QTest::mouseClick(wait.cmdCancel, Qt::LeftButton);
        const bool heard = ui_.Cancelled();
        ui_.ShowOpen({});
        calls_.push_back(
            {procedure, kind, path, quietBeforeWork && shownForWork && heard && wait.isHidden()});
    }

    // A shift-drag: the source offers a move first. Returns the action the drop took.
    Qt::DropAction Drop(QWidget* target, const QList<QUrl>& urls, const QString& text = QString()) {
        QMimeData data;
        if (!urls.isEmpty()) data.setUrls(urls);
        if (!text.isEmpty()) data.setText(text);
        const Qt::DropActions offered = Qt::MoveAction | Qt::CopyAction;
        QDragEnterEvent enter(QPoint(2, 2), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        enter.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(2, 2), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        drop.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }

private slots:
    void init() {
        calls_.clear();
        messages_.clear();
        ends_ = registrations_ = 0;
        ui_.OpenAnswerer = [](const modVW::FileDialogRequest&) { return std::string(); };
        ui_.MsgBoxAnswerer = [this](const std::string& text, const std::string& title, int style) {
            messages_.push_back({text, title, style, main_->lblStatus->text()});
        };
        main_ = std::make_unique<vwui::frmMain>(ui_);
        ui_.SetOwner(main_.get());
        main_->EncryptProc = [this](int16_t kind, const std::string& path) {
            Record("encrypt", kind, path);
        };
        main_->DecryptProc = [this](const std::string& path) { Record("decrypt", 0, path); };
        main_->BatchProc = [this](vwui::StartAction action, const std::vector<std::string>& paths) {
            std::string all;
            for (const auto& path : paths)
                all += (all.empty() ? "" : " | ") + path;
            Record(action == vwui::StartAction::Encrypt ? "encrypt batch" : "decrypt batch", 0,
                   all);
        };
        main_->EndProgram = [this] { ++ends_; };
        main_->RegisterStep = [this] { ++registrations_; };
    }

    void cleanup() { main_.reset(); }

    // Decrypt, across the background, to About: the frame and the status text follow;
    // a press sinks the frame, a release raises it; moves over the status line or a
    // caption change nothing. A screen reader names each icon by its tool tip.
    void hoverAndPressFrameTheIcon() {
        for (const vwui::SkinLabel* icon : main_->cmd)
            QVERIFY(!icon->toolTip().isEmpty() && icon->accessibleName() == icon->toolTip());
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        const QLabel* frame = main_->Frame.ImgButton;
        QTest::mouseMove(main_->cmd[1], QPoint(10, 10));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("Decrypt a file or folder..."));
        QVERIFY(!frame->isHidden());
        QTest::mouseMove(main_.get(), QPoint(200, 105));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QVERIFY(frame->isHidden());
        QTest::mouseMove(main_->cmd[2], QPoint(10, 10));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("About Moravi Vaultwise"));
        QCOMPARE(frame->pixmap().toImage().pixel(0, 0), qRgb(255, 255, 255));
        QTest::mousePress(main_->cmd[2], Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(frame->pixmap().toImage().pixel(0, 0), qRgb(128, 128, 128));
        QTest::mouseRelease(main_->cmd[2], Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(frame->pixmap().toImage().pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(messages_.empty());  // a right click is no click
        QTest::mouseMove(main_->lblStatus, QPoint(5, 5));
        QTest::mouseMove(main_->lblWelcome, QPoint(5, 5));
        QCoreApplication::processEvents();
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("About Moravi Vaultwise"));
        QVERIFY(!frame->isHidden());
    }

    // Screen readers see push buttons and press About through its press action.
    // The window is a frame whose controls read as the screen shows them, pictures left out.
    void aboutShowsFourLinesWhileTheStatusStaysReady() {
        for (vwui::SkinLabel* icon : main_->cmd)
            QCOMPARE(QAccessible::queryAccessibleInterface(icon)->role(), QAccessible::Button);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(main_.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QStringList read;
        for (int i = 0; i < window->childCount(); ++i)
            read << window->child(i)->text(QAccessible::Name);
        QCOMPARE(read, QStringList({"Welcome to Moravi Vaultwise 3.5",
                                    "Please select an action from below:", "Encrypt a file...",
                                    "Encrypt a folder...", "Decrypt a file or folder...",
                                    "About Moravi Vaultwise", "Exit Moravi Vaultwise", "Ready"}));
        QCOMPARE(window->indexOfChild(window->child(3)), 3);
        QAccessible::queryAccessibleInterface(main_->cmd[2])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(messages_.size(), size_t(1));
        QCOMPARE(messages_[0].Title, std::string("About"));
        QCOMPARE(messages_[0].Style, 64);
        QVERIFY(messages_[0].Text.starts_with("Moravi Vaultwise 3.5.\r"));
        QCOMPARE(messages_[0].StatusMeanwhile, QStringLiteral("Ready"));
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        main_->cmd_Click(3);  // Exit asks nothing
        QCOMPARE(ends_, 1);
        QCOMPARE(messages_.size(), size_t(1));
    }

    // The cases of tests/data/ui/dispatch; while the procedure runs the progress window
    // stands in for the main window.
    void procedureRunsWhileTheProgressWindowStandsIn_data() {
        QTest::addColumn<std::vector<std::string>>("row");
        for (const auto& row : ReadManifest("ui/dispatch"))
            QTest::newRow(row.at(0).c_str()) << row;
    }
    void procedureRunsWhileTheProgressWindowStandsIn() {
        QFETCH(std::vector<std::string>, row);
        QTemporaryDir dir;
        for (const char* name :
             {"a file.txt", "secret.vw3", "LOUD.VW3", ".hidden", "sealed.vws", "--unregister"})
            WriteFile(dir.filePath(QString::fromLatin1(name)).toStdString(), "");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")) &&
                QDir(dir.path()).mkdir(".private"));
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        const std::string folder = dir.path().toStdString(),
                          given = Replace(row.at(1), "{dir}", folder),
                          line = given.substr(given.find(' ') + 1), procedure = row.at(2),
                          expected = Replace(row.at(4), "{dir}", folder);
        if (given.starts_with("click ")) {
            QTest::mouseClick(main_->cmd[std::stoi(line)], Qt::LeftButton);
        } else if (given.starts_with("drop ")) {
            const QUrl url = QUrl::fromLocalFile(QString::fromStdString(line));
            QCOMPARE(Drop(main_->ImgBack, {url}), Qt::CopyAction);
            QVERIFY(calls_.empty());  // the work waits for the drop to return
        } else if (given.starts_with("keys ")) {
            main_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main_.get()));
            for (const QString& key : QString::fromStdString(line).split(u' ')) {
                const QKeyCombination typed = QKeySequence::fromString(key)[0];
                QTest::keyClick(QApplication::focusWidget(), typed.key(),
                                typed.keyboardModifiers());
            }
            if (procedure == "help") {  // a window of its own that names the manual pages
                const auto* help = main_->findChild<vwui::frmHelp*>();
                QVERIFY(help && help->isVisible() && messages_.empty() && ends_ == 0);
                QVERIFY(help->txtHelp->toPlainText().contains(QStringLiteral("man vw3")));
                return;
            }
            if (procedure == "exit" || procedure == "about") {
                QCOMPARE(ends_ + 2 * int(messages_.size()), procedure == "exit" ? 1 : 2);
                return;
            }
        } else if (given.starts_with("args ")) {
            const auto request = vwui::ParseCommandLine(
                QProcess::splitCommand(QStringLiteral("vaultwise ") + QString::fromStdString(line)),
                folder);
            if (!procedure.starts_with("encrypt") && !procedure.starts_with("decrypt") &&
                !procedure.empty()) {
                QCOMPARE(int(request.Action), std::stoi(row.at(3)));
                QVERIFY2(request.Text.find(expected) != std::string::npos, request.Text.c_str());
                return;
            }
            QVERIFY(!main_->Form_Load(request) || procedure.empty());
        } else {
            std::string sFile = vwui::AbsoluteCommandLine(line, folder);
            main_->InitEnc(sFile);
            if (line.starts_with('"')) QCOMPARE(sFile, expected);  // the caller's text shortened
        }
        QTRY_COMPARE(calls_.size(), size_t(procedure.empty() ? 0 : 1));
        if (!calls_.empty()) {
            QCOMPARE(calls_[0].Procedure, procedure);
            QCOMPARE(calls_[0].Kind, std::stoi(row.at(3)));
            QCOMPARE(calls_[0].Path, expected);
            QVERIFY(calls_[0].WaitStoodIn);
        }
        QVERIFY(main_->isVisible() && main_->Wait().isHidden());
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QVERIFY(messages_.empty());
    }

    // The registration step runs first, its failure ignored; a command line (the words
    // after the program's name joined) runs and the program ends, without one the window shows.
    void startUpRunsTheCommandLineOrShowsTheWindow() {
        QTemporaryDir dir;
        const QByteArray first = dir.filePath(QStringLiteral("my")).toUtf8();
        WriteFile(first.toStdString() + " notes.vw3", "");
        const QStringList argv = {QStringLiteral("vaultwise"), QString::fromUtf8(first),
                                  QStringLiteral("notes.vw3")};
        main_->RegisterStep = [this] {
            ++registrations_;
            throw std::runtime_error("no desktop database");
        };
        QVERIFY(!main_->Form_Load(vwui::ParseCommandLine(argv, "/")));
        QCOMPARE(calls_.size(), size_t(1));
        QCOMPARE(calls_[0].Procedure + ' ' + calls_[0].Path,
                 "decrypt " + first.toStdString() + " notes.vw3");
        QVERIFY(main_->Form_Load(vwui::ParseCommandLine(argv.mid(0, 1), "/")));
        QVERIFY(main_->isVisible());
        QCOMPARE(registrations_, 2);
        QCOMPARE(calls_.size(), size_t(1));
    }

    // The background and both captions take drops, each file path in turn, always as a
    // copy; nothing else takes drops, and a drop without a file path is ignored.
    void dropsRunEachPathInTurn() {
        QTemporaryDir dir;
        const QString one = dir.filePath(QStringLiteral("one.txt"));
        WriteFile(one.toStdString(), "");
        const QList<QUrl> urls{QUrl::fromLocalFile(one), QUrl::fromLocalFile(dir.path())};
        main_->show();
        QCOMPARE(Drop(main_->ImgBack, {}, QStringLiteral("/etc/hostname")), Qt::IgnoreAction);
        QCOMPARE(Drop(main_->ImgBack, {QUrl(QStringLiteral("http://x/a"))}), Qt::IgnoreAction);
        for (vwui::SkinLabel* target : {main_->ImgBack, main_->lblWelcome, main_->lblAction})
            QCOMPARE(Drop(target, urls), Qt::CopyAction);
        QTRY_COMPARE(calls_.size(), size_t(6));
        const auto runs = [this](const QString& path) {
            return std::count_if(calls_.begin(), calls_.end(),
                                 [&](const Call& c) { return c.Path == path.toStdString(); });
        };
        QCOMPARE(runs(one), 3);
        QCOMPARE(runs(dir.path()), 3);
        for (QWidget* other : std::initializer_list<QWidget*>{main_.get(), main_->cmd[0],
                                                              main_->lblStatus, main_->ImgBar})
            QVERIFY(!other->acceptDrops());
    }

    // With no window manager to ask, the window follows the mouse by itself, dragged by
    // the background or a caption, not by the status line.
    void pressOnBackgroundOrCaptionMovesTheWindow() {
        main_->move(100, 100);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        const auto dragBy30x20 = [this](QWidget* handle, Qt::MouseButton button) {
            const QPoint start = main_->pos(), at(4, 4), to = at + QPoint(30, 20);
            QTest::mousePress(handle, button, {}, at);
            QTest::mouseMove(handle, to);
            QTest::mouseRelease(handle, button, {}, to);
            return main_->pos() - start;
        };
        QCOMPARE(dragBy30x20(main_->ImgBack, Qt::RightButton), QPoint(30, 20));
        QCOMPARE(dragBy30x20(main_->lblAction, Qt::RightButton), QPoint(30, 20));
        QCOMPARE(dragBy30x20(main_->lblStatus, Qt::LeftButton), QPoint(0, 0));
    }

    // The rows of tests/data/ui/actions: each action's Exec line, its field code given
    // two paths, one with a space, as the file manager quotes them, starts the right
    // procedure for both.
    void fileManagerActionsStartTheirProcedure() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("my notes.vw3")),
                      other = dir.filePath(QStringLiteral("b.vws"));
        WriteFile(file.toStdString(), "");
        WriteFile(other.toStdString(), "");
        for (const auto& row : ReadManifest("ui/actions")) {
            const QByteArray text = QByteArray::fromStdString(
                ReadText(VW_TEST_DATA "/../../packaging/actions/" + row.at(0)));
            const QByteArray section = QByteArray::fromStdString(row.at(1));
            QCOMPARE(ModFileExt::KeyValue(text, section, "Name").value_or(""),
                     QByteArray::fromStdString(row.at(2)));
            QString exec =
                QString::fromUtf8(ModFileExt::KeyValue(text, section, "Exec").value_or(""));
            QVERIFY2(exec.contains(QStringLiteral("%F")), qPrintable(exec));
            exec.replace(QStringLiteral("%F"),
                         u'"' + file + QStringLiteral("\" \"") + other + u'"');
            const auto request = vwui::ParseCommandLine(QProcess::splitCommand(exec), "/");
            QCOMPARE(int(request.Action), int(row.at(3) == "encrypt" ? vwui::StartAction::Encrypt
                                                                     : vwui::StartAction::Decrypt));
            QCOMPARE(request.Paths,
                     (std::vector<std::string>{file.toStdString(), other.toStdString()}));
        }
    }

    // A run the command line started tells the desktop what the procedure said it
    // wrote; one started from the window does only when its work took long (the
    // time in questions does not count), and one that wrote nothing never. Every
    // written output goes to the recent files; the password dialog names the source.
    void finishedRunsTellTheDesktop() {
        QTemporaryDir dir;
        const std::string source = dir.filePath(QStringLiteral("notes.txt")).toStdString(),
                          output = source + ".vw3";
        WriteFile(source, "");
        std::vector<std::string> notified, written, named;
        bool writes = true;
        ui_.Notify = [&](const std::vector<std::string>& outs) {
            notified.insert(notified.end(), outs.begin(), outs.end());
        };
        ui_.OutputWritten = [&](const std::string& out) { written.push_back(out); };
        ui_.OpenAnswerer = [&](const modVW::FileDialogRequest&) { return source; };
        ui_.SaveAnswerer = [&](const modVW::FileDialogRequest&) {
            QTest::qWait(300);  // a user who takes a while to answer
            return output;
        };
        main_->EncryptProc = [&](int16_t, const std::string& path) {
            if (path.empty()) ui_.ShowOpen({});
            ui_.ShowSave({});
            named.push_back(ui_.PasswordFileName().toStdString());
            WriteFile(output, "x");  // written, but only a told output counts
            if (writes) ui_.Wrote(output);
        };
        const QStringList line = {QStringLiteral("vaultwise"), QStringLiteral("--encrypt"),
                                  QString::fromStdString(source)};
        QVERIFY(!main_->Form_Load(vwui::ParseCommandLine(line, "/")));
        ui_.LongRun = std::chrono::milliseconds(200);
        main_->cmd_Click(0);
        ui_.LongRun = std::chrono::milliseconds(0);
        main_->cmd_Click(0);
        writes = false;
        main_->cmd_Click(0);
        QCOMPARE(notified, std::vector<std::string>(2, output));
        QCOMPARE(written, std::vector<std::string>(3, output));
        QCOMPARE(named, std::vector<std::string>(4, "notes.txt"));
    }

    // One entry per file, put last; the other entries and a list that is not whole stay.
    void recentFilesHoldOneEntryPerFile() {
        const QByteArray once = vwui::WithRecentEntry("", QStringLiteral("/a b/x&y.vw3"),
                                                      QStringLiteral("t/x"), QStringLiteral("T1"));
        QVERIFY(once.contains("<bookmark href=\"file:///a%20b/x&amp;y.vw3\" added=\"T1\""));
        const QByteArray other = vwui::WithRecentEntry(once, QStringLiteral("/o"), {}, {});
        const QByteArray again =
            vwui::WithRecentEntry(other, QStringLiteral("/a b/x&y.vw3"), {}, QStringLiteral("T2"));
        QCOMPARE(again.count("<bookmark "), 2);
        QVERIFY(again.indexOf("file:///o") < again.indexOf("added=\"T2\"") &&
                !again.contains("T1"));
        QCOMPARE(vwui::WithRecentEntry("<xbel>", QStringLiteral("/o"), {}, {}),
                 QByteArray("<xbel>"));
    }

    // A dialog nothing else placed opens where the same dialog was last used; one placed
    // elsewhere stays, and a remembered folder that is gone is forgotten.
    void dialogsOpenWhereTheyWereLastUsed() {
        if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
            QSKIP("writes the settings store: run it through ctest");
        QTemporaryDir dir;
        vwui::RememberFolder("Pick", dir.filePath(QStringLiteral("a.txt")).toStdString(), false);
        QFileDialog fresh, placed(nullptr, {}, QDir::rootPath());
        vwui::StartInRememberedFolder(fresh, "Pick");
        vwui::StartInRememberedFolder(placed, "Pick");
        QCOMPARE(fresh.directory().absolutePath(), dir.path());
        QCOMPARE(placed.directory().absolutePath(), QDir::rootPath());
        vwui::RememberFolder("Gone", dir.filePath(QStringLiteral("sub")).toStdString(), true);
        QVERIFY(vwui::RememberedFolder("Gone").isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
