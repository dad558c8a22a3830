#pragma once
// Choosing the catalogued fingering of a chord written with a bass and a variant mark.

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"

namespace trovale {

// Highest minus lowest pressed fret over the played strings, plus 1; 0 when all are open.
int extensaoDeTrastes(const TDigitacao& digitacao);

// The note of the bass string when it is one of strings 3..6; 0 otherwise.
int notaDoBaixo(const TDigitacao& digitacao);

// Among the fingerings of the root and type (or the equal-sounding type that has them), those
// that fit in the frets a diagram shows (4 or 5) and sound the wanted bass: the 1-based
// position of the n-th, of the last one when there are fewer, 0 when there is none.
int EscolherDigitacao(const Catalogo& catalogo, int raiz, int baixo, int tipo, int variante,
                      int trastesMostrados);

}  // namespace trovale
