#include <string>

#include "drawing/diagram.h"

namespace trovale {

PosicaoRotulo posicaoRotuloCasa(const MedidasDiagrama& m, int larguraTexto, int alturaTexto) {
    const int meioCasa1 = (m.Casa[1].inicio + m.Casa[1].fim) / 2;
    if (m.Orientacao == kOrientacaoHorizontal)
        return {meioCasa1 - larguraTexto / 2, m.Y0 - alturaTexto + 1};
    return {m.W / 200 + m.AncoraRotulo + 2, meioCasa1 - alturaTexto / 2};
}

void DesenharRotuloCasa(Tela& tela, const MedidasDiagrama& m, int casaInicial, Cor cor) {
    if (casaInicial <= 1) return;
    const std::string texto = std::to_string(casaInicial);
    const MetricasTela metricas = tela.metricas();
    const PosicaoRotulo pos = posicaoRotuloCasa(m, tela.largura(texto), metricas.altura);
    tela.texto(pos.x, pos.y + metricas.ascendente, texto, cor);
}

}  // namespace trovale
