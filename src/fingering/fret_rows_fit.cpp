#include "fingering/fret_rows_fit.h"

#include <algorithm>

namespace trovale {

// Every drawn mark counts, so that a barre across a muted string cannot fall off the grid.
bool ajustarAsCasas(TDigitacao& d, int casas) {
    if (casas >= kMaxTrasteRelativo) return true;
    int menor = kMaxTrasteRelativo + 1;
    int maior = 0;
    auto medir = [&](int traste) {
        menor = std::min(menor, traste);
        maior = std::max(maior, traste);
    };
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia()) medir(n.Traste);
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia()) medir(p.Traste);
    if (maior <= casas) return true;
    if (maior - menor + 1 > casas) return false;
    for (NotaDedo& n : d.Notas)
        if (!n.vazia()) --n.Traste;
    for (Pestana& p : d.Pestanas)
        if (!p.vazia()) --p.Traste;
    ++d.Casa;
    return true;
}

}  // namespace trovale
