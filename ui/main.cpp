// Moravi Vaultwise: the desktop program.

#include <QApplication>

#include "Art.h"
#include "CommandLine.h"
#include "QtInteraction.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    // Taken before Qt looks at the arguments: the whole rest of the line is one path.
    const std::string commandLine = vwui::CommandLineText(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravi Vaultwise"));
    QApplication::setWindowIcon(vwui::Art::WindowIcon());

    vwui::QtInteraction ui;
    vwui::frmMain main(ui);
    ui.SetOwner(&main);
    if (!main.Form_Load(commandLine)) return 0;
    return QApplication::exec();
}
