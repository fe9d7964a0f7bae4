#include <QFile>

#include "DesktopCaches.h"
#include "DesktopEntry.h"
#include "ModFileExt.h"
#include "OwnFiles.h"
#include "ThunarActions.h"
#include "UserFiles.h"

namespace ModFileExt {

void FollowProgram() {
    try {
        FollowThunarActions(QFile::decodeName(QByteArray::fromStdString(ProgramPath())));
        const QString entry = UserEntryPath();
        if (entry.isEmpty()) return;
        const auto registered = OwnEntryProgram(ReadValue(entry));
        if (!registered) return;  // none, or the user's own
        if (InstalledEntryExists()) {
            // The installed entry has the same name: ours would hide it.
            QFile::remove(entry);
            const QString package = UserMimePackagePath();
            if (IsOwnMimePackage(package)) QFile::remove(package);
        } else {
            const QString running = QFile::decodeName(QByteArray::fromStdString(ProgramPath()));
            // Rewritten too when its translations are not the shipped ones.
            if (running.isEmpty() ||
                (*registered == running && ReadValue(entry) == DesktopEntryText(running)))
                return;
            if (!WriteValue(entry, DesktopEntryText(running))) return;
        }
        RefreshDesktopCaches(UserDataHome());
    } catch (...) {
        // Like the registration itself, a courtesy that never stops the program.
    }
}

}  // namespace ModFileExt
