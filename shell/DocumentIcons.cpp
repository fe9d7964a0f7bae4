#include "DocumentIcons.h"

#include <QFile>

#include "ModFileExt.h"
#include "UserFiles.h"

// The icons are compiled into the program; a static library's resources are only
// linked in when something names them (from the global namespace, as the resource's
// initialiser lives there).
static void LoadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace ModFileExt {

namespace {

const QString kFolder = QStringLiteral("/icons/hicolor/scalable/mimetypes/");

QStringList IconNames() {
    QStringList names;
    for (const char* type : {MimeType, SealedMimeType})
        names << QString::fromLatin1(type).replace(u'/', u'-') + QStringLiteral(".svg");
    return names;
}

QByteArray IconData(const QString& name) {
    LoadIconResources();
    return ReadValue(QStringLiteral(":/shell/icons/") + name);
}

}  // namespace

bool WriteDocumentIcons(const QString& DataHome) {
    if (!CreateFolder(DataHome + kFolder)) return false;
    bool written = true;
    for (const QString& name : IconNames())
        written = WriteValue(DataHome + kFolder + name, IconData(name)) && written;
    return written;
}

QStringList RemoveDocumentIcons(const QString& DataHome) {
    QStringList removed;
    for (const QString& name : IconNames()) {
        const QString file = DataHome + kFolder + name;
        if (QFile::exists(file) && ReadValue(file) == IconData(name) && QFile::remove(file))
            removed << file;
    }
    return removed;
}

}  // namespace ModFileExt
