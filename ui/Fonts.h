#pragma once
// The program's one typeface. Tahoma is asked for by name; fontconfig picks the
// nearest installed face when it is missing.

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace vwui {

inline QFont Tahoma(double points, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

// `font`, narrowed just enough for `text` to fit `width` pixels. Boxes are sized for
// Tahoma; a wider stand-in face would otherwise be clipped at both ends.
inline QFont FittedTo(QFont font, const QString& text, int width) {
    for (int stretch = 100; stretch > 70 && QFontMetrics(font).horizontalAdvance(text) > width;
         stretch -= 2)
        font.setStretch(stretch - 2);
    return font;
}

}  // namespace vwui
