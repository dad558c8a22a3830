#pragma once
// The plain-text directions of trovale-cli convert: ".dec" -> ".txt" writes the song's text
// form, ".dec" -> ChordPro its ChordPro form; ".txt" or ChordPro -> ".dec" interprets the
// text as the text editor's confirmation does and builds the song with chosen fingerings.

#include <filesystem>

#include "cli/command.h"

namespace trovale::cli {

// .cho, .crd, .chopro, .chordpro or .pro, in any case.
bool ehArquivoChordPro(const std::filesystem::path& arquivo);

// Exit status as every subcommand returns it; messages go to ambiente.erros. A ".txt" that
// holds ChordPro is imported as ChordPro.
int converterTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                   const Ambiente& ambiente);

}  // namespace trovale::cli
