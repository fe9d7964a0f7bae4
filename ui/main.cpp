// Moravi Vaultwise: the desktop program.

#include <QApplication>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "Art.h"
#include "CommandLine.h"
#include "DoneNotifier.h"
#include "QtInteraction.h"
#include "RecentFiles.h"
#include "Registration.h"
#include "Signals.h"
#include "frmMain.h"

namespace {

std::string CurrentFolder() {
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int RunUnregister() {
    const auto removed = vwui::Unregister();
    for (const std::string& item : removed)
        std::cout << "Removed " << item << '\n';
    if (removed.empty()) std::cout << "Nothing to remove: no registration for this user.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Read before any window exists, so these answers also come without a display.
    const vwui::StartRequest request =
        vwui::ParseCommandLine(Arguments(argc, argv), CurrentFolder());
    switch (request.Action) {
        case vwui::StartAction::Help:
        case vwui::StartAction::Version:
            std::cout << request.Text;
            return 0;
        case vwui::StartAction::Fail:
            std::cerr << request.Text << '\n';
            return 1;
        case vwui::StartAction::Unregister:
            return RunUnregister();
        default:
            break;
    }

    // A logout's SIGTERM, or Ctrl+C in the terminal it started from, removes what
    // the run was writing, and never cuts a folder's placement in half.
    vw::interrupts::EndCleanly(nullptr);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravi Vaultwise"));
    // Lets Wayland compositors and docks match the windows to the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("moravi-vaultwise"));
    QApplication::setWindowIcon(vwui::Art::WindowIcon());

    vwui::QtInteraction ui;
    vwui::DoneNotifier notifier;
    ui.OutputWritten = [](const std::string& output) {
        vwui::AddToRecentFiles(QString::fromStdString(output));
    };
    ui.Notify = [&notifier](const std::vector<std::string>& outputs) {
        QStringList paths;
        for (const auto& output : outputs)
            paths << QString::fromStdString(output);
        notifier.Notify(paths);
    };
    vwui::frmMain main(ui);
    ui.SetOwner(&main);
    if (main.Form_Load(request)) return QApplication::exec();
    // Done: no window stays, but the notification's action still opens the folder
    // while it is on screen.
    main.hide();
    notifier.WaitWhileShown(std::chrono::seconds(30));
    return 0;
}
