#pragma once
// The chord type editor's list of the 18 intervals, each drawn as its name in bold and its
// description. The ticked items are the type's intervals; the editor decides what a click
// does. A ticked item may be dragged into the symbol grid.

#include <QListWidget>

#include "catalogue/type_editing.h"

namespace trovale {

class IntervalList : public QListWidget {
    Q_OBJECT
  public:
    explicit IntervalList(QWidget* parent = nullptr);

    void mostrar(const SelecaoIntervalos& selecao);
    bool marcado(int codigo) const;
    // Ticked items may be dragged out only while a symbol is being edited.
    void setArrastavel(bool arrastavel) { arrastavel_ = arrastavel; }
    // The item of an interval code (1..18).
    QListWidgetItem* itemDoCodigo(int codigo) const { return item(codigo - 1); }

  signals:
    // A press on the list: the interval under the pointer, or the last one below them all.
    void clicado(int codigo);

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    QPoint inicioArrasto_;
    int codigoArrasto_ = 0;
    bool arrastavel_ = false;
};

}  // namespace trovale
