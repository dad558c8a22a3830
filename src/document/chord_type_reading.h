#pragma once
// A song's chords against the catalogue it is opened with: a chord keeps its stored type
// only while its symbol still reads as that type.

#include "catalogue/type_catalogue.h"
#include "document/song_document.h"

namespace trovale {

// Gives every chord whose stored symbol no longer reads as its stored type (deleted, or its
// number now taken by another type) the type its symbol reads as, 0 when none. A stored
// type sounding the same notes as the symbol's type is kept. Returns how many changed; the
// song is not marked modified, as the file still means the same chords.
int lerTiposPelasCifras(ChordTable& tabela, const CatalogoTipos& tipos);

}  // namespace trovale
