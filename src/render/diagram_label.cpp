#include <QFontMetrics>
#include <QPainter>
#include <string>

#include "render/appearance.h"

namespace trovale {

PosicaoRotulo posicaoRotuloCasa(const MedidasDiagrama& m, int larguraTexto, int alturaTexto) {
    const int meioCasa1 = (m.Casa[1].inicio + m.Casa[1].fim) / 2;
    if (m.Orientacao == kOrientacaoHorizontal)
        return {meioCasa1 - larguraTexto / 2, m.Y0 - alturaTexto + 1};
    return {m.W / 200 + m.AncoraRotulo + 2, meioCasa1 - alturaTexto / 2};
}

void DesenharRotuloCasa(QPainter& p, const MedidasDiagrama& m, int casaInicial, const QColor& cor) {
    if (casaInicial <= 1) return;
    const QString texto = QString::number(casaInicial);
    const QFontMetrics metricas(p.font());
    const int largura = metricas.horizontalAdvance(texto);
    const PosicaoRotulo pos = posicaoRotuloCasa(m, largura, metricas.height());
    p.save();
    p.setPen(cor);
    p.drawText(pos.x, pos.y + metricas.ascent(), texto);
    p.restore();
}

}  // namespace trovale
