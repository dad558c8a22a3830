#pragma once
// A white box on which the appearance window draws an example diagram; it reports clicks.

#include <QWidget>
#include <algorithm>
#include <functional>

namespace trovale {

class DiagramBox : public QWidget {
  public:
    // `pintar` draws the diagram; the box has been cleared to white.
    using Pintura = std::function<void(QPainter&)>;
    using Clique = std::function<void(QPoint)>;

    explicit DiagramBox(QWidget* parent = nullptr);

    void setPintura(Pintura pintura) { pintura_ = std::move(pintura); }
    void setClique(Clique clique) { clique_ = std::move(clique); }
    // Side of the square the diagram is kept in: the smaller side of the box.
    int lado() const { return std::min(width(), height()); }
    // Top-left corner of that square, centred across the box.
    QPoint origem() const { return {(width() - lado()) / 2, 0}; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

  private:
    Pintura pintura_;
    Clique clique_;
};

}  // namespace trovale
