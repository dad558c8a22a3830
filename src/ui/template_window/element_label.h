#pragma once
// One element of the template window (title, author, lyrics, chords, refrain, chorus, remarks):
// its caption written in the element's font and colour. In edit mode a double click asks for
// a new font, the popup sets capitals only and a label dropped on another gives it its font;
// in line-meaning mode the label is only dragged onto sheet rows.

#include <QLabel>
#include <QMimeData>
#include <memory>

#include "settings/template.h"

namespace trovale {

class ElementLabel : public QLabel {
    Q_OBJECT
  public:
    enum class Modo { Edicao, Arraste };

    ElementLabel(int elemento, const QString& legenda, QWidget* parent);

    // The line kind this label stands for (its tag).
    int tag() const { return elemento_; }
    const QString& legenda() const { return legenda_; }

    const FonteElemento& fonte() const { return fonte_; }
    // The capitals flag travels in the sign of the size; the caption follows it.
    void setFonte(const FonteElemento& fonte);
    bool soMaiusculas() const { return fonte_.soMaiusculas(); }
    void setSoMaiusculas(bool sim);

    Modo modo() const { return modo_; }
    void setModo(Modo modo);

    // What a drag of this label carries in its mode; nothing when it cannot be dragged (the
    // chord symbols have no line meaning to give).
    std::unique_ptr<QMimeData> dadosDoArraste() const;

    // The frame that shows which label the font dialog is for.
    void marcar(bool sim);

  signals:
    void fontePedida();
    void corPedida();
    void maiusculasMudou();
    void fonteSoltada(int deElemento);

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

  private:
    void mostrar();
    bool aceitaSoltura(const QMimeData* dados) const;
    void arrastar();

    int elemento_;
    QString legenda_;
    FonteElemento fonte_;
    Modo modo_ = Modo::Edicao;
    bool marcado_ = false;
    QPoint inicioArraste_;
    bool podeArrastar_ = false;
};

}  // namespace trovale
