#include "UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ModFileExt {

bool CreateFolder(const QString& Folder) {
    return QDir().mkpath(Folder);
}

bool WriteValue(const QString& File, const QByteArray& Content) {
    const QFileInfo info(File);
    QSaveFile out(info.isSymLink() ? info.symLinkTarget() : File);
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(Content) != Content.size()) return false;
    return out.commit();
}

QByteArray ReadValue(const QString& File) {
    QFile in(File);
    if (!in.open(QIODevice::ReadOnly)) return {};
    return in.readAll();
}

}  // namespace ModFileExt
