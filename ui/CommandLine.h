#pragma once
// The desktop program's command line: a bare path as always, the options a file
// manager's actions use, and Qt's own options, which are left for QApplication.

#include <QStringList>
#include <string>
#include <vector>

namespace vwui {

// What the command line asks the program to do.
enum class StartAction {
    Window,      // no path: show the main window
    Open,        // a bare path: decrypt it when encrypted, encrypt it otherwise
    Encrypt,     // --encrypt PATH...: files or folders, straight to the destination
    Decrypt,     // --decrypt PATH...
    Unregister,  // --unregister
    Help,        // --help; Text holds the help
    Version,     // --version; Text holds the version line
    Fail,        // a mistake on the line; Text says which
};

struct StartRequest {
    StartAction Action = StartAction::Window;
    std::string Path;  // absolute for Open, Encrypt and Decrypt; the first of Paths
    std::string Text;
    std::vector<std::string> Paths;  // Encrypt and Decrypt: every path given, absolute
};

// Parses Arguments (the program's name first) without needing a QApplication, so
// --help, --version and --unregister work without a display. Words that are not
// options are joined with single spaces into one path, so an unquoted path with
// spaces still arrives whole; after --encrypt or --decrypt each word is a path of
// its own, as a file manager passes a selection. "--" ends the options.
StartRequest ParseCommandLine(const QStringList& Arguments, const std::string& CurrentFolder);

// The command line with a relative path made absolute against CurrentFolder; a
// leading quote stays in front, for the start-up to remove with the last character.
std::string AbsoluteCommandLine(const std::string& Text, const std::string& CurrentFolder);

}  // namespace vwui
