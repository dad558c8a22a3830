#pragma once
// Where the chords of a chord line stand in the song's text form, the form the text editor
// reads back: the ChordPro export puts each symbol at that column of its lyric.

#include <string>
#include <string_view>
#include <vector>

#include "document/song_document.h"

namespace trovale {

struct AcordeNoTexto {
    int acorde = 0;       // chord number
    std::string simbolo;  // display form with its variant tag ("G*")
    int posicao = 0;      // 1-based text column of the symbol's first character
};

// The chords of chord line i, left to right. Over the lyric a chord keeps its column; past
// its end the columns' distances become blanks, as the text export writes them. Chords that
// name no entry are left out.
std::vector<AcordeNoTexto> acordesNoTexto(const SongDocument& doc, std::size_t i);

// The text without its trailing blanks, as the text form keeps every line.
std::string textoSemBrancosFinais(std::string_view texto);

}  // namespace trovale
