#include "ui/page_setup/page_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace trovale {

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PagePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().mid());
    if (pintura_) pintura_(p);
}

void PagePicture::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && clique_) clique_(evento->position());
    QWidget::mousePressEvent(evento);
}

}  // namespace trovale
