#include <algorithm>
#include <cstdlib>

#include "drawing/diagram.h"
#include "drawing/diagram_geometry.h"

namespace trovale {

namespace {

using diagrama::retangulo;

// Six bands of Wc pixels from the left (top) inset; the division's leftover stays at the end.
void posicionarCordas(MedidasDiagrama& m, int inicioAcross, int extensaoAcross, int primeiraCorda) {
    const int e = std::max(m.Rp, m.Rt) - (m.Wc - 1) / 2;
    const int S = extensaoAcross - 2 * e;
    const int g = (S - 6 * m.Wc) / 5 + 1;
    for (int k = 0; k < kCordas; ++k) {
        const int inicio = inicioAcross + e + k * (m.Wc - 1 + g);
        const int corda = primeiraCorda == 1 ? k + 1 : kCordas - k;
        m.Corda[corda] = {inicio, inicio + m.Wc - 1};
    }
}

// Frets from the far end back toward the base; the remainder widens the casas near the base.
void posicionarCasas(MedidasDiagrama& m) {
    const int n = m.Casas;
    const int d = m.FimBraco >= m.BordaBase ? -1 : 1;  // toward the base
    const int L = std::abs(m.FimBraco - m.BordaBase);
    const int q = (L - n * m.Wt - m.Wb + 1) / n + 1;
    const int r = L - n * (m.Wt + q - 1) - m.Wb + 1;
    int primeira = m.FimBraco;  // line of the fret on the far side
    int fimPendente = 0;        // far border of the casa on the base side of the last fret
    for (int s = 1; s <= n; ++s) {
        if (s > 1) primeira += d * q;
        if (s + r > n + 1) primeira += d;
        const int ultima = primeira + d * (m.Wt - 1);
        const int casa = n - s + 1;
        if (casa < n)
            m.Casa[casa + 1] = {std::min(primeira - d, fimPendente),
                                std::max(primeira - d, fimPendente)};
        fimPendente = ultima + d;
        primeira = ultima;
    }
    const int inicioCasa1 = m.BordaBase - d * m.Wb;
    m.Casa[1] = {std::min(inicioCasa1, fimPendente), std::max(inicioCasa1, fimPendente)};
}

}  // namespace

void DesenharBraco(Tela& tela, const Aparencia& a, MedidasDiagrama& m, int X0, int Y0, int W, int H,
                   Cor frente, Cor fundo) {
    calcularMedidas(a, W, H, m);
    m.X0 = X0, m.Y0 = Y0, m.W = W, m.H = H;
    m.Orientacao =
        a.Orientacao == kOrientacaoHorizontal ? kOrientacaoHorizontal : kOrientacaoVertical;
    m.Inicio = a.Inicio == 2 ? 2 : 1;
    m.Casas = a.casas();
    m.Frente = frente;
    m.Fundo = fundo;

    const bool vertical = m.Orientacao == kOrientacaoVertical;
    const int inicioAlong = vertical ? Y0 : X0;
    const int extensaoAlong = vertical ? H : W;
    const int z = (2 * m.Rt) / 3 + 2 * m.Rt;
    if (m.Inicio == 1) {
        m.BordaBase = inicioAlong;
        m.FimBraco = inicioAlong + extensaoAlong - 1 - z;
    } else {
        m.BordaBase = inicioAlong + extensaoAlong - 1;
        m.FimBraco = inicioAlong + z;
    }
    posicionarCordas(m, vertical ? X0 : Y0, vertical ? W : H, a.PrimeiraCorda);
    posicionarCasas(m);

    const int esquerda = std::min(m.Corda[1].inicio, m.Corda[6].inicio);
    const int direita = std::max(m.Corda[1].fim, m.Corda[6].fim);
    m.AncoraRotulo = direita + m.Rp;

    for (int corda = 1; corda <= kCordas; ++corda)
        tela.preencher(
            retangulo(m, m.BordaBase, m.FimBraco, m.Corda[corda].inicio, m.Corda[corda].fim),
            frente);
    const int d = m.FimBraco >= m.BordaBase ? 1 : -1;
    tela.preencher(retangulo(m, m.BordaBase, m.BordaBase + d * (m.Wb - 1), esquerda, direita),
                   frente);
    for (int casa = 1; casa <= m.Casas; ++casa) {
        // A fret fills the pixels between this casa and the next (or the far end).
        const int depois = d > 0 ? m.Casa[casa].fim + 1 : m.Casa[casa].inicio - 1;
        tela.preencher(retangulo(m, depois, depois + d * (m.Wt - 1), esquerda, direita), frente);
    }
}

}  // namespace trovale
