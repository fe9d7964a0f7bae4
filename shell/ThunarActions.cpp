#include "ThunarActions.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "DesktopEntry.h"
#include "LocalizedFiles.h"
#include "OwnFiles.h"
#include "UserFiles.h"

namespace ModFileExt {

namespace {

constexpr char kFile[] = "Thunar/uca.xml";
constexpr char kIdStart[] = "<unique-id>moravi-vaultwise-";
constexpr char kEmptyFile[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n";

struct ThunarAction {
    const char* Id;
    const char* Name;
    const char* Option;
    const char* Description;
    const char* Patterns;
    const char* Kinds;  // the kinds of item the action is offered for
};
constexpr ThunarAction kActions[] = {
    {"encrypt", "Encrypt with Vaultwise", "--encrypt",
     "Turn the selected files or folders into password-protected .vw3 or .vws files", "*",
     "<directories/><audio-files/><image-files/><other-files/><text-files/><video-files/>"},
    {"decrypt", "Decrypt with Vaultwise", "--decrypt",
     "Turn the selected .vw3 or .vws files back into what they hold", "*.vw3;*.vws;*.VW3;*.VWS",
     "<other-files/>"},
};

QByteArray XmlEscaped(const QString& text) {
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&apos;")).toUtf8();
}

// Thunar splits the command like a shell, after putting the quoted paths for %F.
QString ShellQuoted(QString text) {
    return u'\'' + text.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

QByteArray ActionXml(const ThunarAction& action, const QString& program) {
    return QByteArray("<action>\n\t<icon>moravi-vaultwise</icon>\n\t<name>") + action.Name +
           "</name>\n\t<submenu></submenu>\n\t" + kIdStart + action.Id +
           "</unique-id>\n\t<command>" +
           XmlEscaped(ShellQuoted(program) + u' ' + QLatin1String(action.Option) +
                      QStringLiteral(" %F")) +
           "</command>\n\t<description>" + action.Description +
           "</description>\n\t<range></range>\n\t<patterns>" + action.Patterns + "</patterns>\n\t" +
           action.Kinds + "\n</action>\n";
}

// Thunar's Send To menu matches MIME types, which its custom actions cannot: a
// sealed file known by its first bytes gets Decrypt there whatever its name.
constexpr char kSendToFile[] = "Thunar/sendto/moravi-vaultwise-decrypt.desktop";
constexpr char kSendToMark[] = "# Written by Moravi Vaultwise for this user.\n";

QString UserSendToPath() {
    const QString data = UserDataHome();
    return data.isEmpty() ? QString() : data + u'/' + QLatin1String(kSendToFile);
}

// An installed package brings its own, which one of ours would stand beside.
bool InstalledSendToExists() {
    for (const QString& file :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QLatin1String(kSendToFile)))
        if (file != UserSendToPath()) return true;
    return false;
}

QByteArray SendToText(const QString& ProgramPath) {
    return WithKeyFileTranslations(
        QByteArray(kSendToMark) +
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Decrypt with Vaultwise\n"
            "Icon=moravi-vaultwise\nExec=" +
            ExecArgument(QFile::encodeName(ProgramPath)) +
            " --decrypt %F\nMimeType=application/x-vaultwise-encrypted;"
            "application/x-vaultwise-sealed;\n",
        ShippedCatalogs());
}

bool IsOwnSendTo(const QString& File) {
    return ReadValue(File).startsWith(kSendToMark);
}

QString SystemFile() {
    for (const QString& file :
         QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, QLatin1String(kFile)))
        if (file != UserConfigHome() + u'/' + QLatin1String(kFile)) return file;
    return {};
}

}  // namespace

QByteArray WithoutThunarActions(const QByteArray& Text) {
    QByteArray text = Text;
    for (qsizetype id = text.indexOf(kIdStart); id >= 0; id = text.indexOf(kIdStart)) {
        const qsizetype start = text.lastIndexOf("<action>", id);
        const qsizetype end = text.indexOf("</action>", id);
        if (start < 0 || end < 0) return Text;  // not the shape we write: leave it be
        qsizetype after = end + qsizetype(sizeof "</action>" - 1);
        if (after < text.size() && text[after] == '\n') ++after;
        text.remove(start, after - start);
    }
    return text;
}

QByteArray WithThunarActions(const QByteArray& Text, const QString& ProgramPath) {
    QByteArray text = WithoutThunarActions(Text);
    if (!text.contains("</actions>")) text = kEmptyFile;
    QByteArray ours;
    for (const ThunarAction& action : kActions)
        ours += ActionXml(action, ProgramPath);
    // Thunar shows each name and description in the user's language.
    return text.insert(text.lastIndexOf("</actions>"),
                       WithXmlTranslations(ours, ShippedCatalogs()));
}

void AddThunarActions(const QString& ProgramPath) {
    const QString config = UserConfigHome();
    if (config.isEmpty() || ProgramPath.isEmpty()) return;
    const QString file = config + u'/' + QLatin1String(kFile);
    const bool setUp = QFile::exists(config + QStringLiteral("/Thunar"));
    if (!setUp && QStandardPaths::findExecutable(QStringLiteral("thunar")).isEmpty()) return;
    const QString system = SystemFile();
    const QByteArray before = QFile::exists(file) ? ReadValue(file)
                              : system.isEmpty()  ? QByteArray()
                                                  : ReadValue(system);
    if (!CreateFolder(config + QStringLiteral("/Thunar"))) return;
    WriteValue(file, WithThunarActions(before, ProgramPath));
    const QString sendTo = UserSendToPath();
    if (sendTo.isEmpty() || InstalledSendToExists() ||
        !CreateFolder(UserDataHome() + QStringLiteral("/Thunar/sendto")))
        return;
    WriteValue(sendTo, SendToText(ProgramPath));
}

void FollowThunarActions(const QString& ProgramPath) {
    const QString config = UserConfigHome();
    if (config.isEmpty() || ProgramPath.isEmpty()) return;
    const QString file = config + u'/' + QLatin1String(kFile);
    const QByteArray text = ReadValue(file);
    if (!text.contains(kIdStart)) return;
    const QByteArray followed = WithThunarActions(text, ProgramPath);
    if (followed != text) WriteValue(file, followed);
    const QString sendTo = UserSendToPath();
    if (!sendTo.isEmpty() && IsOwnSendTo(sendTo)) {
        if (InstalledSendToExists())
            QFile::remove(sendTo);
        else if (ReadValue(sendTo) != SendToText(ProgramPath))
            WriteValue(sendTo, SendToText(ProgramPath));
    }
}

QString RemoveThunarSendTo() {
    const QString sendTo = UserSendToPath();
    if (sendTo.isEmpty() || !IsOwnSendTo(sendTo) || !QFile::remove(sendTo)) return {};
    // The folders made for it go too, when nothing else is in them.
    QDir data(UserDataHome());
    data.rmdir(QStringLiteral("Thunar/sendto"));
    data.rmdir(QStringLiteral("Thunar"));
    return sendTo;
}

QString RemoveThunarActions() {
    const QString config = UserConfigHome();
    if (config.isEmpty()) return {};
    const QString file = config + u'/' + QLatin1String(kFile);
    const QByteArray before = ReadValue(file);
    const QByteArray after = WithoutThunarActions(before);
    if (after == before) return {};
    const QString system = SystemFile();
    // What is left may be only what the registration started the file from.
    const bool leftOver = after == kEmptyFile || (!system.isEmpty() && after == ReadValue(system));
    return (leftOver ? QFile::remove(file) : WriteValue(file, after)) ? file : QString();
}

}  // namespace ModFileExt
