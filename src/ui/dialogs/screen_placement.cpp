#include "ui/dialogs/screen_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

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

void caberNaTela(QWidget& janela) {
    const QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    if (!tela || janela.isMaximized() || janela.isFullScreen()) return;
    const QRect area = tela->availableGeometry();
    const QRect quadro = janela.frameGeometry();
    const QSize borda = quadro.size() - janela.size();
    const QSize maximo = (area.size() - borda).expandedTo(janela.minimumSize());
    if (janela.width() > maximo.width() || janela.height() > maximo.height())
        janela.resize(janela.size().boundedTo(maximo));
    const QSize ocupado = janela.size() + borda;
    const int x = std::clamp(quadro.left(), area.left(),
                             std::max(area.left(), area.right() + 1 - ocupado.width()));
    const int y = std::clamp(quadro.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - ocupado.height()));
    if (x != quadro.left() || y != quadro.top()) janela.move(x, y);
}

bool JanelasDentroDaTela::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if ((tipo != QEvent::Show && tipo != QEvent::Move && tipo != QEvent::Hide) ||
        !objeto->isWidgetType())
        return false;
    auto* janela = static_cast<QWidget*>(objeto);
    const Qt::WindowType especie = janela->windowType();
    if (!janela->isWindow() || especie == Qt::Popup || especie == Qt::ToolTip ||
        especie == Qt::SplashScreen)
        return false;
    switch (tipo) {
        case QEvent::Hide:
            ondeEstava_.insert(janela, janela->frameGeometry().topLeft());
            connect(janela, &QObject::destroyed, this, &JanelasDentroDaTela::esquecer,
                    Qt::UniqueConnection);
            break;
        case QEvent::Show:
            // Shown again where it was left, unless the window placed itself elsewhere.
            if (ondeEstava_.value(janela, QPoint(-1, -1)) != janela->pos()) ondeEstava_.remove(janela);
            caberNaTela(*janela);
            aEnquadrar_.insert(janela);
            break;
        default:
            // Once the window manager has framed it: where it was left (window managers place a
            // window shown again by its inside, a title bar lower each time), and inside the
            // screen with its frame.
            if (aEnquadrar_.contains(janela) && janela->frameGeometry() != janela->geometry()) {
                aEnquadrar_.remove(janela);
                const std::optional<QPoint> canto = ondeEstava_.contains(janela)
                                                        ? std::optional(ondeEstava_.take(janela))
                                                        : std::nullopt;
                QTimer::singleShot(0, janela, [janela = QPointer<QWidget>(janela), canto] {
                    if (!janela || !janela->isVisible()) return;
                    if (canto && janela->frameGeometry().topLeft() != *canto) janela->move(*canto);
                    caberNaTela(*janela);
                });
            }
            break;
    }
    return false;
}

void JanelasDentroDaTela::esquecer(QObject* janela) {
    ondeEstava_.remove(janela);
    aEnquadrar_.remove(janela);
}

}  // namespace trovale
