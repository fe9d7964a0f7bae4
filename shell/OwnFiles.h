#pragma once
// The per-user files of the registration, and how the program recognises the ones
// it wrote itself, so that nothing a user or another program wrote is changed.

#include <QByteArray>
#include <QString>
#include <optional>

namespace ModFileExt {

// The user's data and configuration folders; empty when unknown.
QString UserDataHome();
QString UserConfigHome();

// Full paths of the three per-user files; empty when the folders are unknown.
QString UserEntryPath();
QString UserMimePackagePath();
QString MimeAppsPath();

// The program of an entry the registration wrote ("" for one written before entries
// named their program); nothing when EntryText is not such an entry.
std::optional<QString> OwnEntryProgram(const QByteArray& EntryText);

// True when the MIME package at Path is the one the registration writes.
bool IsOwnMimePackage(const QString& Path);

// True when a system data folder holds our desktop entry for our MIME type.
bool InstalledEntryExists();

}  // namespace ModFileExt
