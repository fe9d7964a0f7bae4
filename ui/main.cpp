// Moravi Vaultwise: the desktop program.

#include <QApplication>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "Art.h"
#include "CommandLine.h"
#include "DoneNotifier.h"
#include "QtInteraction.h"
#include "RecentFiles.h"
#include "Registration.h"
#include "Signals.h"
#include "Translations.h"
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
        std::cout << QCoreApplication::translate("main", "Removed %1")
                         .arg(QString::fromStdString(item))
                         .toStdString()
                  << '\n';
    if (removed.empty())
        std::cout << QCoreApplication::translate(
                         "main", "Nothing to remove: no registration for this user.")
                         .toStdString()
                  << '\n';
    return 0;
}

// Answers that need no window: help, version, a mistake, or --unregister. A core
// application is enough for them to come in the user's language. Nothing when a
// window is needed.
std::optional<int> AnswerWithoutWindow(const vwui::StartRequest& request) {
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
            return std::nullopt;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The system's own words in an error (strerror) come in the user's language.
    std::setlocale(LC_ALL, "");
    // Read before any window exists, so these answers also come without a display.
    vwui::StartRequest request;
    {
        QCoreApplication core(argc, argv);
        vwui::InstallTranslations();
        request = vwui::ParseCommandLine(Arguments(argc, argv), CurrentFolder());
        if (const auto status = AnswerWithoutWindow(request)) return *status;
    }

    // A logout's SIGTERM, or Ctrl+C in the terminal it started from, removes what
    // the run was writing, and never cuts a folder's placement in half.
    vw::interrupts::EndCleanly(nullptr);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravi Vaultwise"));
    // Lets Wayland compositors and docks match the windows to the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("moravi-vaultwise"));
    QApplication::setWindowIcon(vwui::Art::WindowIcon());
    vwui::InstallTranslations();

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
