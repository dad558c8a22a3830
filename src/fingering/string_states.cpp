#include "fingering/string_states.h"

namespace trovale {

namespace {

// Tones compared with an open string: the root and the next four (the sixth is not).
constexpr int kColunasHabilitaveis = 5;

std::uint8_t& estadoDe(TDigitacao& d, int corda) {
    return d.Estado[corda - 1];
}

// The current bass for enableOpenStrings: state 0 among strings 2..6, else string 6.
int baixoDeReferencia(const TDigitacao& d) {
    for (int corda = 2; corda <= kCordas; ++corda)
        if (d.estado(corda) == kCordaBaixo) return corda;
    return kCordas;
}

}  // namespace

void recomputeBass(TDigitacao& digitacao) {
    int maisGrave = 0, baixoAtual = 0;
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (digitacao.tocada(corda)) maisGrave = corda;
        if (digitacao.estado(corda) == kCordaBaixo) baixoAtual = corda;
    }
    if (maisGrave == 0 || digitacao.estado(maisGrave) == kCordaBaixo) return;
    estadoDe(digitacao, maisGrave) = kCordaBaixo;
    if (baixoAtual != 0) estadoDe(digitacao, baixoAtual) = kCordaTocada;
}

void toggleString(TDigitacao& digitacao, int corda) {
    if (corda < 1 || corda > kCordas) return;
    std::uint8_t& e = estadoDe(digitacao, corda);
    e = e == kCordaMuda ? kCordaTocada : kCordaMuda;
    recomputeBass(digitacao);
}

void enableOpenStrings(FingeringEditorState& estado) {
    if (!estado.linked()) return;
    TDigitacao& d = estado.digitacao;
    int baixo = baixoDeReferencia(d);
    for (int corda = kCordas; corda >= 1; --corda) {
        if (d.estado(corda) != kCordaMuda || d.trasteRelativo(corda) != 0) continue;
        const std::string rotulo = stringLabel(d, estado.chordTones, corda);
        if (rotulo == estado.chordTones[0]) {
            estadoDe(d, corda) = kCordaTocada;
            baixo = corda;
            continue;
        }
        for (int k = 1; k < kColunasHabilitaveis; ++k) {
            if (!estado.chordTones[k].empty() && rotulo == estado.chordTones[k] && corda < baixo) {
                estadoDe(d, corda) = kCordaTocada;
                break;
            }
        }
    }
    recomputeBass(d);
}

}  // namespace trovale
