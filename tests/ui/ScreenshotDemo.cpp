// Shows one of the program's windows in a chosen state for a few seconds, so that a
// screenshot of it can be taken: vwdemo idle|hover-decrypt|password|progress [SECONDS]

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "Placement.h"
#include "Progress.h"
#include "QtInteraction.h"
#include "frmMain.h"
#include "frmPass.h"
#include "frmWait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* scene = argc > 1 ? argv[1] : "idle";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;

    vwui::QtInteraction ui;
    vwui::frmMain main(ui);
    ui.SetOwner(&main);
    vwui::frmPass pass(&main);

    if (!std::strcmp(scene, "idle") || !std::strcmp(scene, "hover-decrypt")) {
        vwui::CentreOnScreen(&main);
        main.show();
        if (!std::strcmp(scene, "hover-decrypt")) main.cmd_MouseMove(1);
    } else if (!std::strcmp(scene, "password")) {
        pass.SetPrompt(QStringLiteral("Please enter a password for the encrypted file:"));
        pass.show();
        pass.txtPass->insert(QStringLiteral("secret"));
    } else if (!std::strcmp(scene, "progress")) {
        modVW::CurrentProgress = 42;
        main.Wait().ShowCentred();
    } else {
        std::fprintf(stderr, "unknown scene %s\n", scene);
        return 2;
    }
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
