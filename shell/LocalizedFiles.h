#pragma once
// The desktop's files in every shipped language: the desktop entry, the MIME
// comments, the AppStream metadata and the file managers' actions. Each text of
// theirs that the translators know (the "DesktopFiles" context) gets its
// translations beside it, the way each kind of file holds them; the files stay
// valid, and English, for readers that know no other language.

#include <QByteArray>
#include <vector>

#include "Catalogs.h"

namespace ModFileExt {

// After each `Key=text` line of a key file (Name, GenericName, Comment, Tooltip,
// Keywords), a `Key[lang]=translation` line per catalog that translates the text.
// Translations already there are replaced.
QByteArray WithKeyFileTranslations(const QByteArray& Text, const std::vector<Catalog>& Catalogs);

// After each one-line element `<tag>text</tag>`, the element again with
// xml:lang="lang" and the translation. Translations already there are replaced.
QByteArray WithXmlTranslations(const QByteArray& Xml, const std::vector<Catalog>& Catalogs);

// The line `TRANSLATIONS = {}` of a Python source becomes a dictionary, by
// language, of the translations of the texts the source quotes.
QByteArray WithPythonTranslations(const QByteArray& Source, const std::vector<Catalog>& Catalogs);

// The files without their translations: what tells our own files from others.
QByteArray WithoutKeyFileTranslations(const QByteArray& Text);
QByteArray WithoutXmlTranslations(const QByteArray& Xml);

}  // namespace ModFileExt
