#pragma once
// The song's side of a transposition: its chords handed to the window, and the window's
// result written back into the chord table.

#include <vector>

#include "document/song_document.h"
#include "fingering/song_transposition.h"

namespace trovale {

// Every entry but the free ones, sorted by stored symbol without regard to letter case (flats,
// naturals, sharps of a letter in that order), each with its fingering and type.
std::vector<LinhaTransposicao> linhasParaTransposicao(const ChordTable& tabela);

// Gives each listed chord its new symbol (in stored form) and new fingering; type codes stay.
// Entries are found by their old symbol; one already renamed is never found again, so C to D
// and D to E both land. Two chords meeting on one symbol (C# and Db moved alike) stay
// apart: the later one takes the next variant tag. The caller marks the song modified.
void renomearAcordes(ChordTable& tabela, const std::vector<LinhaTransposicao>& linhas);

}  // namespace trovale
