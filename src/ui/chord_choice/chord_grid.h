#pragma once
// The browser's grid: fingerings as diagrams in two columns of square cells, three rows in
// view, with the vertical scroll bar always in place so the cells never change size.

#include <QAbstractScrollArea>
#include <QTimer>

#include "catalogue/type_catalogue.h"
#include "render/appearance.h"
#include "ui/chord_choice/fingering_list.h"

namespace trovale {

class ChordGrid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    static constexpr int kColunas = 2;
    static constexpr int kLinhasVisiveis = 3;

    ChordGrid(const CatalogoTipos& tipos, const Aparencia& aparencia, QWidget* parent = nullptr);

    void setLista(const ListaDeDigitacoes* lista);
    int quantidade() const;
    int linhas() const;
    // Entry numbers run from 1; 0 is no selection.
    int selecionada() const { return selecionada_; }
    void selecionar(int k);
    // Title of an entry: its root when transposed, then "/" and a bass other than its root.
    QString titulo(int k) const;
    // "/" and the bass of the selected entry, or nothing.
    std::string baixoSelecionado() const;
    // Whether the selected cell may be shown in yellow (the hint of the window is up).
    void setDestaque(bool destaque);
    // Entry under a viewport point, 0 for none.
    int entradaEm(QPoint ponto) const;
    QRect retanguloCelula(int k) const;
    int ladoCelula() const;

    // Del removes the selected entry and a drag moves an entry to another cell; a fingering
    // dragged out of the grid can be dropped on the fingering editor.
    void setEditavel(bool editavel) { editavel_ = editavel; }
    bool editavel() const { return editavel_; }

    QSize sizeHint() const override;

  signals:
    void ativada(int k);  // double click or Enter on a filled cell
    void escape();
    void exclusaoPedida(int k);
    void movimentoPedido(int de, int para);
    void somPedido(int k);  // right button on a filled cell
    void somSolto();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dragLeaveEvent(QDragLeaveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    void desenharCelula(QPainter& p, int k, const QRect& celula);
    void atualizarBarra();
    void mostrarSelecionada();
    std::string baixoDaEntrada(int k) const;
    void arrastar(int k);
    void rolarNoArrasto();

    const CatalogoTipos& tipos_;
    const Aparencia& aparencia_;
    const ListaDeDigitacoes* lista_ = nullptr;
    int selecionada_ = 0;
    bool destaque_ = true;
    bool editavel_ = false;
    int origem_ = 0;        // entry under the last press: the drag source
    QPoint pontoPressao_;
    // While a drag hangs above or below the grid it scrolls one row at a time.
    QTimer rolagem_;
    int sentidoRolagem_ = 0;
};

}  // namespace trovale
