#pragma once
// The view onto the sheet: it holds the column grids, which the document window moves to
// scroll, and turns the wheel and the paging keys into scroll steps.

#include <QWidget>

namespace trovale {

class SheetViewport : public QWidget {
    Q_OBJECT
  public:
    explicit SheetViewport(QWidget* parent = nullptr);

  signals:
    void redimensionada();
    // Scroll by this many line steps (negative: up); a page is five of them.
    void passosPedidos(int linhas);
    void inicioPedido();
    void fimPedido();

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    int restoRoda_ = 0;  // wheel angle not yet turned into a step (touchpads send little)
};

}  // namespace trovale
