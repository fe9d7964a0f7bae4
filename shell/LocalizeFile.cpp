// Writes a desktop file of the package with its translations, at build time:
//   vwlocalize CATALOG_FOLDER IN OUT
// A .py file gets its dictionary, an .xml file its xml:lang elements, any other
// (desktop entries, service menus, Nemo and Caja actions) its Key[lang] lines.

#include <QFile>
#include <QString>
#include <cstdio>

#include "LocalizedFiles.h"
#include "UserFiles.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: vwlocalize CATALOG_FOLDER IN OUT\n", stderr);
        return 2;
    }
    const auto catalogs = ModFileExt::LoadCatalogs(QFile::decodeName(argv[1]));
    const QString in = QFile::decodeName(argv[2]);
    QFile source(in);
    if (catalogs.empty() || !source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vwlocalize: no catalogs in %s, or cannot read %s\n", argv[1],
                     argv[2]);
        return 1;
    }
    const QByteArray text = source.readAll();
    const QByteArray localized =
        in.endsWith(QLatin1String(".py"))    ? ModFileExt::WithPythonTranslations(text, catalogs)
        : in.endsWith(QLatin1String(".xml")) ? ModFileExt::WithXmlTranslations(text, catalogs)
                                             : ModFileExt::WithKeyFileTranslations(text, catalogs);
    if (!ModFileExt::WriteValue(QFile::decodeName(argv[3]), localized)) {
        std::fprintf(stderr, "vwlocalize: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
