// The main window: layout of the action row, hover and press frames, the status line,
// the action dispatcher with the progress window standing in, the command-line and
// drop entry, and the start-up steps. The procedures are replaced by recorders.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <vector>

#include "CommandLine.h"
#include "QtInteraction.h"
#include "SkinLabel.h"
#include "frmMain.h"
#include "frmWait.h"

using vwui::frmMain;

namespace {

// One call of a procedure, with what was on screen while it ran.
struct Call {
    std::string Procedure;  // "encrypt" or "decrypt"
    int Kind = 0;
    std::string Path;
    bool MainVisible = true;
    bool WaitVisible = false;
};

struct Message {
    std::string Text, Title;
    int Style;
    QString StatusMeanwhile;
};

QRgb PixelOf(const QLabel* label, int x, int y) {
    return label->pixmap().toImage().pixel(x, y);
}

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    vwui::QtInteraction ui_;
    std::unique_ptr<frmMain> main_;
    std::vector<Call> calls_;
    std::vector<Message> messages_;
    int ends_ = 0;
    int registrations_ = 0;

    void Record(const std::string& procedure, int kind, const std::string& path) {
        calls_.push_back({procedure, kind, path, main_->isVisible(), main_->Wait().isVisible()});
    }

    QPoint CentreOf(const QWidget* w) const { return w->geometry().center(); }

    void Drop(QWidget* target, const QList<QUrl>& urls, const QString& text = QString()) {
        QMimeData data;
        if (!urls.isEmpty()) data.setUrls(urls);
        if (!text.isEmpty()) data.setText(text);
        const QPointF at(2, 2);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
    }

private slots:
    void init() {
        calls_.clear();
        messages_.clear();
        ends_ = registrations_ = 0;
        ui_.MsgBoxAnswerer = [this](const std::string& text, const std::string& title, int style) {
            messages_.push_back({text, title, style, main_->lblStatus->text()});
        };
        main_ = std::make_unique<frmMain>(ui_);
        ui_.SetOwner(main_.get());
        main_->EncryptProc = [this](int16_t kind, const std::string& path) {
            Record("encrypt", kind, path);
        };
        main_->DecryptProc = [this](const std::string& path) { Record("decrypt", 0, path); };
        main_->EndProgram = [this] { ++ends_; };
        main_->RegisterStep = [this] { ++registrations_; };
    }

    void cleanup() { main_.reset(); }

    void layoutFollowsTheActionTable() {
        QCOMPARE(main_->size(), QSize(340, 137));
        QVERIFY(main_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(main_->windowTitle(), QStringLiteral("Moravi Vaultwise"));
        const int lefts[5] = {32, 160, 224, 280, 96};  // by index; left to right 0 4 1 2 3
        const char* tips[5] = {"Encrypt a file...", "Decrypt a file or folder...",
                               "About Moravi Vaultwise", "Exit Moravi Vaultwise",
                               "Encrypt a folder..."};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(main_->cmd[i]->geometry(), QRect(lefts[i], 64, 32, 32));
            QCOMPARE(main_->cmd[i]->toolTip(), QString::fromLatin1(tips[i]));
            QCOMPARE(main_->childAt(CentreOf(main_->cmd[i])), main_->cmd[i]);
        }
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QCOMPARE(main_->lblStatus->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(main_->lblWelcome->text(), QStringLiteral("Welcome to Moravi Vaultwise 3.5"));
        QVERIFY(main_->lblWelcome->font().bold());
        QCOMPARE(main_->lblAction->text(), QStringLiteral("Please select an action from below:"));
        QCOMPARE(main_->lblAction->palette().color(QPalette::WindowText), QColor(192, 192, 255));
        // The status line stands over its strip, the strip over the background.
        QCOMPARE(main_->childAt(CentreOf(main_->lblStatus)), main_->lblStatus);
        QCOMPARE(main_->childAt(QPoint(5, 116)), main_->ImgBar);
        QCOMPARE(main_->childAt(QPoint(5, 50)), main_->ImgBack);
        QVERIFY(main_->Frame.ImgButton->isHidden());
    }

    // Decrypt, across the background, to About: the frame and the status text follow.
    void hoverFramesTheIconAndNamesItsAction() {
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        QTest::mouseMove(main_->cmd[1], QPoint(10, 10));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("Decrypt a file or folder..."));
        QCOMPARE(main_->Frame.ImgButton->geometry(), QRect(158, 62, 36, 36));
        QVERIFY(!main_->Frame.ImgButton->isHidden());
        QCOMPARE(PixelOf(main_->Frame.ImgButton, 0, 0), qRgb(255, 255, 255));
        QCOMPARE(PixelOf(main_->Frame.ImgButton, 35, 35), qRgb(128, 128, 128));
        QCOMPARE(qAlpha(PixelOf(main_->Frame.ImgButton, 18, 18)), 0);
        // The icon stays above its frame.
        QCOMPARE(main_->childAt(CentreOf(main_->cmd[1])), main_->cmd[1]);

        QTest::mouseMove(main_.get(), QPoint(200, 105));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QVERIFY(main_->Frame.ImgButton->isHidden());

        QTest::mouseMove(main_->cmd[2], QPoint(10, 10));
        QTRY_COMPARE(main_->lblStatus->text(), QStringLiteral("About Moravi Vaultwise"));
        QCOMPARE(main_->Frame.ImgButton->geometry(), QRect(222, 62, 36, 36));
    }

