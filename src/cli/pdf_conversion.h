#pragma once
// trovale-cli convert SONG.dec OUT.pdf: the song printed into a PDF on the no-printer A4 page.

#include <string>

#include "cli/command.h"

namespace trovale::cli {

// `paginas` is the print window's page list; empty means every page. Exit 2 on a list that
// cannot be read, 1 when the song or the PDF cannot be read or written.
int converterParaPdf(const std::string& entrada, const std::string& saida,
                     const std::string& paginas, const Ambiente& ambiente);

}  // namespace trovale::cli
