#pragma once
// The program's pictures: SVG artwork compiled in as resources, rendered at the sizes
// the windows lay out, plus the two frame pictures drawn pixel by pixel.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vwui::Art {

// The resource ":/art/<name>.svg" rendered at `size` logical pixels; the words
// of `texts` (English -> shown) in it are replaced first, so that the words an
// artwork carries come in the user's language.
QPixmap Render(const QString& name, QSize size,
               const QList<std::pair<QString, QString>>& texts = {});

// The 32 x 32 hover frame: one-pixel border, transparent inside. Raised is white on
// top and left and grey on bottom and right; pressed is the reverse.
QPixmap Frame(bool raised);

// The pointing hand shown over clickable icons, hot spot at the finger tip (12, 4).
QCursor HandCursor();

// The window icon with its 16 and 32 pixel images.
QIcon WindowIcon();

}  // namespace vwui::Art
