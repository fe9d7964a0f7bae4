#include "SkinLabel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace vwui {

SkinLabel::SkinLabel(QWidget* parent, const QRect& geometry) : QLabel(parent) {
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void SkinLabel::AcceptFileDrops() {
    setAcceptDrops(true);
}

void SkinLabel::mouseMoveEvent(QMouseEvent*) {
    emit MouseMove();
}

void SkinLabel::mousePressEvent(QMouseEvent*) {
    emit MouseDown();
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp();
    // A click is a left press and release that both happen on this picture.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

namespace {

// The program only reads what is dropped, so it takes a copy whatever the source
// proposes: accepting a move (a shift-drag) would let the source delete the file.
bool AcceptAsCopy(QDropEvent* event) {
    if (DroppedPaths(event->mimeData()).isEmpty()) return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

}  // namespace

void SkinLabel::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void SkinLabel::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void SkinLabel::dropEvent(QDropEvent* event) {
    if (AcceptAsCopy(event)) emit OLEDragDrop(event->mimeData());
}

QStringList DroppedPaths(const QMimeData* data) {
    QStringList paths;
    if (!data) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

}  // namespace vwui
