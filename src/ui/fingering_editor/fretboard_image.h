#pragma once
// Image, the fingering editor's fretboard: the diagram of the fingering being built, drawn
// at the screen's resolution, turning clicks into strings and frets and a drag along a fret
// into a barre. It changes nothing itself: the editor decides.

#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

class QMimeData;

#include "catalogue/fingering.h"
#include "render/appearance.h"

namespace trovale {

class FretboardImage : public QWidget {
    Q_OBJECT
  public:
    FretboardImage(const Aparencia& aparencia, const TDigitacao& digitacao, QWidget* parent);

    // Measures of the grid as drawn at the current size (for the labels and the tests).
    const MedidasDiagrama& medidas() const { return medidas_; }
    // The centre of a note position (casa 1..n) or of a string's symbol (casa n + 1).
    QPoint centro(int corda, int casa) const;

    // After a note was placed: a drag from here across the strings may make a barre.
    void permitirPestana(int corda, int casa);
    // Whether a barre may start now; shows the refusal itself when not.
    std::function<bool(int casa)> podeIniciarPestana;
    // A fingering of the browser dropped here.
    std::function<void(const QMimeData&)> aoSoltar;

    QSize sizeHint() const override;

  signals:
    void pontoClicado(int corda, int casa);
    void cordaAlternada(int corda);
    void pestanaClicada(int corda, int casa);
    // The barre dragged from the note at (corda, casa) to another string.
    void pestanaArrastada(int corda, int casa, int cordaFinal);
    void medidasMudaram();
    void somPedido();  // right button pressed on the fretboard
    void somSolto();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    struct Arrasto {
        int corda = 0;
        int casa = 0;
        QPoint inicio;
        bool ativo = false;   // the rubber band is up
        int cordaAlvo = 0;    // 0 while the pointer is off the fret row
        QPoint ponta;
    };
    QRect areaDiagrama() const;
    void medir();
    void desenhar(QPainter& p);
    int espacoEntreCordas() const;
    int cordaSob(QPoint ponto) const;
    bool naLinhaDaCasa(QPoint ponto, int casa) const;

    const Aparencia& aparencia_;
    const TDigitacao& digitacao_;
    MedidasDiagrama medidas_;
    std::optional<Arrasto> arrasto_;
};

}  // namespace trovale
