#include "sound/chord_notes.h"

namespace trovale {

namespace {

constexpr int kCasaLimite = 30;

}  // namespace

std::vector<int> notasDoAcorde(const TDigitacao& digitacao) {
    std::vector<int> notas;
    if (digitacao.Casa >= kCasaLimite) return notas;
    for (int corda = kCordas; corda >= 1; --corda)
        if (digitacao.tocada(corda))
            notas.push_back(MidiCordaSolta[corda] + digitacao.trasteAbsoluto(corda));
    return notas;
}

}  // namespace trovale
