#pragma once
// With a capo the sheet names the shapes the player fingers; the bass player and the
// keyboardist read the chords as they sound, each shape moved up by the capo's fret.

#include <string_view>
#include <vector>

#include "catalogue/type_catalogue.h"
#include "document/song_document.h"
#include "fingering/song_transposition.h"

namespace trovale {

// The row of the key chord the song's "Tom: ..." line names: the chord written so or, with a
// capo, the shape that sounds it; 0 when none.
int linhaDoTom(const std::vector<LinhaTransposicao>& linhas, std::string_view tom,
               int capotraste);

// The song's chord table with every chord named as it sounds with its capo, spelled after the
// key chord. Fingerings are dropped: a diagram shows a shape, not the sounding chord. Without a
// capo, the table as it is.
ChordTable acordesSoantes(const SongDocument& doc, const CatalogoTipos& tipos);

// After a transposition the song sounds `semitons` away: its "Tom: ..." line says the new key
// ("Tom: D" up two is "Tom: E", spelled with fewer accidentals). False when it has none.
bool transporLinhaDoTom(SongDocument& doc, int semitons);

// The song as the sounding view shows it: the same lines (the window saves the rows it shows)
// with those chords.
SongDocument cancaoSoante(const SongDocument& doc, const CatalogoTipos& tipos);

}  // namespace trovale
