#pragma once
// A white, framed surface the check window draws a chord name or a diagram on.

#include <QPainter>
#include <QWidget>
#include <functional>

namespace trovale {

class PaintBox : public QWidget {
  public:
    using Pintura = std::function<void(QPainter&, const QRect&)>;

    explicit PaintBox(QWidget* parent = nullptr) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setPintura(Pintura pintura) { pintura_ = std::move(pintura); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (pintura_) pintura_(p, rect().adjusted(1, 1, -1, -1));
    }

  private:
    Pintura pintura_;
};

}  // namespace trovale
