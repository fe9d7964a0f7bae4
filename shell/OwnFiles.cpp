#include "OwnFiles.h"

#include <QStandardPaths>

#include "DesktopEntry.h"
#include "KeyFile.h"
#include "LocalizedFiles.h"
#include "MimePackage.h"
#include "ModFileExt.h"
#include "UserFiles.h"

namespace ModFileExt {

namespace {

constexpr char EntrySection[] = "Desktop Entry";

// How entries began before they named their program in TryExec.
constexpr char EarlierEntryStart[] =
    "[Desktop Entry]\nType=Application\nName=Moravi Vaultwise\n"
    "Comment=Encrypt and decrypt files and folders\nExec=";

QString InFolder(const QString& Folder, const QString& Name) {
    return Folder.isEmpty() ? QString() : Folder + u'/' + Name;
}

}  // namespace

QString UserDataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString UserConfigHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString UserEntryPath() {
    return InFolder(UserDataHome(), QStringLiteral("applications/") + DesktopFileName);
}

QString UserMimePackagePath() {
    return InFolder(UserDataHome(), QStringLiteral("mime/packages/") + MimePackageName);
}

QString MimeAppsPath() {
    return InFolder(UserConfigHome(), QStringLiteral("mimeapps.list"));
}

std::optional<QString> OwnEntryProgram(const QByteArray& EntryText) {
    const auto program = KeyValue(EntryText, EntrySection, "TryExec");
    if (!program) {
        if (EntryText.startsWith(EarlierEntryStart)) return QString();
        return std::nullopt;
    }
    const QString path = QString::fromUtf8(*program);
    // Byte for byte what the registration writes for that program: a user's own
    // entry of the same name, edited or not ours, is left alone.
    // Translations may differ: a catalog was added or changed since it was written.
    if (WithoutKeyFileTranslations(DesktopEntryText(path)) != WithoutKeyFileTranslations(EntryText))
        return std::nullopt;
    return path;
}

bool IsOwnMimePackage(const QString& Path) {
    return WithoutXmlTranslations(ReadValue(Path)) ==
           WithoutXmlTranslations(MimePackageXml(QLatin1String(RegisteredExtension),
                                                 QLatin1String(RegisteredTypeName)));
}

bool InstalledEntryExists() {
    const QString name = QStringLiteral("applications/") + DesktopFileName;
    const QString own = UserEntryPath();
    for (const QString& entry :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, name)) {
        if (entry == own) continue;
        const auto types = KeyValue(ReadValue(entry), EntrySection, "MimeType");
        if (types && types->split(';').contains(QByteArray(MimeType))) return true;
    }
    return false;
}

}  // namespace ModFileExt
