#pragma once
// ChordPro directive lines ("{title: ...}", "{soc}", "{define: ...}"), read from the
// Windows-1252 lines the text import gives.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/frets_notation.h"

namespace trovale {

// The diminished sign: this program writes the masculine ordinal "º", other programs the
// degree sign "°" (Windows-1252 bytes); both read as the same chord.
inline constexpr char kOrdinal = '\xBA';
inline constexpr char kGrau = '\xB0';

// A chord name from a file in this program's own form ("C°" -> "Cº").
std::string nomeDoArquivo(std::string nome);

enum class DiretivaChordPro {
    Titulo,
    Autor,
    Comentario,
    InicioCoro,
    FimDeSecao,  // end of a chorus, start or end of a verse or a bridge: back to normal lines
    InicioTab,
    FimTab,
    Acorde,  // {define} and {chord}
    Outra,
};

struct LinhaDiretiva {
    DiretivaChordPro tipo = DiretivaChordPro::Outra;
    std::string nome;        // as written, in lower case
    std::string comBrancos;  // the value with the blanks it began with (all but one after ":")
    std::string valor;       // after the name and its ":" or blank, without blanks around
    bool fechada = false;    // the line holds the closing "}"
};

// Nothing when the line (blanks aside) does not start with "{".
std::optional<LinhaDiretiva> lerDiretiva(std::string_view linha);

// The chorus label ("Refrão" or label="Refrão") that makes a chorus a refrain, whatever
// its accents and case.
bool ehRotuloRefrao(std::string_view valor);

// What {define} or {chord} says of a chord: its name and, when frets are given, the
// absolute fret of each string (frets count from base-fret, as ChordPro has them).
struct DefinicaoAcorde {
    std::string nome;
    std::optional<TrastesAbsolutos> trastes;
};
// Nothing when the text has no name or its frets cannot be read.
std::optional<DefinicaoAcorde> lerDefinicao(std::string_view valor);

}  // namespace trovale