    // Moves over the status line or a caption change nothing.
    void movesOutsideIconsAndBackgroundChangeNothing() {
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        main_->cmd_MouseMove(4);
        QTest::mouseMove(main_->lblStatus, QPoint(5, 5));
        QTest::mouseMove(main_->lblWelcome, QPoint(5, 5));
        QTest::qWait(20);
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Encrypt a folder..."));
        QVERIFY(!main_->Frame.ImgButton->isHidden());
    }

    void pressSinksTheFrameAndReleaseRaisesIt() {
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        QTest::mouseMove(main_->cmd[2], QPoint(10, 10));
        QTest::mousePress(main_->cmd[2], Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(PixelOf(main_->Frame.ImgButton, 0, 0), qRgb(128, 128, 128));
        QCOMPARE(PixelOf(main_->Frame.ImgButton, 35, 35), qRgb(255, 255, 255));
        QTest::mouseRelease(main_->cmd[2], Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(PixelOf(main_->Frame.ImgButton, 0, 0), qRgb(255, 255, 255));
        QCOMPARE(main_->Frame.ImgButton->geometry(), QRect(222, 62, 36, 36));
        QVERIFY(messages_.empty());  // a right click is no click
    }

    void clickRunsTheProcedureWhileTheProgressWindowStandsIn_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("kind");
        QTest::newRow("encrypt a file") << 0 << "encrypt" << 1;
        QTest::newRow("encrypt a folder") << 4 << "encrypt" << 2;
        QTest::newRow("decrypt") << 1 << "decrypt" << 0;
    }
    void clickRunsTheProcedureWhileTheProgressWindowStandsIn() {
        QFETCH(int, index);
        QFETCH(QString, procedure);
        QFETCH(int, kind);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        QTest::mouseClick(main_->cmd[index], Qt::LeftButton);
        QCOMPARE(calls_.size(), size_t(1));
        QCOMPARE(QString::fromStdString(calls_[0].Procedure), procedure);
        QCOMPARE(calls_[0].Kind, kind);
        QCOMPARE(calls_[0].Path, std::string());
        QVERIFY(!calls_[0].MainVisible);
        QVERIFY(calls_[0].WaitVisible);
        QVERIFY(main_->isVisible());
        QVERIFY(main_->Wait().isHidden());
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
    }

    void aboutShowsFourLinesWhileTheStatusSaysPleaseWait() {
        main_->cmd_Click(2);
        QCOMPARE(messages_.size(), size_t(1));
        QCOMPARE(messages_[0].Title, std::string("About"));
        QCOMPARE(messages_[0].Style, 64);
        const QStringList lines = QString::fromStdString(messages_[0].Text).split('\r');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Moravi Vaultwise 3.5."));
        QVERIFY(lines[1].contains(QStringLiteral("Copyright")));
        QVERIFY(lines[2].isEmpty());
        QCOMPARE(messages_[0].StatusMeanwhile, QStringLiteral("Please wait..."));
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QVERIFY(calls_.empty());
    }

    void exitEndsTheProgramWithoutAQuestion() {
        main_->cmd_Click(3);
        QCOMPARE(ends_, 1);
        QVERIFY(messages_.empty());
        QVERIFY(calls_.empty());
    }

    // Which procedure a command-line or dropped path runs, and with what.
    void initEncPicksTheProcedure_data() {
        QTest::addColumn<QString>("given");  // {dir} stands for a fresh temporary folder
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("file") << "{dir}/a file.txt"
                              << "encrypt" << 1 << "{dir}/a file.txt";
        QTest::newRow("quoted file") << "\"{dir}/a file.txt\""
                                     << "encrypt" << 1 << "{dir}/a file.txt";
        QTest::newRow("vw3") << "\"{dir}/secret.vw3\""
                             << "decrypt" << 0 << "{dir}/secret.vw3";
        QTest::newRow("capital VW3") << "{dir}/LOUD.VW3"
                                     << "encrypt" << 1 << "{dir}/LOUD.VW3";
        QTest::newRow("folder") << "{dir}/sub"
                                << "encrypt" << 2 << "{dir}/sub";
        QTest::newRow("quote drops any last char") << "\"{dir}/a file.txtX"
                                                   << "encrypt" << 1 << "{dir}/a file.txt";
        QTest::newRow("hidden file") << "{dir}/.hidden"
                                     << "" << 0 << "";
        QTest::newRow("hidden folder") << "{dir}/.private"
                                       << "" << 0 << "";
        QTest::newRow("missing") << "{dir}/nothing here"
                                 << "" << 0 << "";
    }
    void initEncPicksTheProcedure() {
        QFETCH(QString, given);
        QFETCH(QString, procedure);
        QFETCH(int, kind);
        QFETCH(QString, path);
        QTemporaryDir dir;
        for (const char* name : {"a file.txt", "secret.vw3", "LOUD.VW3", ".hidden"})
            Touch(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral(".private")));

        main_->show();
        std::string sFile = given.replace(QStringLiteral("{dir}"), dir.path()).toStdString();
        main_->InitEnc(sFile);
        const std::string expected =
            path.replace(QStringLiteral("{dir}"), dir.path()).toStdString();
        if (given.startsWith('"')) QCOMPARE(sFile, expected);  // the caller's text is shortened
        if (procedure.isEmpty()) {
            QVERIFY(calls_.empty());
        } else {
            QCOMPARE(calls_.size(), size_t(1));
            QCOMPARE(QString::fromStdString(calls_[0].Procedure), procedure);
            QCOMPARE(calls_[0].Kind, kind);
            QCOMPARE(calls_[0].Path, expected);
            QVERIFY(calls_[0].WaitVisible && !calls_[0].MainVisible);
        }
        QVERIFY(main_->isVisible());
        QVERIFY(main_->Wait().isHidden());
        QCOMPARE(main_->lblStatus->text(), QStringLiteral("Ready"));
        QVERIFY(messages_.empty());
    }

