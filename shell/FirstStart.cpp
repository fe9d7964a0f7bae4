#include <QFile>
#include <QString>

#include "ModFileExt.h"
#include "OwnFiles.h"
#include "Settings.h"
#include "ThunarActions.h"

namespace ModFileExt {

namespace {

// Reads a stored text as a boolean the lenient way: "True" in any letter case, or
// a non-zero number; anything else, "" included, is false.
bool ReadsAsTrue(const std::string& Text) {
    const QString value = QString::fromStdString(Text).trimmed();
    if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    return isNumber && number != 0;
}

// An entry of ours for the user, or an installed one. Once an installed copy is
// removed, neither may be left, whatever the setting says.
bool AssociationExists() {
    const QString entry = UserEntryPath();
    return (!entry.isEmpty() && QFile::exists(entry)) || InstalledEntryExists();
}

}  // namespace

void RegisterOnFirstStart() {
    try {
        const std::string done =
            Settings::GetSetting(ProductName, SettingsSection, RegisteredKey, "False");
        if (ReadsAsTrue(done) && AssociationExists()) return;
        RegisterFileType(RegisteredExtension, RegisteredTypeName, ProgramPath());
        AddThunarActions(QFile::decodeName(QByteArray::fromStdString(ProgramPath())));
        // Stored even after a failed registration: the next start only tries again
        // when it finds no association at all.
        Settings::SaveSetting(ProductName, SettingsSection, RegisteredKey, "True");
    } catch (...) {
        // Start-up goes on whatever happened here.
    }
}

}  // namespace ModFileExt
