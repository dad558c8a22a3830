#pragma once
// A song as the chord sites write it, pasted or imported as text: "Tom: G", "Capotraste na 2ª
// casa", section labels in brackets ("[Intro]", "[Refrão]"), an intro's chords after its label
// ("[Intro] G D Em C"), tablature ("E|---") and "Composição de ...". The lines get the markers
// the text editor reads, so that each is taken for what it is.

#include <string>
#include <vector>

#include "catalogue/type_catalogue.h"
#include "document/song_document.h"

namespace trovale {

// The lines (Windows-1252) with markers where the sites' habits call for them; a text that
// already holds markers (this program's own text form) is given back as it is.
// - "Tom: ...", "Capotraste ...", "Capo: ..." and a label alone in brackets are notes lines,
//   the label without its brackets;
// - after "[Refrão]" the lines are refrain, after "[Coro]" chorus, up to the next blank line
//   or label;
// - "[Intro] G D Em C" is the label and a chord line of its own;
// - a tablature line ends with the plain-text mark, so it is never read as chords;
// - "Composição de ..." is an author line.
std::vector<std::string> lerCifraDeSite(std::vector<std::string> linhas,
                                        const CatalogoTipos& tipos);

// The key a "Tom: ..." notes line gives ("G" of "Tom: G (forma dos acordes no tom de E)"), or
// empty when the line is none.
std::string tomDaLinha(const std::string& linha);

// The key of the song's first "Tom: ..." notes line; empty without one.
std::string tomDaCancao(const SongDocument& doc);

}  // namespace trovale
