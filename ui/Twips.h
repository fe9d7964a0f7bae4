#pragma once
// Window coordinates are laid out in twips, 15 to the pixel at 96 dpi; Qt scales the
// resulting pixels on denser screens.

#include <QRect>

namespace vwui {

// Pixels for a twip value, rounded half away from zero.
constexpr int Px(int twips) {
    return (twips * 2 + (twips >= 0 ? 15 : -15)) / 30;
}

// A control's box given as left, top, width and height in twips.
constexpr QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace vwui
