#include "DesktopEntry.h"

#include "LocalizedFiles.h"
#include "ModFileExt.h"

namespace ModFileExt {

namespace {

// Characters that make an Exec argument need quoting.
bool NeedsQuotes(const QByteArray& Argument) {
    static const QByteArray kReserved = " \t\n\"'\\><~|&;$*?#()`";
    for (const char c : Argument)
        if (kReserved.contains(c)) return true;
    return Argument.isEmpty();
}

// Only an argument with reserved characters is quoted, since some launchers (the
// generic xdg-open among them) take the first word of Exec as it stands. Inside
// double quotes the Exec syntax gives ", `, $ and \ a meaning.
QByteArray Quoted(const QByteArray& Argument) {
    if (!NeedsQuotes(Argument)) return Argument;
    QByteArray quoted = "\"";
    for (const char c : Argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// Readers undo the key-file string escapes first, so they are applied last.
QByteArray AsKeyFileString(const QByteArray& Text, bool InExec) {
    QByteArray escaped;
    for (const char c : Text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '%':
                escaped += InExec ? "%%" : "%";  // in Exec, "%" starts a field code
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

QByteArray ExecArgument(const QByteArray& Argument) {
    return AsKeyFileString(Quoted(Argument), true);
}

QByteArray KeyFileString(const QByteArray& Text) {
    return AsKeyFileString(Text, false);
}

QByteArray DesktopEntryText(const QString& ProgramPath) {
    const QByteArray path = ProgramPath.toUtf8();  // entries are UTF-8
    // TryExec makes launchers skip the entry once its program is gone, and tells
    // the program which copy registered it.
    return WithKeyFileTranslations(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Moravi Vaultwise\n"
        "Comment=Encrypt and decrypt files and folders\n"
        "TryExec=" +
            KeyFileString(path) +
            "\n"
            "Exec=" +
            ExecArgument(path) +
            " %f\n"
            "Icon=moravi-vaultwise\n"
            "Terminal=false\n"
            "StartupNotify=true\n"
            "Categories=Utility;\n"
            "MimeType=" +
            QByteArray(MimeType) + ";" + QByteArray(SealedMimeType) + ";\n",
        ShippedCatalogs());
}

}  // namespace ModFileExt
