#pragma once
// Lists from the fingering browser going back to the catalogue: a chord's fingerings after
// reordering or deleting, and the versions of a transposed fingering.

#include <vector>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"

namespace trovale {

// "&Atualizar": the oldCount fingerings of (root, tipo), resolved through TipoComDigitacoes,
// become lista in its order; the index of every later chord follows.
void replaceChordFingerings(Catalogo& catalogo, int root, int tipo,
                            const std::vector<TDigitacao>& lista, int oldCount);

// "&Catalogar" of a transposed list: each version filed under its own root (Nota, else its
// spelling) with insertFingering. True when at least one went in.
bool catalogueList(Catalogo& catalogo, const std::vector<TDigitacao>& versions, int tipo,
                   Dialogs& dialogs);

}  // namespace trovale
