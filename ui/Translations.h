#pragma once
// Puts the program's texts, and Qt's own (its buttons and file dialogs), into
// the user's language: the catalogs of the first of the user's languages that
// the program ships. Under English, or a language it does not ship, every text
// stays the English it is written in, Qt's too.

#include <QString>

namespace vwui {

// Installs the catalogs from Folder (the shipped ones by default) into the
// running application; true when the program's own catalog was found.
bool InstallTranslations(const QString& Folder);
bool InstallTranslations();

}  // namespace vwui
