#pragma once
// Small file operations the registration is made of. Each reports success so the
// caller may stop early; none of them throws or prints.

#include <QByteArray>
#include <QString>

namespace ModFileExt {

// Creates Folder together with any missing folders above it.
bool CreateFolder(const QString& Folder);

// Replaces the whole content of File atomically (a linked file is written through
// its link, so the link survives).
bool WriteValue(const QString& File, const QByteArray& Content);

// The content of File; empty when it does not exist or cannot be read.
QByteArray ReadValue(const QString& File);

}  // namespace ModFileExt
