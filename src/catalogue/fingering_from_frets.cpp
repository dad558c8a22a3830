#include "catalogue/fingering_from_frets.h"

#include <algorithm>
#include <vector>

namespace trovale {

namespace {

constexpr int kMaiorTrasteNaPrimeiraCasa = 5;

// Absolute fret of string 1..6 in the notation's low-E-first order.
int trasteDaCorda(const TrastesAbsolutos& trastes, int corda) {
    return trastes[kCordas - corda];
}

struct Extremos {
    int menor = 0;  // lowest fretted fret, 0 when nothing is fretted
    int maior = 0;
    int pressionadas = 0;
};

Extremos extremosDe(const TrastesAbsolutos& trastes) {
    Extremos e;
    for (int traste : trastes) {
        if (traste <= 0) continue;
        e.menor = e.pressionadas == 0 ? traste : std::min(e.menor, traste);
        e.maior = std::max(e.maior, traste);
        ++e.pressionadas;
    }
    return e;
}

// The strings pressed at the lowest fret, from the first to the last; empty when an open
// string lies between them, since no finger can hold a barre over a string left open.
std::optional<Pestana> pestanaNoMenorTraste(const TrastesAbsolutos& trastes, int menor) {
    int de = 0, ate = 0;
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (trasteDaCorda(trastes, corda) != menor) continue;
        if (de == 0) de = corda;
        ate = corda;
    }
    for (int corda = de; corda <= ate; ++corda)
        if (trasteDaCorda(trastes, corda) == 0) return std::nullopt;
    return Pestana{static_cast<std::uint8_t>(de), static_cast<std::uint8_t>(ate), 0};
}

}  // namespace

std::optional<TDigitacao> digitacaoDeTrastes(const TrastesAbsolutos& trastes) {
    const Extremos e = extremosDe(trastes);
    TDigitacao d;
    d.Casa = e.maior > kMaiorTrasteNaPrimeiraCasa ? e.menor : 1;
    if (d.Casa > kMaxCasa) return std::nullopt;
    if (e.maior - d.Casa + 1 > kMaxTrasteRelativo) return std::nullopt;
    const auto relativo = [&](int traste) {
        return static_cast<std::uint8_t>(traste - d.Casa + 1);
    };

    // More fretted strings than fingers: the lowest fret must be a barre over two or more.
    std::optional<Pestana> pestana;
    if (e.pressionadas > kMaxElementosDigitacao) {
        pestana = pestanaNoMenorTraste(trastes, e.menor);
        if (!pestana || pestana->CordaInicial == pestana->CordaFinal) return std::nullopt;
        pestana->Traste = relativo(e.menor);
    }
    const auto soaPelaPestana = [&](int corda) {
        return pestana && corda >= pestana->CordaInicial && corda <= pestana->CordaFinal &&
               trasteDaCorda(trastes, corda) == e.menor;
    };

    std::vector<NotaDedo> notas;
    for (int corda = kCordas; corda >= 1; --corda) {
        const int traste = trasteDaCorda(trastes, corda);
        if (traste <= 0 || soaPelaPestana(corda)) continue;
        notas.push_back({static_cast<std::uint8_t>(corda), relativo(traste)});
    }
    const int pestanas = pestana ? 1 : 0;
    if (static_cast<int>(notas.size()) + pestanas > kMaxElementosDigitacao) return std::nullopt;

    if (pestana) d.Pestanas[0] = *pestana;
    std::copy(notas.begin(), notas.end(), d.Notas.begin());
    for (int corda = 1; corda <= kCordas; ++corda)
        d.Estado[corda - 1] = trasteDaCorda(trastes, corda) < 0 ? kCordaMuda : kCordaTocada;
    d.marcarBaixo();
    return d;
}

}  // namespace trovale
