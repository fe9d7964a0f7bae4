#pragma once
// Lets a borderless window be dragged by pressing on some of its controls. The window
// manager moves it when the platform allows that; otherwise the window follows the
// mouse until the button is released.

#include <QObject>
#include <QPoint>

class QWidget;

namespace vwui {

class WindowMover : public QObject {
public:
    explicit WindowMover(QWidget* window);

    // Makes a press with any mouse button on `handle` start a move of the window.
    void AddHandle(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Begin(const QPoint& globalPos);

    QWidget* window_;
    bool following_ = false;
    QPoint grabOffset_;
};

}  // namespace vwui
