#pragma once
// The plain-text directions of trovale-cli convert: ".dec" -> ".txt" writes the song's text
// form; ".txt" -> ".dec" interprets the text as the text editor's confirmation does and
// builds the song with chosen fingerings.

#include <filesystem>

#include "cli/command.h"

namespace trovale::cli {

// Exit status as every subcommand returns it; messages go to ambiente.erros.
int converterTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                   const Ambiente& ambiente);

}  // namespace trovale::cli
