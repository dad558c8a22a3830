#include "sound/chord_notes.h"

#include "catalogue/intervals.h"

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

std::vector<int> notasDoTipo(const TTipoAcorde& tipo, int raiz) {
    constexpr int kDo3 = 48;
    if (raiz < 1 || raiz > 12 || tipo.livre()) return {};
    const int fundamental = kDo3 + (raiz + 8) % 12;  // pitch class 1 is A, nine above C
    std::vector<int> notas{fundamental};
    for (int codigo : tipo.Intervalos)
        if (codigo >= 1 && codigo <= kMaxCodigoIntervalo)
            notas.push_back(fundamental + TabelaIntervalos[codigo].semitons);
    return notas;
}

}  // namespace trovale
