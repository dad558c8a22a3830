#pragma once
// The same fingering shape slid along the neck: one version for every position of its lowest
// fret, each with its own root, fitted to the diagrams' fret rows.

#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "catalogue/fingering.h"

namespace trovale {

// Versions of a fingering whose root is root (1..12) spelled rootName, lowest position
// first; the fingering itself is the one at its own position. Each carries its root in Nota
// and NomeNota (flat spellings when rootName is flat). rows is 4 or 5. With dialogs the
// barre-or-notes question is asked and a refusal is shown; without them a barre is used and
// refusals are silent. Empty when the shape cannot be transposed.
std::vector<TDigitacao> transposeFingering(const TDigitacao& digitacao, int root,
                                           std::string_view rootName, int rows, Dialogs* dialogs);

}  // namespace trovale
