#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>

namespace vwui {

namespace {

// QApplication's own options and whether each takes a value. They are declared so
// that "-style Fusion" is not taken for a path; QApplication reads them itself.
struct QtOption {
    const char* Name;
    bool TakesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"style", true},
    {"stylesheet", true},      {"session", true},
    {"display", true},         {"geometry", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

void AddQtOptions(QCommandLineParser& parser) {
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.Name));
        if (qt.TakesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

std::string Absolute(const QString& path, const std::string& folder) {
    const std::string text = path.toStdString();
    if (text.starts_with('/') || folder.empty()) return text;
    return folder.back() == '/' ? folder + text : folder + '/' + text;
}

StartRequest Failed(const QString& why) {
    return {StartAction::Fail,
            {},
            "vaultwise: " + why.toStdString() + '\n' +
                QCoreApplication::translate("vwui::CommandLine",
                                            "Try 'vaultwise --help' for more information.")
                    .toStdString(),
            {}};
}

// --encrypt or --decrypt with its paths, each of which must exist.
StartRequest Requested(StartAction action, const QStringList& paths, const std::string& folder) {
    StartRequest request{action, {}, {}, {}};
    for (const QString& path : paths) {
        const std::string absolute = Absolute(path, folder);
        std::error_code error;
        if (path.isEmpty() || !std::filesystem::exists(absolute, error))
            return Failed(
                QCoreApplication::translate("vwui::CommandLine", "cannot find '%1'").arg(path));
        request.Paths.push_back(absolute);
    }
    request.Path = request.Paths.front();
    return request;
}

}  // namespace

StartRequest ParseCommandLine(const QStringList& Arguments, const std::string& CurrentFolder) {
    QCommandLineParser parser;
    // Qt's options are words after one dash ("-style"); they are not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "vwui::CommandLine",
        "Moravi Vaultwise turns a file, or the files of a folder, into one password-protected\n"
        ".vw3 file (or a sealed .vws file) and back. Without arguments it shows its window;\n"
        "given a path it decrypts a .vw3 or .vws file and encrypts anything else.\n"
        "Qt's own options (-style, -platform, ...) are passed to Qt."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("vwui::CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("vwui::CommandLine", "Show the version and exit."));
    const QCommandLineOption encrypt(
        QStringLiteral("encrypt"),
        QCoreApplication::translate("vwui::CommandLine",
                                    "Encrypt the file or folder at PATH: asks for the destination. "
                                    "Further paths make a batch: one format and password question "
                                    "for all."),
        QStringLiteral("PATH"));
    const QCommandLineOption decrypt(
        QStringLiteral("decrypt"),
        QCoreApplication::translate("vwui::CommandLine",
                                    "Decrypt the .vw3 or .vws file at PATH; further paths too, "
                                    "each beside its encrypted file."),
        QStringLiteral("PATH"));
    const QCommandLineOption unregister(
        QStringLiteral("unregister"),
        QCoreApplication::translate(
            "vwui::CommandLine",
            "Undo this user's file-type registration and file-manager actions."));
    parser.addOptions({help, version, encrypt, decrypt, unregister});
    AddQtOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("path"),
        QCoreApplication::translate("vwui::CommandLine",
                                    "A file or folder to encrypt, or a file to decrypt."),
        QStringLiteral("[path]"));

    if (!parser.parse(Arguments)) return Failed(parser.errorText());
    if (parser.isSet(help)) {
        // Qt names the program after its file, or nothing before the QApplication exists.
        const QString text = parser.helpText();
        return {StartAction::Help,
                {},
                // Qt's own words, so its catalog has them in the user's language.
                QCoreApplication::translate("QCommandLineParser", "Usage: %1")
                        .arg(QStringLiteral("vaultwise [options] [path]"))
                        .toStdString() +
                    text.mid(text.indexOf(u'\n')).toStdString(),
                {}};
    }
    if (parser.isSet(version)) return {StartAction::Version, {}, "vaultwise " VW_VERSION "\n", {}};
    const QStringList words = parser.positionalArguments();
    const QString path = words.join(u' ');
    // After --encrypt or --decrypt the words are further paths of the batch.
    const bool batch = parser.isSet(encrypt) || parser.isSet(decrypt);
    const int actions = int(parser.isSet(encrypt)) + int(parser.isSet(decrypt)) +
                        int(parser.isSet(unregister)) + int(!batch && !path.isEmpty());
    if (actions > 1 || (parser.isSet(unregister) && !path.isEmpty()))
        return Failed(QCoreApplication::translate(
            "vwui::CommandLine", "give one of --encrypt, --decrypt, --unregister or a path"));
    if (parser.isSet(unregister)) return {StartAction::Unregister, {}, {}, {}};
    if (parser.isSet(encrypt))
        return Requested(StartAction::Encrypt, parser.values(encrypt) + words, CurrentFolder);
    if (parser.isSet(decrypt))
        return Requested(StartAction::Decrypt, parser.values(decrypt) + words, CurrentFolder);
    if (path.isEmpty()) return {};
    return {StartAction::Open, AbsoluteCommandLine(path.toStdString(), CurrentFolder), {}, {}};
}

std::string AbsoluteCommandLine(const std::string& Text, const std::string& CurrentFolder) {
    const std::size_t start = !Text.empty() && Text.front() == '"' ? 1 : 0;
    if (Text.size() == start || Text[start] == '/' || CurrentFolder.empty()) return Text;
    std::string folder = CurrentFolder;
    if (folder.back() != '/') folder += '/';
    return Text.substr(0, start) + folder + Text.substr(start);
}

}  // namespace vwui
