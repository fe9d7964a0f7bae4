#include "RecentFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace vwui {

namespace {

constexpr char kEmptyList[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "</xbel>\n";

QByteArray Escaped(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

QByteArray Entry(const QByteArray& href, const QString& mimeType, const QString& now) {
    const QByteArray time = now.toUtf8();
    return "  <bookmark href=\"" + href + "\" added=\"" + time + "\" modified=\"" + time +
           "\" visited=\"" + time +
           "\">\n"
           "    <info>\n"
           "      <metadata owner=\"http://freedesktop.org\">\n"
           "        <mime:mime-type type=\"" +
           Escaped(mimeType) +
           "\"/>\n"
           "        <bookmark:applications>\n"
           "          <bookmark:application name=\"Moravi Vaultwise\" exec=\"&apos;vaultwise "
           "%u&apos;\" modified=\"" +
           time +
           "\" count=\"1\"/>\n"
           "        </bookmark:applications>\n"
           "      </metadata>\n"
           "    </info>\n"
           "  </bookmark>\n";
}

}  // namespace

QByteArray WithRecentEntry(const QByteArray& List, const QString& Path, const QString& MimeType,
                           const QString& Now) {
    if (!List.isEmpty() && !List.contains("</xbel>")) return List;  // not ours to mend
    QByteArray list = List.isEmpty() ? QByteArray(kEmptyList) : List;
    const QByteArray href = Escaped(QString::fromLatin1(QUrl::fromLocalFile(Path).toEncoded()));
    // The earlier entry for the same file goes; every other line stays as it was.
    const QByteArray start = "<bookmark href=\"" + href + '"';
    const qsizetype at = list.indexOf(start);
    if (at >= 0) {
        const qsizetype end = list.indexOf("</bookmark>", at);
        if (end < 0) return List;  // a list cut short: leave it to its owner
        const qsizetype lineStart = list.lastIndexOf('\n', at) + 1;
        const qsizetype lineEnd = list.indexOf('\n', end);
        list.remove(lineStart, (lineEnd < 0 ? list.size() : lineEnd + 1) - lineStart);
    }
    return list.insert(list.lastIndexOf("</xbel>"), Entry(href, MimeType, Now));
}

bool AddToRecentFiles(const QString& Path) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) return false;
    const QString file = data + QStringLiteral("/recently-used.xbel");
    QFile in(file);
    const QByteArray before = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const QString type = QMimeDatabase().mimeTypeForFile(Path).name();
    const QByteArray after = WithRecentEntry(before, Path, type, now);
    if (after == before) return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(after);
    return out.commit();
}

}  // namespace vwui
