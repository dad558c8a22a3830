#pragma once
// Building a fingering from the frets of each string, the way a player would press them.

#include <optional>

#include "catalogue/fingering.h"
#include "catalogue/frets_notation.h"

namespace trovale {

// The start fret is 1 unless the highest fret is above 5; then it is the lowest fretted fret,
// or 12 when that is higher.
// A finger on each fretted string while four suffice; otherwise up to two barres, each over
// adjacent strings pressed at its fret or higher or not struck, the lowest first, and a
// finger for every other fretted string (barre_layout.cpp says how ties go). Muted strings
// get state 2 and the lowest played string is the bass; root and type are left 0. Nothing
// when no layout of at most four elements sounds the frets or a relative fret would pass 5.
std::optional<TDigitacao> digitacaoDeTrastes(const TrastesAbsolutos& trastes);

}  // namespace trovale
