#include "ui/document_window/sheet_viewport.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace trovale {

namespace {

constexpr int kAnguloPasso = 120;  // one notch of a wheel
constexpr int kPassosPagina = 5;

}  // namespace

SheetViewport::SheetViewport(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VistaFolha"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, QColor(0xB8, 0xB8, 0xB8));
    setPalette(fundo);
}

void SheetViewport::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    emit redimensionada();
}

void SheetViewport::wheelEvent(QWheelEvent* evento) {
    restoRoda_ += evento->angleDelta().y();
    const int passos = restoRoda_ / kAnguloPasso;
    restoRoda_ -= passos * kAnguloPasso;
    if (passos != 0) emit passosPedidos(-passos);
    evento->accept();
}

void SheetViewport::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Down: emit passosPedidos(1); break;
        case Qt::Key_Up: emit passosPedidos(-1); break;
        case Qt::Key_PageDown: emit passosPedidos(kPassosPagina); break;
        case Qt::Key_PageUp: emit passosPedidos(-kPassosPagina); break;
        case Qt::Key_Home: emit inicioPedido(); break;
        case Qt::Key_End: emit fimPedido(); break;
        default: QWidget::keyPressEvent(evento); return;
    }
    evento->accept();
}

}  // namespace trovale
