#pragma once
// A picture or caption of a skinned window. It reports the mouse the way the window's
// handlers want it (every move, every press, every release, a left click) and, when
// asked to, accepts a drop of files and reports the drop's data.

#include <QLabel>
#include <QMimeData>

namespace vwui {

class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent, const QRect& geometry);

    // Lets files be dropped here; the default refuses drops.
    void AcceptFileDrops();

signals:
    void MouseMove();
    void MouseDown();
    void MouseUp();
    void Click();
    void OLEDragDrop(const QMimeData* Data);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The local file paths a drop carries, in the order of the drop.
QStringList DroppedPaths(const QMimeData* data);

}  // namespace vwui
