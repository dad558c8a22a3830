#pragma once
// Comparing fingerings by what they sound: string by string, struck or not and at which
// absolute fret, whatever fingers or barres produce it.

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"

namespace trovale {

// Every string is either not struck in both or struck in both at the same absolute fret.
bool soundsTheSame(const TDigitacao& a, const TDigitacao& b);

// Every string that a strikes is struck by b at the same absolute fret.
bool strikesSubsetOf(const TDigitacao& a, const TDigitacao& b);

// The catalogued fingerings of (root, type), through the equal-sounding type that holds
// them, include one that sounds the same as this fingering.
bool isAlreadyCatalogued(const Catalogo& catalogo, const TDigitacao& digitacao, int root, int tipo);

}  // namespace trovale
