#pragma once
// The document icons of the two file types. An installed copy brings them in the
// system's icon theme; a per-user registration puts them in the user's, where file
// managers look for the icon named after each MIME type.

#include <QString>
#include <QStringList>

namespace ModFileExt {

// Writes both icons under DataHome/icons; false when one could not be written.
bool WriteDocumentIcons(const QString& DataHome);

// Removes the icons under DataHome/icons that are exactly ours; returns their paths.
QStringList RemoveDocumentIcons(const QString& DataHome);

}  // namespace ModFileExt
