#include "ModFileExt.h"

#include <QFile>

#include "DesktopCaches.h"
#include "DesktopEntry.h"
#include "DocumentIcons.h"
#include "KeyFile.h"
#include "MimePackage.h"
#include "OwnFiles.h"
#include "UserFiles.h"

namespace ModFileExt {

namespace {

// Each step needs the one before it, so the first failure ends the registration.
bool WriteAssociation(const QString& Extension, const QString& TypeName,
                      const QString& ProgramPath) {
    const QString data = UserDataHome();
    const QString config = UserConfigHome();
    if (data.isEmpty() || config.isEmpty()) return false;
    // An entry without a program would open nothing; a per-user entry named like
    // the installed one would hide it.
    if (ProgramPath.isEmpty() || InstalledEntryExists()) return false;

    const QString packages = data + QStringLiteral("/mime/packages");
    if (!CreateFolder(packages)) return false;
    if (!WriteValue(packages + u'/' + QLatin1String(MimePackageName),
                    MimePackageXml(Extension, TypeName))) {
        return false;
    }
    const QString applications = data + QStringLiteral("/applications");
    if (!CreateFolder(applications)) return false;
    if (!WriteValue(applications + u'/' + QLatin1String(DesktopFileName),
                    DesktopEntryText(ProgramPath))) {
        return false;
    }
    if (!CreateFolder(config)) return false;
    const QString mimeApps = config + QStringLiteral("/mimeapps.list");
    QByteArray list = ReadValue(mimeApps);
    for (const char* type : {MimeType, SealedMimeType})
        list = SetKeyValue(list, "Default Applications", type, DesktopFileName);
    if (!WriteValue(mimeApps, list)) return false;

    // Without an installed copy there are no document icons in the system's theme.
    WriteDocumentIcons(data);
    RefreshDesktopCaches(data);
    return true;
}

}  // namespace

void RegisterFileType(const std::string& Extension, const std::string& TypeName,
                      const std::string& ProgramPath) {
    try {
        WriteAssociation(QString::fromStdString(Extension), QString::fromStdString(TypeName),
                         QFile::decodeName(QByteArray::fromStdString(ProgramPath)));
    } catch (...) {
        // The registration is a courtesy to the desktop; the program works without it.
    }
}

}  // namespace ModFileExt
