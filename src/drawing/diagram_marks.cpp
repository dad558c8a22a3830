#include <algorithm>
#include <cmath>

#include "drawing/diagram.h"
#include "drawing/diagram_geometry.h"

namespace trovale {

namespace {

using namespace diagrama;

// The two along pixels of a tiny dot: the middle ones, or the middle and its far neighbour.
FaixaPixels alongPontoPequeno(const MedidasDiagrama& m, int casa) {
    const int centro = centroAlong(m, casa);
    const int outro =
        m.Casa[casa].largura() % 2 == 0 ? centro - sentidoFim(m) : centro + sentidoFim(m);
    return {std::min(centro, outro), std::max(centro, outro)};
}

void pixel(Tela& tela, const MedidasDiagrama& m, int alongPx, int acrossPx, Cor cor) {
    tela.preencher(retangulo(m, alongPx, alongPx, acrossPx, acrossPx), cor);
}

// Replots the rim so that the disc is exactly symmetric, whatever the ellipse routine did.
void replotarContorno(Tela& tela, const MedidasDiagrama& m, int corda, int casa, Cor cor) {
    const FaixaPixels& faixa = m.Corda[corda];
    const double cx = (faixa.inicio + faixa.fim) / 2.0;
    const double cy = centroAlong(m, casa);
    const double hx = m.Rp + (faixa.largura() % 2 == 1 ? 0.5 : 0.0);
    const double hy = m.Rp + (m.Casa[casa].largura() % 2 == 1 ? 0.5 : 0.0);
    const double a = hx - 1, b = hy - 1;
    for (int i = static_cast<int>(cx - a + 0.1); i <= static_cast<int>(cx); ++i) {
        const double t = cx - i + b - a;
        const double quadrado = b * b - t * t;
        if (quadrado < 0) continue;
        const double y = std::sqrt(quadrado);
        const int linhaA = static_cast<int>(cy + y + 0.5);
        const int linhaB = static_cast<int>(cy - y + 0.5);
        const int espelho = static_cast<int>(2 * cx - i + 0.1);
        for (int coluna : {i, espelho}) {
            pixel(tela, m, linhaA, coluna, cor);
            pixel(tela, m, linhaB, coluna, cor);
        }
    }
}

// The box shrunk by d on every side.
Retangulo encolher(const Retangulo& r, int d) {
    return {r.x + d, r.y + d, r.largura - 2 * d, r.altura - 2 * d};
}

Cor inversa(Cor c) {
    return {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
            static_cast<std::uint8_t>(255 - c.b)};
}

// The cross of a muted string: diagonals Wl pixels thick, kept inside the box.
void cruz(Tela& tela, const MedidasDiagrama& m, const Retangulo& caixa, Cor cor) {
    tela.salvar();
    tela.recortar(caixa);
    const int espessura = m.Wl == 1 ? 0 : m.Wl - 1;
    for (int k = -espessura; k <= espessura; ++k) {
        tela.linha(caixa.x + k, caixa.y, caixa.direita() + k, caixa.baixo(), cor);
        tela.linha(caixa.x + k, caixa.baixo(), caixa.direita() + k, caixa.y, cor);
    }
    tela.restaurar();
}

}  // namespace

void DesenharPonto(Tela& tela, const MedidasDiagrama& m, int corda, int casa, Cor cor) {
    if (corda < 1 || corda > kCordas || casa < 1 || casa > m.Casas) return;
    if (m.Rp >= 3) {
        tela.elipse(caixaPonto(m, corda, casa), cor);
        if (cor == m.Frente && !tela.formasExatas()) replotarContorno(tela, m, corda, casa, cor);
    } else {
        const FaixaPixels a = alongPontoPequeno(m, casa);
        const FaixaPixels c = caixaCentrada(m.Corda[corda], 1);
        const int meio = c.inicio + (c.largura() - 1) / 2;
        tela.preencher(retangulo(m, a.inicio, a.fim, meio - 1, meio + 1), cor);
    }
}

void DesenharPestana(Tela& tela, const MedidasDiagrama& m, int casa, int primeira, int ultima,
                     Cor cor, int meiaEspessura) {
    const auto foraDoBraco = [](int corda) { return corda < 1 || corda > kCordas; };
    if (casa < 1 || casa > m.Casas || foraDoBraco(primeira) || foraDoBraco(ultima)) return;
    const int c0 = m.Corda[primeira].inicio, c1 = m.Corda[ultima].inicio;
    if (m.Rp >= 3) {
        const int centro = centroAlong(m, casa);
        const int meia = std::max(meiaEspessura, 1) - 1;
        tela.preencher(retangulo(m, centro - meia, centro + meia, c0, c1), cor);
    } else {
        const FaixaPixels a = alongPontoPequeno(m, casa);
        tela.preencher(retangulo(m, a.inicio, a.fim, c0, c1), cor);
    }
}

void DesenharSimbolo(Tela& tela, const MedidasDiagrama& m, int corda, int tipo, Cor cor) {
    if (corda < 1 || corda > kCordas) return;
    const Retangulo caixa = caixaSimbolo(m, corda);
    tela.preencher(caixa, m.Fundo);
    const double raio = m.Rt < 3 ? 1 : m.Rt;
    if (cor == m.Fundo) {
        // An empty place the editor can still click: a dotted focus frame.
        tela.contornoPontilhado(caixa, inversa(m.Fundo));
    } else if (tipo == kCordaBaixo) {
        tela.retanguloArredondado(caixa, raio, cor);
    } else if (tipo == kCordaTocada) {
        tela.retanguloArredondado(caixa, raio, cor);
        const Retangulo dentro = encolher(caixa, m.Wl);
        if (!dentro.vazio()) tela.retanguloArredondado(dentro, std::max(1.0, raio - m.Wl), m.Fundo);
    } else if (tipo == kCordaMuda) {
        cruz(tela, m, caixa, cor);
    }
}

void DesenharDigitacao(Tela& tela, const MedidasDiagrama& m, const TDigitacao& digitacao) {
    for (const Pestana& pestana : digitacao.Pestanas) {
        if (pestana.vazia() || pestana.Traste == 0) continue;
        DesenharPestana(tela, m, pestana.Traste, pestana.CordaInicial, pestana.CordaFinal,
                        kCorPestana, m.Wp);
        const int de = std::min(pestana.CordaInicial, pestana.CordaFinal);
        const int ate = std::max(pestana.CordaInicial, pestana.CordaFinal);
        for (int corda = de; corda <= ate; ++corda)
            DesenharPonto(tela, m, corda, pestana.Traste, m.Frente);
    }
    for (const NotaDedo& nota : digitacao.Notas)
        if (nota.Corda != 0) DesenharPonto(tela, m, nota.Corda, nota.Traste, m.Frente);
    for (int corda = 1; corda <= kCordas; ++corda)
        if (digitacao.estado(corda) != 3)
            DesenharSimbolo(tela, m, corda, digitacao.estado(corda), m.Frente);
}

}  // namespace trovale
