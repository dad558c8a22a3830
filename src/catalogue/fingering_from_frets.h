#pragma once
// Building a fingering from the frets of each string, the way a player would press them.

#include <optional>

#include "catalogue/fingering.h"
#include "catalogue/frets_notation.h"

namespace trovale {

// The start fret is 1 unless the highest fret is above 5; then it is the lowest fretted fret.
// Up to four fretted strings are single notes; with more, the lowest fret becomes one barre
// from the first to the last string pressed there and the others stay single notes. Muted
// strings get state 2 and the lowest played string is the bass. Root and type are left 0.
// Nothing when the shape needs more than four elements, a relative fret above 5, a start fret
// above 12, or a barre lying across an open string.
std::optional<TDigitacao> digitacaoDeTrastes(const TrastesAbsolutos& trastes);

}  // namespace trovale
