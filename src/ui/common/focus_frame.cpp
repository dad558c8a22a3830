#include "ui/common/focus_frame.h"

#include <QPainter>

namespace trovale {

void desenharFoco(QPainter& p, const QRect& r, const QColor& cor) {
    p.save();
    // Blended dots at half-pixel positions would fade into a grey line.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor, 1, Qt::DotLine));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}

}  // namespace trovale
