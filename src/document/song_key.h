#pragma once
// A whole song taken to another key as Transpor confirms it: the sound moves by a number of
// semitones, the capo goes to a fret and the shapes move by what is left; the chords get new
// names and fingerings and the "Tom: ..." line follows.

#include <vector>

#include "catalogue/catalogue.h"
#include "document/song_document.h"
#include "fingering/song_transposition.h"

namespace trovale {

// The rows as the transposition window would confirm them, their new symbols now the song's.
// The key chord is the one the song's "Tom: ..." line names, else the first. `casas` is the
// number of fret rows the diagrams show.
std::vector<LinhaTransposicao> transporCancao(SongDocument& doc, int semitons, int capotraste,
                                              const OpcoesTransposicao& opcoes,
                                              const Catalogo& catalogo, int casas);

}  // namespace trovale
