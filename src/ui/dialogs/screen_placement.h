#pragma once
// Where the program's small modal windows appear.

class QWidget;

namespace trovale {

// Centres a top-level window on the screen that shows it (or would show it), keeping it
// inside the available area.
void centreOnScreen(QWidget& window);

}  // namespace trovale
