#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "DesktopCaches.h"
#include "DocumentIcons.h"
#include "KeyFile.h"
#include "ModFileExt.h"
#include "OwnFiles.h"
#include "Settings.h"
#include "ThunarActions.h"
#include "UserFiles.h"

namespace ModFileExt {

namespace {

// Removes File when Ours says the program wrote it; true when it went.
template <class Test>
bool RemoveIfOurs(const QString& File, Test&& Ours) {
    return !File.isEmpty() && Ours(File) && QFile::remove(File);
}

// Drops our default-application lines; a list that held nothing else goes too.
// Returns the types whose line went, none when the list could not be changed.
std::vector<const char*> RemoveDefaultLines(const QString& MimeApps) {
    QByteArray after = ReadValue(MimeApps);
    std::vector<const char*> types;
    for (const char* type : {MimeType, SealedMimeType}) {
        const QByteArray without =
            RemoveKeyValue(after, "Default Applications", type, DesktopFileName);
        if (without != after) types.push_back(type);
        after = without;
    }
    if (types.empty()) return types;
    const bool done = after.trimmed() == "[Default Applications]" ? QFile::remove(MimeApps)
                                                                  : WriteValue(MimeApps, after);
    return done ? types : std::vector<const char*>{};
}

bool HoldsDesktopEntries(const QString& Folder) {
    return QDirIterator(Folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories)
        .hasNext();
}

// The caches are rebuilt without our type; a cache built from nothing but what
// was just removed goes, as it would not exist without the registration.
void TidyCaches(const QString& DataHome) {
    RefreshDesktopCaches(DataHome);
    if (QDir(DataHome + QStringLiteral("/mime/packages")).isEmpty())
        QDir(DataHome + QStringLiteral("/mime")).removeRecursively();
    const QString applications = DataHome + QStringLiteral("/applications");
    if (!HoldsDesktopEntries(applications))
        QFile::remove(applications + QStringLiteral("/mimeinfo.cache"));
}

}  // namespace

std::vector<std::string> UnregisterFileType() {
    std::vector<std::string> removed;
    const auto note = [&removed](const QString& What) { removed.push_back(What.toStdString()); };
    const QString entry = UserEntryPath(), package = UserMimePackagePath(),
                  mimeApps = MimeAppsPath();
    if (RemoveIfOurs(entry, [](const QString& f) { return OwnEntryProgram(ReadValue(f)); }))
        note(entry);
    if (RemoveIfOurs(package, IsOwnMimePackage)) note(package);
    if (!UserDataHome().isEmpty())
        for (const QString& icon : RemoveDocumentIcons(UserDataHome()))
            note(icon);
    if (const QString thunar = RemoveThunarActions(); !thunar.isEmpty())
        note(thunar + QStringLiteral(": Encrypt with Vaultwise, Decrypt with Vaultwise"));
    if (const QString sendTo = RemoveThunarSendTo(); !sendTo.isEmpty()) note(sendTo);
    if (!mimeApps.isEmpty())
        for (const char* type : RemoveDefaultLines(mimeApps))
            note(mimeApps + QStringLiteral(": ") + QLatin1String(type) + u'=' +
                 QLatin1String(DesktopFileName));
    if (Settings::DeleteSetting(ProductName, SettingsSection, RegisteredKey))
        note(QStringLiteral("setting ") + QLatin1String(RegisteredKey));
    if (!removed.empty() && !UserDataHome().isEmpty()) TidyCaches(UserDataHome());
    return removed;
}

}  // namespace ModFileExt
