#pragma once
// A picture or caption of a skinned window. It reports the mouse the way the window's
// handlers want it (every move, every press, every release, a left click) and, when
// asked to, accepts a drop of files and reports the drop's data. An icon that acts as
// a button also takes the keyboard focus and reports the keys that work it.

#include <QLabel>
#include <QMimeData>

namespace vwui {

class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent, const QRect& geometry);

    // Lets files be dropped here; the default refuses drops.
    void AcceptFileDrops();

    // Makes the picture a button for the keyboard and for assistive technology: it
    // takes focus (Tab), Enter clicks it, Space presses and releases it like the
    // mouse, the arrows ask for the next or previous control, and screen readers see
    // a push button named by its accessible name, with a press action. Called before
    // the label is named: a screen reader keeps what it first saw of it.
    void ActAsButton();
    bool ActsAsButton() const { return button_; }

signals:
    void MouseMove();
    void MouseDown();
    void MouseUp();
    void Click();
    void OLEDragDrop(const QMimeData* Data);
    void FocusIn(Qt::FocusReason Reason);
    void Step(bool Forward);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool button_ = false;
};

// The local file paths a drop carries, in the order of the drop.
QStringList DroppedPaths(const QMimeData* data);

}  // namespace vwui
