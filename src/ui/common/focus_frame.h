#pragma once
// The keyboard focus as the program's own drawn controls show it: a dotted frame just inside
// the cell, row or control that has it. The style's own focus frame shows only after a Tab
// (Fusion), so it is not asked for.

#include <QColor>
#include <QRect>

class QPainter;

namespace trovale {

// `cor`: the colour of the text drawn in `r`, so that the frame reads on its background.
void desenharFoco(QPainter& p, const QRect& r, const QColor& cor);

}  // namespace trovale
