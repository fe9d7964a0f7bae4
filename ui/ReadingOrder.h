#pragma once
// What assistive technology sees of a skinned window: its role (the main window is
// a frame, the password question a dialog) and its controls in the order the
// screen shows them, row by row from the top, left to right in a row. The pictures
// the skin is made of (the background, the status strip, the hover frame and its
// hidden models) are left out: they say nothing, and a screen reader would only
// announce "image".

#include <QAccessible>

class QWidget;

namespace vwui {

// Describes Window so; called in its constructor, before anything asks about it.
void ReadInScreenOrder(QWidget* Window, QAccessible::Role Role);

}  // namespace vwui
