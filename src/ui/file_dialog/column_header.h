#pragma once
// The header of the song list: its borders resize as usual, and a title dropped on another
// asks for the two columns to swap places (the display order is the sort order).

#include <QHeaderView>

namespace trovale {

class ColumnHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit ColumnHeader(QWidget* parent = nullptr);

    // True while the user drags a border: only then do the proportions of the columns change.
    bool redimensionando() const { return redimensionando_; }

  signals:
    void colunasTrocadas(int de, int para);

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void paintSection(QPainter* painter, const QRect& rect, int secao) const override;

  private:
    bool naBorda(int x) const;

    int origem_ = -1;
    int alvo_ = -1;
    bool arrastando_ = false;
    bool redimensionando_ = false;
    QPoint inicio_;
};

}  // namespace trovale
