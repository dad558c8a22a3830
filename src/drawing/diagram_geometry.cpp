#include "drawing/diagram_geometry.h"

#include <algorithm>

namespace trovale::diagrama {

Retangulo retangulo(const MedidasDiagrama& m, int along0, int along1, int across0, int across1) {
    const int a0 = std::min(along0, along1), a1 = std::max(along0, along1);
    const int c0 = std::min(across0, across1), c1 = std::max(across0, across1);
    if (m.Orientacao == kOrientacaoVertical) return {c0, a0, c1 - c0 + 1, a1 - a0 + 1};
    return {a0, c0, a1 - a0 + 1, c1 - c0 + 1};
}

FaixaPixels caixaCentrada(const FaixaPixels& faixa, int r) {
    const int meio = faixa.inicio + (faixa.largura() - 1) / 2;
    if (faixa.largura() % 2 == 1) return {meio - r, meio + r};
    return {meio - r + 1, meio + r};
}

int centroAlong(const MedidasDiagrama& m, int casa) {
    const FaixaPixels& f = m.Casa[casa];
    const int meio = f.inicio + (f.largura() - 1) / 2;
    if (f.largura() % 2 == 1) return meio;
    return sentidoFim(m) > 0 ? meio + 1 : meio;
}

FaixaPixels caixaAlong(const MedidasDiagrama& m, int casa, int r) {
    return caixaCentrada(m.Casa[casa], r);
}

Retangulo caixaPonto(const MedidasDiagrama& m, int corda, int casa) {
    const FaixaPixels c = caixaCentrada(m.Corda[corda], m.Rp);
    const FaixaPixels a = caixaAlong(m, casa, m.Rp);
    return retangulo(m, a.inicio, a.fim, c.inicio, c.fim);
}

Retangulo caixaSimbolo(const MedidasDiagrama& m, int corda) {
    const FaixaPixels c = caixaCentrada(m.Corda[corda], m.Rt);
    const int lado = c.largura();
    // The centre lies Rt pixels inside the rectangle's edge on the far side.
    const bool fimMaior = sentidoFim(m) > 0;
    const int inicioRet = m.Orientacao == kOrientacaoVertical ? m.Y0 : m.X0;
    const int tamanho = m.Orientacao == kOrientacaoVertical ? m.H : m.W;
    const int borda = fimMaior ? inicioRet + tamanho - 1 : inicioRet;
    const int a0 = fimMaior ? borda - lado + 1 : borda;
    return retangulo(m, a0, a0 + lado - 1, c.inicio, c.fim);
}

}  // namespace trovale::diagrama