    void startUpWithACommandLineRunsItAndEnds() {
        QTemporaryDir dir;
        Touch(dir.filePath(QStringLiteral("my notes.vw3")));
        const std::string path = dir.filePath(QStringLiteral("my notes.vw3")).toStdString();
        const std::string program = "vaultwise", first = path.substr(0, path.find(' ')),
                          rest = path.substr(path.find(' ') + 1);
        const char* argv[] = {program.c_str(), first.c_str(), rest.c_str()};
        main_->RegisterStep = [this] {
            ++registrations_;
            throw std::runtime_error("no desktop database");  // ignored
        };
        QVERIFY(!main_->Form_Load(vwui::CommandLineText(3, argv)));
        QCOMPARE(registrations_, 1);
        QCOMPARE(calls_.size(), size_t(1));
        QCOMPARE(calls_[0].Procedure, std::string("decrypt"));
        QCOMPARE(calls_[0].Path, path);
    }

    void startUpWithoutACommandLineShowsTheWindowCentred() {
        QVERIFY(main_->Form_Load(vwui::CommandLineText(1, std::array{"vaultwise"}.data())));
        QCOMPARE(registrations_, 1);
        QVERIFY(main_->isVisible());
        QCOMPARE(main_->geometry().center(), main_->screen()->availableGeometry().center());
        QVERIFY(calls_.empty());
    }

