#include "WindowMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vwui {

WindowMover::WindowMover(QWidget* window) : QObject(window), window_(window) {}

void WindowMover::AddHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            Begin(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::MouseMove:
            if (following_)
                window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                              grabOffset_);
            break;
        case QEvent::MouseButtonRelease:
            following_ = false;
            break;
        default:
            break;
    }
    return false;  // the handle still sees its own mouse events
}

void WindowMover::Begin(const QPoint& globalPos) {
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) return;
    following_ = true;
    grabOffset_ = globalPos - window_->pos();
}

}  // namespace vwui
