// Shows one of the program's windows in a chosen state for a few seconds, so that a
// screenshot of it can be taken:
// vwdemo idle|hover-decrypt|password|progress|save-types|replace|conflict|left-out [SECONDS]

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "BeforeWork.h"
#include "FileDialogs.h"
#include "Placement.h"
#include "Progress.h"
#include "QtInteraction.h"
#include "frmMain.h"
#include "frmPass.h"
#include "frmWait.h"

namespace {

const char* const kEncryptTypes =
    "Moravi Vaultwise 3.5 files (*.vw3)|*.vw3|All Files (*.*)|*.*|"
    "Sealed Vaultwise files (*.vws)|*.vws";

// The encrypt save dialog beside report.txt and an older report.txt.vw3.
vwui::VwFileDialog* SaveDialog(const QTemporaryDir& dir) {
    for (const char* name : {"report.txt", "report.txt.vw3"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    auto* dialog = new vwui::VwFileDialog(nullptr,
                                          {"Destination encrypted file", kEncryptTypes,
                                           "report.txt.vw3", 0x6, dir.path().toStdString(), false},
                                          true);
    dialog->resize(640, 400);
    return dialog;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* scene = argc > 1 ? argv[1] : "idle";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;
    const auto is = [scene](const char* name) { return !std::strcmp(scene, name); };

    vwui::QtInteraction ui;
    vwui::frmMain main(ui);
    ui.SetOwner(&main);
    vwui::frmPass pass(&main);
    QTemporaryDir dir;

    if (is("idle") || is("hover-decrypt")) {
        vwui::CentreOnScreen(&main);
        main.show();
        if (is("hover-decrypt")) main.cmd_MouseMove(1);
    } else if (is("password")) {
        pass.SetPrompt(QStringLiteral("Please enter a password for the encrypted file:"));
        pass.show();
        pass.txtPass->insert(QStringLiteral("secret"));
    } else if (is("progress")) {
        modVW::CurrentProgress = 42;
        main.Wait().ShowCentred();
    } else if (is("save-types") || is("replace")) {
        auto* dialog = SaveDialog(dir);
        if (is("save-types")) dialog->selectNameFilter(vwui::ToQtFilters(kEncryptTypes)[2].Visible);
        emit dialog->filterSelected(dialog->selectedNameFilter());
        vwui::CentreOnScreen(dialog);
        dialog->show();
        if (is("replace")) QTimer::singleShot(300, dialog, [dialog] { dialog->accept(); });
    } else if (is("conflict") || is("left-out")) {
        QTimer::singleShot(0, [&ui, &scene] {
            if (!std::strcmp(scene, "conflict"))
                ui.GoOn(ui.Words(modVW::ReplacedText({"img1.jpg", "notes.txt"},
                                                     "/home/anna/Pictures/Trip")),
                        "Replace Files");
            else
                ui.GoOn(
                    ui.Words(modVW::LeftOutText({"/home/anna/Trip/day1/", "/home/anna/Trip/day2/",
                                                 "/home/anna/Trip/.thumbnails/"})),
                    "Encrypt Folder");
        });
    } else {
        std::fprintf(stderr, "unknown scene %s\n", scene);
        return 2;
    }
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
