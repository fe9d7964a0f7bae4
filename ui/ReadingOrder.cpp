#include "ReadingOrder.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "SkinLabel.h"

namespace vwui {

namespace {

constexpr char kRoleProperty[] = "vwAccessibleRole";

// A label that shows only a picture and is no button.
bool IsPicture(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->pixmap().isNull()) return false;
    const auto* skin = qobject_cast<const SkinLabel*>(widget);
    return !(skin && skin->ActsAsButton());
}

// Rows from the top: a control whose middle lies within the first control of the
// row joins it; each row reads left to right.
QList<QWidget*> InScreenOrder(QList<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    QList<QWidget*> ordered;
    for (qsizetype start = 0; start < controls.size();) {
        const QRect first = controls[start]->geometry();
        qsizetype end = start + 1;
        while (end < controls.size() && controls[end]->geometry().center().y() <= first.bottom())
            ++end;
        QList<QWidget*> row = controls.mid(start, end - start);
        std::stable_sort(row.begin(), row.end(),
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        ordered += row;
        start = end;
    }
    return ordered;
}

class ScreenOrderWindow : public QAccessibleWidget {
public:
    ScreenOrderWindow(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = Controls();
        return index >= 0 && index < controls.size()
                   ? QAccessible::queryAccessibleInterface(controls[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(Controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* control : Controls())
            if (control->isVisible() &&
                QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).contains(x, y))
                return QAccessible::queryAccessibleInterface(control);
        return nullptr;
    }

private:
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->isHidden() && !IsPicture(child)) controls << child;
        return InScreenOrder(controls);
    }
};

QAccessibleInterface* ScreenOrderFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    return role.isValid() ? new ScreenOrderWindow(static_cast<QWidget*>(object),
                                                  QAccessible::Role(role.toInt()))
                          : nullptr;
}

}  // namespace

void ReadInScreenOrder(QWidget* Window, QAccessible::Role Role) {
    static const bool installed = (QAccessible::installFactory(ScreenOrderFactory), true);
    (void)installed;
    Window->setProperty(kRoleProperty, int(Role));
}

}  // namespace vwui
