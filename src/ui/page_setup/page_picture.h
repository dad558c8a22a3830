#pragma once
// The frame the page setup window draws the page in; it reports clicks on it.

#include <QWidget>
#include <functional>

namespace trovale {

class PagePicture : public QWidget {
  public:
    using Pintura = std::function<void(QPainter&)>;
    using Clique = std::function<void(QPointF)>;

    explicit PagePicture(QWidget* parent = nullptr);

    // `pintar` draws the page; the frame has been cleared to its background.
    void setPintura(Pintura pintura) { pintura_ = std::move(pintura); }
    void setClique(Clique clique) { clique_ = std::move(clique); }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

  private:
    Pintura pintura_;
    Clique clique_;
};

}  // namespace trovale
