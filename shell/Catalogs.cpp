#include "Catalogs.h"

#include <QDir>
#include <QFileInfo>

#include "ModFileExt.h"

namespace ModFileExt {

namespace {

constexpr char kPrefix[] = "vaultwise_";

}  // namespace

QString TranslationsFolder() {
    const QString program = QFile::decodeName(QByteArray::fromStdString(ProgramPath()));
    if (program.isEmpty()) return {};
    const QString folder = QFileInfo(program).absolutePath() +
                           QStringLiteral("/../share/moravi-vaultwise/translations");
    return QFileInfo(folder).isDir() ? QDir::cleanPath(folder) : QString();
}

std::vector<Catalog> LoadCatalogs(const QString& Folder) {
    std::vector<Catalog> catalogs;
    if (Folder.isEmpty()) return catalogs;
    const QStringList files = QDir(Folder).entryList(
        {QLatin1String(kPrefix) + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        auto messages = std::make_shared<QTranslator>();
        if (!messages->load(file, Folder)) continue;
        catalogs.push_back({file.mid(int(sizeof kPrefix - 1)).chopped(3), messages});
    }
    return catalogs;
}

const std::vector<Catalog>& ShippedCatalogs() {
    static const std::vector<Catalog> catalogs = LoadCatalogs(TranslationsFolder());
    return catalogs;
}

}  // namespace ModFileExt
