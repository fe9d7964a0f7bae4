#include <QString>

#include "ModFileExt.h"
#include "Settings.h"

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

}  // namespace

void RegisterOnFirstStart() {
    try {
        const std::string done =
            Settings::GetSetting(ProductName, SettingsSection, RegisteredKey, "False");
        if (ReadsAsTrue(done)) return;
        RegisterFileType(RegisteredExtension, RegisteredTypeName, ProgramPath());
        // Stored even after a failed registration, so it is not retried at every start.
        Settings::SaveSetting(ProductName, SettingsSection, RegisteredKey, "True");
    } catch (...) {
        // Start-up goes on whatever happened here.
    }
}

}  // namespace ModFileExt
