#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace {

// Qt's per-user INI location follows XDG_CONFIG_HOME.
std::unique_ptr<QSettings> UserSettings(const std::string& AppName) {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Moravi"), QString::fromStdString(AppName));
}

QString KeyPath(const std::string& Section, const std::string& Key) {
    return QString::fromStdString(Section) + u'/' + QString::fromStdString(Key);
}

}  // namespace

namespace Settings {

std::string GetSetting(const std::string& AppName, const std::string& Section,
                       const std::string& Key, const std::string& Default) {
    const QVariant value = UserSettings(AppName)->value(KeyPath(Section, Key));
    if (!value.isValid()) return Default;
    // A hand-edited value with commas comes back as a list; keep it as written.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',').toStdString();
    }
    return value.toString().toStdString();
}

void SaveSetting(const std::string& AppName, const std::string& Section, const std::string& Key,
                 const std::string& Value) {
    const auto settings = UserSettings(AppName);
    settings->setValue(KeyPath(Section, Key), QString::fromStdString(Value));
    settings->sync();
}

}  // namespace Settings

namespace Settings {

bool DeleteSetting(const std::string& AppName, const std::string& Section, const std::string& Key) {
    const auto settings = UserSettings(AppName);
    const QString key = KeyPath(Section, Key);
    if (!settings->contains(key)) return false;
    settings->remove(key);
    settings->sync();
    if (settings->allKeys().isEmpty()) {
        const QFileInfo file(settings->fileName());
        QFile::remove(file.filePath());
        QDir().rmdir(file.path());  // only when nothing else is in it
    }
    return true;
}

}  // namespace Settings
