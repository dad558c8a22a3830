#include "render/appearance.h"

#include <QPainter>

#include "render/qt_canvas.h"

namespace trovale {

namespace {

// The marks were always drawn unsmoothed, whatever the caller's painter had asked for.
class SemSuavizar {
  public:
    explicit SemSuavizar(QPainter& p) : p_(p) {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~SemSuavizar() { p_.restore(); }
    SemSuavizar(const SemSuavizar&) = delete;
    SemSuavizar& operator=(const SemSuavizar&) = delete;

  private:
    QPainter& p_;
};

}  // namespace

void DesenharBraco(QPainter& p, const Aparencia& aparencia, MedidasDiagrama& medidas, int X0,
                   int Y0, int W, int H, const QColor& frente) {
    const QColor fundo = p.brush().style() == Qt::NoBrush ? QColor(Qt::white) : p.brush().color();
    TelaQt tela(p);
    DesenharBraco(tela, aparencia, medidas, X0, Y0, W, H, corDe(frente), corDe(fundo));
}

void DesenharDigitacao(QPainter& p, const MedidasDiagrama& medidas, const TDigitacao& digitacao) {
    SemSuavizar semSuavizar(p);
    TelaQt tela(p);
    DesenharDigitacao(tela, medidas, digitacao);
}

void DesenharPonto(QPainter& p, const MedidasDiagrama& medidas, int corda, int casa,
                   const QColor& cor) {
    SemSuavizar semSuavizar(p);
    TelaQt tela(p);
    DesenharPonto(tela, medidas, corda, casa, corDe(cor));
}

void DesenharPestana(QPainter& p, const MedidasDiagrama& medidas, int casa, int primeira,
                     int ultima, const QColor& cor, int meiaEspessura) {
    TelaQt tela(p);
    DesenharPestana(tela, medidas, casa, primeira, ultima, corDe(cor), meiaEspessura);
}

void DesenharSimbolo(QPainter& p, const MedidasDiagrama& medidas, int corda, int tipo,
                     const QColor& cor) {
    SemSuavizar semSuavizar(p);
    TelaQt tela(p);
    DesenharSimbolo(tela, medidas, corda, tipo, corDe(cor));
}

void DesenharRotuloCasa(QPainter& p, const MedidasDiagrama& medidas, int casaInicial,
                        const QColor& cor) {
    TelaQt tela(p);
    DesenharRotuloCasa(tela, medidas, casaInicial, corDe(cor));
}

}  // namespace trovale
