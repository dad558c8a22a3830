#include "catalogue/fingering_from_frets.h"

#include <algorithm>

#include "catalogue/barre_layout.h"

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
};

Extremos extremosDe(const TrastesAbsolutos& trastes) {
    Extremos e;
    for (int traste : trastes) {
        if (traste <= 0) continue;
        e.menor = e.menor == 0 ? traste : std::min(e.menor, traste);
        e.maior = std::max(e.maior, traste);
    }
    return e;
}

// Frets counted from the start fret; open and muted strings keep 0 and -1.
TrastesRelativos relativosA(const TrastesAbsolutos& trastes, int casa) {
    TrastesRelativos relativos{};
    for (int corda = 1; corda <= kCordas; ++corda) {
        const int traste = trasteDaCorda(trastes, corda);
        relativos[corda - 1] = traste > 0 ? traste - casa + 1 : std::max(traste, -1);
    }
    return relativos;
}

}  // namespace

std::optional<TDigitacao> digitacaoDeTrastes(const TrastesAbsolutos& trastes) {
    const Extremos e = extremosDe(trastes);
    TDigitacao d;
    // Above fret 12 the diagram stops at start fret 12: its five rows still reach fret 16.
    d.Casa = e.maior > kMaiorTrasteNaPrimeiraCasa ? std::min(e.menor, kMaxCasa) : 1;
    if (e.maior - d.Casa + 1 > kMaxTrasteRelativo) return std::nullopt;

    const std::optional<DisposicaoMao> mao = disposicaoMaisSimples(relativosA(trastes, d.Casa));
    if (!mao) return std::nullopt;
    std::copy(mao->pestanas.begin(), mao->pestanas.end(), d.Pestanas.begin());
    std::copy(mao->notas.begin(), mao->notas.end(), d.Notas.begin());
    for (int corda = 1; corda <= kCordas; ++corda)
        d.Estado[corda - 1] = trasteDaCorda(trastes, corda) < 0 ? kCordaMuda : kCordaTocada;
    d.marcarBaixo();
    return d;
}

}  // namespace trovale
