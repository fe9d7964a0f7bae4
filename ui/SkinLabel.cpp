#include "SkinLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
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

namespace {

// What assistive technology sees of a picture that acts as a button.
class PictureButton : public QAccessibleWidget {
public:
    explicit PictureButton(SkinLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            emit static_cast<SkinLabel*>(widget())->Click();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* PictureButtonFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<SkinLabel*>(object);
    return label && label->ActsAsButton() ? new PictureButton(label) : nullptr;
}

}  // namespace

void SkinLabel::ActAsButton() {
    static const bool installed = (QAccessible::installFactory(PictureButtonFactory), true);
    (void)installed;
    button_ = true;
    setFocusPolicy(Qt::StrongFocus);
}

void SkinLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit FocusIn(event->reason());
}

void SkinLabel::keyPressEvent(QKeyEvent* event) {
    switch (button_ ? event->key() : 0) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit Click();
            break;
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) emit MouseDown();
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            emit Step(false);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            emit Step(true);
            break;
        default:
            QLabel::keyPressEvent(event);
    }
}

void SkinLabel::keyReleaseEvent(QKeyEvent* event) {
    if (!button_ || event->key() != Qt::Key_Space || event->isAutoRepeat())
        return QLabel::keyReleaseEvent(event);
    emit MouseUp();
    emit Click();
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
