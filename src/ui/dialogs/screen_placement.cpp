#include "ui/dialogs/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace trovale {

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.parentWidget() ? window.parentWidget()->screen() : window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    const int x = area.left() + std::max(0, (area.width() - size.width()) / 2);
    const int y = area.top() + std::max(0, (area.height() - size.height()) / 2);
    window.move(x, y);
}

}  // namespace trovale
