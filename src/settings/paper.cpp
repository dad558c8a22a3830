#include "settings/paper.h"

#include <array>

namespace trovale {

namespace {

constexpr double kPxPorMmSemImpressora = 7.0866;  // 180 dpi

int milimetros(int pixels, double pxPorMm) {
    return static_cast<int>(pixels / pxPorMm);
}

struct FaixaPapel {
    long long de;
    long long ate;
    const char* nome;
};

// The key w + h + w*h barely moves when a side is a millimetre off, and is the same in
// either orientation. A2 and A1 reach down to a millimetre short on both sides: ranges merely
// doubled from A3's would leave the exact 420 x 594 and 594 x 841 sheets unnamed.
constexpr std::array<FaixaPapel, 7> kPapeis{{
    {31438, 31649, " (A5)"},
    {60479, 60976, " (Carta)"},
    {62625, 63128, " (A4)"},
    {76895, 77468, " (Legal)"},
    {125250, 126256, " (A3)"},
    {249479, 252512, " (A2)"},
    {499553, 505024, " (A1)"},
}};

}  // namespace

PaginaImpressora paginaSemImpressora(int orientacao) {
    const bool deitada = orientacao == 1;
    PaginaImpressora p;
    p.pxPorMmX = p.pxPorMmY = kPxPorMmSemImpressora;
    p.larguraFisica = deitada ? 2104 : 1488;
    p.alturaFisica = deitada ? 1488 : 2104;
    p.larguraImprimivel = static_cast<int>((deitada ? 277 : 190) * kPxPorMmSemImpressora);
    p.alturaImprimivel = static_cast<int>((deitada ? 185 : 272) * kPxPorMmSemImpressora);
    p.deslocamentoX = p.deslocamentoY = 70;
    return p;
}

Papel papelDaPagina(const PaginaImpressora& p) {
    Papel papel;
    if (p.pxPorMmX <= 0 || p.pxPorMmY <= 0) return papel;
    papel.largura = static_cast<int>(p.larguraFisica / p.pxPorMmX + 0.5);
    papel.altura = static_cast<int>(p.alturaFisica / p.pxPorMmY + 0.5);
    papel.minEsquerda = milimetros(p.deslocamentoX, p.pxPorMmX) + 1;
    papel.minSuperior = milimetros(p.deslocamentoY, p.pxPorMmY) + 1;
    papel.minDireita =
        milimetros(p.larguraFisica - p.larguraImprimivel - p.deslocamentoX, p.pxPorMmX) + 1;
    papel.minInferior =
        milimetros(p.alturaFisica - p.alturaImprimivel - p.deslocamentoY, p.pxPorMmY) + 1;
    return papel;
}

std::string nomePapel(int larguraMm, int alturaMm) {
    const long long w = larguraMm;
    const long long h = alturaMm;
    const long long chave = w + h + w * h;
    for (const FaixaPapel& faixa : kPapeis) {
        if (chave >= faixa.de && chave <= faixa.ate) return faixa.nome;
    }
    return {};
}

}  // namespace trovale
