#pragma once
// The raised or pressed frame that a skinned window draws around the icon under the
// pointer, with the two hidden pictures it takes its look from.

#include <QRect>

class QLabel;
class QWidget;

namespace vwui {

class HoverFrame {
public:
    // Creates ImgButton, ButtonUp and ButtonDown on `parent`, bottom to top, so
    // controls created afterwards stand above the frame.
    HoverFrame(QWidget* parent, const QRect& frameRect, const QRect& upRect, const QRect& downRect);

    // Places the frame 2 pixels around `icon` and shows it; sets only what differs.
    void Surround(const QWidget* icon);
    void Press();
    void Release();
    void Hide();
    // True when the frame is shown around `icon`.
    bool Surrounds(const QWidget* icon) const;

    QLabel* ImgButton;
    QLabel* ButtonUp;
    QLabel* ButtonDown;

private:
    void ShowPicture(const QLabel* holder);
};

}  // namespace vwui
