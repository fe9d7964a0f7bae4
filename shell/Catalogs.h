#pragma once
// The translations the program ships: one catalog per language (vaultwise_de.qm,
// vaultwise_pt_BR.qm, ...) in share/moravi-vaultwise/translations, found from the
// program's own folder: bin/ stands beside share/ once installed, and the build
// tree is laid out alike.

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace ModFileExt {

// The catalogs' folder for the running program; "" when it has none.
QString TranslationsFolder();

struct Catalog {
    QString Language;  // "de", "pt_BR": as a key file's Name[..] and xml:lang name it
    std::shared_ptr<QTranslator> Messages;
};

// Every catalog in Folder, ordered by language.
std::vector<Catalog> LoadCatalogs(const QString& Folder);

// The running program's catalogs, loaded at the first call.
const std::vector<Catalog>& ShippedCatalogs();

}  // namespace ModFileExt
