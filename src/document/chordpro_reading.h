#pragma once
// Walking the lines of a ChordPro song: directives, sections, tabs and inline chords become
// song lines of known kinds, before any marker or interpretation.

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/type_catalogue.h"
#include "document/chordpro_directive.h"

namespace trovale {

struct LinhaLida {
    std::string texto;     // Windows-1252
    std::uint8_t tipo;     // song kind; kChordLine for a chord line built from inline chords
    bool cortada = false;  // the file's line it comes from was cut
};

struct DefinicaoLida {
    DefinicaoAcorde definicao;  // always with frets
    int linha = 0;              // 1-based, in the file
};

struct LeituraChordPro {
    std::vector<LinhaLida> linhas;  // the title first, when there is one
    std::vector<DefinicaoLida> definicoes;
    int diretivasIgnoradas = 0;
    std::vector<std::string> nomesIgnorados;  // the directives' names, each once, as met
    int linhasCortadas = 0;                   // lines of the file that lost more than blanks
    std::vector<std::string> avisos;          // UTF-8
};

// The lines come whole (LinhasLongas::Inteiras): what is made of them is cut to a song line,
// the lyric and its chord line apart, a chord that would not end within the line left out.
// `tipos` tells a chord from a word: an inline chord the chord language cannot read is left
// out, with a warning, so that its chord line stays a chord line.
LeituraChordPro lerChordPro(const std::vector<std::string>& linhas, const CatalogoTipos& tipos);

}  // namespace trovale
