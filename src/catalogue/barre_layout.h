#pragma once
// How the fretting hand holds a shape: which strings go under a barre, which take a finger.

#include <array>
#include <optional>
#include <vector>

#include "catalogue/fingering.h"

namespace trovale {

// Relative fret of strings 1..6 ([string - 1]): 0 open, below 0 not struck.
using TrastesRelativos = std::array<int, kCordas>;

struct DisposicaoMao {
    std::vector<Pestana> pestanas;  // lowest fret first
    std::vector<NotaDedo> notas;    // from string 6 towards string 1
    int elementos() const { return static_cast<int>(pestanas.size() + notas.size()); }
};

// How a player holds these frets with at most two barres and four elements in all: barres
// only where fingers run out, the lowest first. Nothing when no hand can hold them. A barre
// covers adjacent strings, none of them open; strings under it pressed higher keep a finger.
std::optional<DisposicaoMao> disposicaoMaisSimples(const TrastesRelativos& trastes);

}  // namespace trovale
