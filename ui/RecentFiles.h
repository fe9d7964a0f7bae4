#pragma once
// The desktop's list of recently used files (the freedesktop recently-used.xbel in
// the user's data folder), which file choosers and file managers show as "Recent".

#include <QByteArray>
#include <QString>

namespace vwui {

// Puts Path first-hand into the list as used by this program now: an entry for the
// same file is replaced. False when the list could not be written.
bool AddToRecentFiles(const QString& Path);

// The list with Path's entry added, from the list's text as it was ("" for none).
QByteArray WithRecentEntry(const QByteArray& List, const QString& Path, const QString& MimeType,
                           const QString& Now);

}  // namespace vwui
