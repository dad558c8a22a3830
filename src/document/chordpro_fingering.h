#pragma once
// The fingering a ChordPro {define} gives a chord, as the song refers to it.

#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/frets_notation.h"

namespace trovale {

// The fingering text ("763 5118 3001") for a chord of this root and type sounding these frets:
// the catalogued fingering of the chord with the same frets, so that its finger layout is
// kept; else the fingering built from the frets as the program builds one. Nothing when no
// hand holds the shape.
std::optional<std::string> digitacaoDefinida(const Catalogo& catalogo, int raiz, int tipo,
                                             const TrastesAbsolutos& trastes);

}  // namespace trovale