    // The background and both captions take drops, first path only; nothing else does.
    void dropsRunTheFirstPathOnly() {
        QTemporaryDir dir;
        for (const char* name : {"one.txt", "two.txt", "three.txt"})
            Touch(dir.filePath(QString::fromLatin1(name)));
        const QList<QUrl> urls = {QUrl::fromLocalFile(dir.filePath(QStringLiteral("one.txt"))),
                                  QUrl::fromLocalFile(dir.filePath(QStringLiteral("two.txt"))),
                                  QUrl::fromLocalFile(dir.filePath(QStringLiteral("three.txt")))};
        main_->show();
        for (QWidget* target :
             {static_cast<QWidget*>(main_->ImgBack), static_cast<QWidget*>(main_->lblWelcome),
              static_cast<QWidget*>(main_->lblAction)})
            Drop(target, urls);
        QCOMPARE(calls_.size(), size_t(3));
        for (const Call& call : calls_)
            QCOMPARE(call.Path, dir.filePath(QStringLiteral("one.txt")).toStdString());

        QVERIFY(!main_->acceptDrops());  // so drops on the others find no taker
        for (QWidget* other :
             {static_cast<QWidget*>(main_->cmd[0]), static_cast<QWidget*>(main_->lblStatus),
              static_cast<QWidget*>(main_->ImgBar)})
            QVERIFY(!other->acceptDrops());
    }

    void dropWithoutAFilePathIsIgnored() {
        main_->show();
        Drop(main_->ImgBack, {}, QStringLiteral("/etc/hostname"));
        Drop(main_->ImgBack, {QUrl(QStringLiteral("https://example.org/a.txt"))});
        QVERIFY(calls_.empty());
        QVERIFY(main_->Wait().isHidden());
    }

    // With no window manager to ask, the window follows the mouse by itself.
    void pressOnBackgroundOrCaptionMovesTheWindow() {
        main_->move(100, 100);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        for (QWidget* handle :
             {static_cast<QWidget*>(main_->ImgBack), static_cast<QWidget*>(main_->lblAction)}) {
            const QPoint start = main_->pos();
            const QPoint at(4, 4);
            QTest::mousePress(handle, Qt::RightButton, {}, at);
            QMouseEvent drag(QEvent::MouseMove, QPointF(at + QPoint(30, 20)),
                             QPointF(handle->mapToGlobal(at) + QPoint(30, 20)), Qt::NoButton,
                             Qt::RightButton, {});
            QApplication::sendEvent(handle, &drag);
            QTest::mouseRelease(handle, Qt::RightButton, {}, at + QPoint(30, 20));
            QCOMPARE(main_->pos(), start + QPoint(30, 20));
        }
        const QPoint still = main_->pos();
        QTest::mousePress(main_->lblStatus, Qt::LeftButton, {}, QPoint(4, 4));
        QMouseEvent drag(QEvent::MouseMove, QPointF(40, 30),
                         QPointF(main_->lblStatus->mapToGlobal(QPoint(40, 30))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(main_->lblStatus, &drag);
        QTest::mouseRelease(main_->lblStatus, Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(main_->pos(), still);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
