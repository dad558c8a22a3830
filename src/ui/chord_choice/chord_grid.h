#pragma once
// The browser's grid: fingerings as diagrams in two columns of square cells, three rows in
// view, with the vertical scroll bar always in place so the cells never change size.

#include <QAbstractScrollArea>

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

    QSize sizeHint() const override;

  signals:
    void ativada(int k);  // double click or Enter on a filled cell
    void escape();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    void desenharCelula(QPainter& p, int k, const QRect& celula);
    void atualizarBarra();
    void mostrarSelecionada();
    std::string baixoDaEntrada(int k) const;

    const CatalogoTipos& tipos_;
    const Aparencia& aparencia_;
    const ListaDeDigitacoes* lista_ = nullptr;
    int selecionada_ = 0;
    bool destaque_ = true;
};

}  // namespace trovale
