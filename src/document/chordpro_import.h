#pragma once
// ChordPro songs coming in: the file becomes the text editor's lines, with markers where a
// kind must be forced, and a table of known chords holding the fingerings the file defines.
// The editor then shows and interprets them like any imported text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/text_interpretation.h"

namespace trovale {

// The extension (".cho", "song.CHO") is one of .cho .crd .chopro .chordpro .pro, or the text
// has a {title} / {t:} directive or a line with two or more [chord] groups.
bool ehChordPro(std::string_view extensaoOuNome, std::string_view bytes);

struct ImportacaoChordPro {
    // Why the file is no text (UTF-8, as linhasDoTexto says it); then nothing else is filled.
    std::optional<std::string> recusa;
    std::vector<std::string> linhas;  // Windows-1252, as the text editor takes them
    AcordesConhecidos conhecidos;
    int diretivasIgnoradas = 0;
    std::vector<std::string> nomesIgnorados;  // UTF-8, each once
    std::vector<std::string> avisos;          // UTF-8, for the user

    // What was skipped or reported, in one message (UTF-8); empty when nothing was. Past
    // `maximoAvisos` warnings only their number is given, so that a message window fits.
    std::string resumo(std::size_t maximoAvisos = SIZE_MAX) const;
};

// The bytes go through linhasDoTexto first, so every encoding is taken, and what is no text
// refused, as in a text import.
ImportacaoChordPro importarChordPro(std::string bytes, const ContextoInterpretacao& contexto);

// Title and first author ({subtitle}, {artist} or {composer}) of the lines of a ChordPro
// file, Windows-1252 as the song file window lists them; empty when absent.
std::pair<std::string, std::string> tituloEAutorChordPro(const std::vector<std::string>& linhas);

}  // namespace trovale
