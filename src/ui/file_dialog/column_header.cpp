#include "ui/file_dialog/column_header.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace trovale {

ColumnHeader::ColumnHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsMovable(false);  // moving would insert; the columns swap instead
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setToolTip(
        QStringLiteral("Arraste um título sobre outro para trocar as colunas; "
                       "arraste as fronteiras para mudar as larguras"));
}

// The grip margin is where QHeaderView starts a resize.
bool ColumnHeader::naBorda(int x) const {
    const int margem = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const int secao = logicalIndexAt(x);
    if (secao < 0) return true;
    const int dentro = x - sectionViewportPosition(secao);
    return (dentro < margem && visualIndex(secao) > 0) || sectionSize(secao) - dentro <= margem;
}

void ColumnHeader::mousePressEvent(QMouseEvent* evento) {
    const int x = evento->position().toPoint().x();
    if (evento->button() == Qt::LeftButton && !naBorda(x)) {
        origem_ = logicalIndexAt(x);
        inicio_ = evento->position().toPoint();
        arrastando_ = false;
    } else if (evento->button() == Qt::LeftButton) {
        redimensionando_ = true;
    }
    QHeaderView::mousePressEvent(evento);
}

void ColumnHeader::mouseMoveEvent(QMouseEvent* evento) {
    if (origem_ >= 0) {
        const QPoint agora = evento->position().toPoint();
        if (!arrastando_ &&
            (agora - inicio_).manhattanLength() >= QApplication::startDragDistance()) {
            arrastando_ = true;
            setCursor(Qt::ClosedHandCursor);
        }
        if (arrastando_) {
            const int alvo = logicalIndexAt(agora.x());
            if (alvo != alvo_) {
                alvo_ = alvo;
                viewport()->update();
            }
        }
        return;
    }
    QHeaderView::mouseMoveEvent(evento);
}

void ColumnHeader::mouseReleaseEvent(QMouseEvent* evento) {
    if (origem_ >= 0) {
        const int de = origem_;
        const int para = logicalIndexAt(evento->position().toPoint().x());
        const bool soltou = arrastando_;
        origem_ = alvo_ = -1;
        arrastando_ = false;
        unsetCursor();
        viewport()->update();
        if (soltou && para >= 0 && para != de) emit colunasTrocadas(de, para);
        return;
    }
    QHeaderView::mouseReleaseEvent(evento);
    redimensionando_ = false;
}

// The title under the dragged one is marked, so that the user sees where it will go.
void ColumnHeader::paintSection(QPainter* painter, const QRect& rect, int secao) const {
    QHeaderView::paintSection(painter, rect, secao);
    if (arrastando_ && secao == alvo_ && secao != origem_) {
        painter->save();
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter->setPen(pen);
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
}

}  // namespace trovale
