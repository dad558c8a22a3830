#include "catalogue/barre_layout.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace trovale {

namespace {

std::uint8_t comoByte(int valor) {
    return static_cast<std::uint8_t>(valor);
}

bool cobre(const Pestana& p, int corda) {
    return corda >= p.CordaInicial && corda <= p.CordaFinal;
}

// A barre may lie across a string pressed at its fret or higher, or one not struck at all
// (the shipped catalogue has such barres); an open string under it would no longer ring open.
bool cabeSobPestana(int trasteDaCorda, int trasteDaPestana) {
    return trasteDaCorda < 0 || trasteDaCorda >= trasteDaPestana;
}

// Barres worth trying: from the first to the last string sounding at the barre's fret, as
// chord books draw them. Running a barre further would hold nothing more.
std::vector<Pestana> pestanasPossiveis(const TrastesRelativos& trastes) {
    std::vector<Pestana> pestanas;
    for (int de = 1; de <= kCordas; ++de) {
        const int traste = trastes[de - 1];
        if (traste <= 0) continue;
        for (int ate = de + 1; ate <= kCordas && cabeSobPestana(trastes[ate - 1], traste); ++ate)
            if (trastes[ate - 1] == traste)
                pestanas.push_back({comoByte(de), comoByte(ate), comoByte(traste)});
    }
    return pestanas;
}

// Every fretted string that does not sound through a barre takes a finger of its own.
DisposicaoMao dispor(const TrastesRelativos& trastes, std::vector<Pestana> pestanas) {
    std::sort(pestanas.begin(), pestanas.end(), [](const Pestana& a, const Pestana& b) {
        return std::tie(a.Traste, a.CordaInicial) < std::tie(b.Traste, b.CordaInicial);
    });
    DisposicaoMao mao{std::move(pestanas), {}};
    for (int corda = kCordas; corda >= 1; --corda) {
        const int traste = trastes[corda - 1];
        if (traste <= 0) continue;
        int pelaPestana = 0;
        for (const Pestana& p : mao.pestanas)
            if (cobre(p, corda)) pelaPestana = std::max<int>(pelaPestana, p.Traste);
        if (pelaPestana != traste) mao.notas.push_back({comoByte(corda), comoByte(traste)});
    }
    return mao;
}

// A barre only where fingers run out, as players hold chords: fewest barres first; then the
// lowest barre, where the index finger lies; then the fewest elements. Any tie left keeps the
// layout found first, whose barres start nearer string 1.
bool maisSimples(const DisposicaoMao& a, const DisposicaoMao& b) {
    const auto chave = [](const DisposicaoMao& m) {
        std::array<int, kMaxPestanas> trastes{};
        for (std::size_t i = 0; i < m.pestanas.size() && i < trastes.size(); ++i)
            trastes[i] = m.pestanas[i].Traste;
        return std::tuple(m.pestanas.size(), trastes, m.elementos());
    };
    return chave(a) < chave(b);
}

}  // namespace

std::optional<DisposicaoMao> disposicaoMaisSimples(const TrastesRelativos& trastes) {
    const std::vector<Pestana> possiveis = pestanasPossiveis(trastes);
    std::optional<DisposicaoMao> melhor;
    const auto considerar = [&](std::vector<Pestana> pestanas) {
        DisposicaoMao mao = dispor(trastes, std::move(pestanas));
        if (mao.elementos() > kMaxElementosDigitacao) return;
        if (!melhor || maisSimples(mao, *melhor)) melhor = std::move(mao);
    };
    considerar({});
    for (std::size_t i = 0; i < possiveis.size(); ++i) {
        considerar({possiveis[i]});
        for (std::size_t j = i + 1; j < possiveis.size(); ++j)
            considerar({possiveis[i], possiveis[j]});
    }
    return melhor;
}

}  // namespace trovale
