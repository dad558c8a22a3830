#pragma once
// trovale-cli convert SONG.dec OUT.pdf without Qt: the song laid out and drawn with the same
// measures Qt would take, straight into the PDF. A song whose fonts cannot be measured exactly
// here goes to trovale-cli-desenho, which prints it through Qt.

#include <string>

#include "cli/command.h"

namespace trovale::cli {

// `paginas` is the print window's page list; empty means every page. Exit 2 on a list that
// cannot be read, 1 when the song or the PDF cannot be read or written.
int converterSemQt(const std::string& entrada, const std::string& saida, const std::string& paginas,
                   const Ambiente& ambiente);

}  // namespace trovale::cli
