// Moravi Vaultwise: the desktop program.

#include <QApplication>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "Art.h"
#include "CommandLine.h"
#include "QtInteraction.h"
#include "Registration.h"
#include "frmMain.h"

namespace {

std::string CurrentFolder() {
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

// Runs before any window exists, so it also works without a display.
int RunUnregister() {
    const auto removed = vwui::Unregister();
    for (const std::string& item : removed)
        std::cout << "Removed " << item << '\n';
    if (removed.empty()) std::cout << "Nothing to remove: no registration for this user.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Taken before Qt looks at the arguments: the whole rest of the line is one path.
    const std::string commandLine = vwui::CommandLineText(argc, argv);
    if (commandLine == vwui::UnregisterOption) return RunUnregister();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravi Vaultwise"));
    // Lets Wayland compositors and docks match the windows to the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("moravi-vaultwise"));
    QApplication::setWindowIcon(vwui::Art::WindowIcon());

    vwui::QtInteraction ui;
    vwui::frmMain main(ui);
    ui.SetOwner(&main);
    if (!main.Form_Load(vwui::AbsoluteCommandLine(commandLine, CurrentFolder()))) return 0;
    return QApplication::exec();
}
