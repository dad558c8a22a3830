#pragma once
// Reaching a new key with the capo: each capo position asks for the shapes of another key.
// The musician picks the one whose shapes are easiest to play.

#include <string>
#include <vector>

#include "fingering/song_transposition.h"

namespace trovale {

struct EscolhaDeCapotraste {
    int casa = 0;          // 0 is no capo
    int deslocamento = 0;  // semitones the shapes move, -5..6; 0 keeps them
    std::string tomDasFormas;  // the shapes' key: "C", "Am", "Bb"
    int dificuldade = 0;       // 0 for the open keys, more for keys of many barres
};

// Every capo position 0..11 for a song whose shapes are in `tomDasFormas`, with the capo on
// `capoAtual`, to sound `deslocamentoSoante` semitones away from where it sounds now:
// easiest shapes first, and on a tie the lower capo.
std::vector<EscolhaDeCapotraste> escolhasDeCapotraste(const TomDaCancao& tomDasFormas,
                                                      int capoAtual, int deslocamentoSoante);

}  // namespace trovale
