#pragma once
// One column of the sheet on screen: a grid with one row per sheet row at that row's height,
// each row drawn by the sheet painter. Only the rows in view are painted, so a long song
// scrolls as fast as a short one. The document window places and scrolls the grids.

#include <QWidget>
#include <vector>

#include "render/sheet_painter.h"

namespace trovale {

class SheetGrid : public QWidget {
    Q_OBJECT
  public:
    SheetGrid(int coluna, QWidget* parent = nullptr);

    // What to paint, kept by the document window; null shows an empty column.
    void setPintura(const SheetPaint* pintura);
    // The column's rows or their heights changed: row positions and size follow.
    void atualizarLinhas();

    int coluna() const { return coluna_; }
    int numeroLinhas() const { return static_cast<int>(topos_.size()) - 1; }
    // The row under y (grid coordinates), or -1 below the last row.
    int linhaEm(int y) const;
    QRect retanguloLinha(int linha) const;
    // The row being typed into (-1: none) and the caret's character position in it.
    // The row typed into (with the caret after `cursor` characters), or only chosen by the
    // keyboard (`digitando` false: a dashed frame, no caret); -1 for none.
    void setEdicao(int linha, int cursor, bool digitando = true);
    int linhaEditada() const { return linhaEditada_; }

  signals:
    // Painting found a row wider than its column.
    void linhaTruncada();

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void desenharEdicao(QPainter& p) const;

    int coluna_;
    const SheetPaint* pintura_ = nullptr;
    std::vector<int> topos_{0};  // top of each row, then the bottom of the last
    int linhaEditada_ = -1;
    int cursor_ = 0;
    bool digitando_ = true;
};

}  // namespace trovale
