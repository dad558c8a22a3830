#include "ui/aspect/diagram_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace trovale {

DiagramBox::DiagramBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.fillRect(QRect(origem(), QSize(lado(), lado())), Qt::white);
    p.setBrush(Qt::white);
    if (pintura_) pintura_(p);
}

void DiagramBox::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && clique_) clique_(evento->position().toPoint());
    QWidget::mousePressEvent(evento);
}

}  // namespace trovale
