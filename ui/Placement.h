#pragma once
// Where the program's windows first appear.

class QWidget;

namespace vwui {

// Moves `window` so that it stands in the middle of its screen's available area.
void CentreOnScreen(QWidget* window);

}  // namespace vwui
