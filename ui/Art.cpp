#include "Art.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are only linked in when something names them.
static void LoadArtResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)loaded;
}

namespace vwui::Art {

QPixmap Render(const QString& name, QSize size, const QList<std::pair<QString, QString>>& texts) {
    LoadArtResources();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QFile file(QStringLiteral(":/art/%1.svg").arg(name));
    QString svg = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    for (const auto& [english, shown] : texts)
        svg.replace(u'>' + english.toHtmlEscaped() + u'<', u'>' + shown.toHtmlEscaped() + u'<');
    QSvgRenderer renderer(svg.toUtf8());
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QPixmap Frame(bool raised) {
    const QColor white(255, 255, 255), grey(128, 128, 128);
    const QColor& lit = raised ? white : grey;
    const QColor& shaded = raised ? grey : white;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < 32; ++i) {
        image.setPixelColor(i, 0, lit);
        image.setPixelColor(0, i, lit);
        image.setPixelColor(i, 31, shaded);
        image.setPixelColor(31, i, shaded);
    }
    // The corners where a lit and a shaded edge meet belong to the shaded edge, as on
    // a classic raised button.
    image.setPixelColor(31, 0, shaded);
    image.setPixelColor(0, 31, shaded);
    return QPixmap::fromImage(image);
}

QCursor HandCursor() {
    return QCursor(Render(QStringLiteral("hand"), QSize(32, 32)), 12, 4);
}

QIcon WindowIcon() {
    QIcon icon;
    for (int side : {16, 32})
        icon.addPixmap(Render(QStringLiteral("moravi-vaultwise"), QSize(side, side)));
    return icon;
}

}  // namespace vwui::Art
