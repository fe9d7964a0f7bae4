#include "HoverFrame.h"

#include <QLabel>

#include "Art.h"

namespace vwui {

namespace {

constexpr int kMargin = 2;  // the frame stands this many pixels out from the icon

QLabel* HiddenPicture(QWidget* parent, const QRect& geometry, const QPixmap& picture) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setPixmap(picture);
    label->hide();
    return label;
}

}  // namespace

HoverFrame::HoverFrame(QWidget* parent, const QRect& frameRect, const QRect& upRect,
                       const QRect& downRect)
    : ImgButton(new QLabel(parent)),
      ButtonUp(HiddenPicture(parent, upRect, Art::Frame(true))),
      ButtonDown(HiddenPicture(parent, downRect, Art::Frame(false))) {
    ImgButton->setGeometry(frameRect);
    ImgButton->hide();
    ShowPicture(ButtonUp);
}

void HoverFrame::Surround(const QWidget* icon) {
    const QPoint corner = icon->pos() - QPoint(kMargin, kMargin);
    if (ImgButton->x() != corner.x()) ImgButton->move(corner.x(), ImgButton->y());
    if (ImgButton->y() != corner.y()) ImgButton->move(ImgButton->x(), corner.y());
    if (ImgButton->isHidden()) ImgButton->show();
}

void HoverFrame::Press() {
    ShowPicture(ButtonDown);
}

void HoverFrame::Release() {
    ShowPicture(ButtonUp);
}

void HoverFrame::Hide() {
    ImgButton->hide();
}

bool HoverFrame::Surrounds(const QWidget* icon) const {
    return !ImgButton->isHidden() && ImgButton->pos() == icon->pos() - QPoint(kMargin, kMargin);
}

void HoverFrame::ShowPicture(const QLabel* holder) {
    // Nearest-pixel stretching keeps the one-pixel border sharp at 36 x 36.
    ImgButton->setPixmap(
        holder->pixmap().scaled(ImgButton->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace vwui
