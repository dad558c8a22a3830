#include "fingering/same_sound.h"

namespace trovale {

bool soundsTheSame(const TDigitacao& a, const TDigitacao& b) {
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (a.tocada(corda) != b.tocada(corda)) return false;
        if (a.tocada(corda) && a.trasteAbsoluto(corda) != b.trasteAbsoluto(corda)) return false;
    }
    return true;
}

bool strikesSubsetOf(const TDigitacao& a, const TDigitacao& b) {
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (!a.tocada(corda)) continue;
        if (!b.tocada(corda) || a.trasteAbsoluto(corda) != b.trasteAbsoluto(corda)) return false;
    }
    return true;
}

bool isAlreadyCatalogued(const Catalogo& catalogo, const TDigitacao& digitacao, int root,
                         int tipo) {
    const BancoDigitacoes& banco = catalogo.digitacoes;
    const int resolvido = catalogo.TipoComDigitacoes(root, tipo);
    const int primeira = banco.PrimeiraDigitacao(root, resolvido);
    if (primeira == 0) return false;
    const int fim = primeira - 1 + banco.tamanhoDaSequencia(primeira);
    for (int i = primeira - 1; i < fim; ++i)
        if (soundsTheSame(digitacao, Decodificar(banco.Digitacoes[i]))) return true;
    return false;
}

}  // namespace trovale
