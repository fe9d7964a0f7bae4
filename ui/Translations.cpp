#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Catalogs.h"

namespace vwui {

bool InstallTranslations(const QString& Folder) {
    auto* own = new QTranslator(QCoreApplication::instance());
    if (Folder.isEmpty() ||
        !own->load(QLocale(), QStringLiteral("vaultwise"), QStringLiteral("_"), Folder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts in the same language as ours, never in one the program lacks.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

bool InstallTranslations() {
    return InstallTranslations(ModFileExt::TranslationsFolder());
}

}  // namespace vwui
