#pragma once
// trovale-cli convert: a song from one file form to another, chosen by the extensions.

#include <string>

#include "cli/command.h"

namespace trovale::cli {

// Writes the PDF of a song file: input, output, page list (empty: all), environment.
using ConversorPdf = int (*)(const std::string&, const std::string&, const std::string&,
                             const Ambiente&);

// Without a PDF writer (the catalogue-only executable) a .pdf output is not supported.
Comando registrarConvert(CLI::App& app, ConversorPdf conversorPdf = nullptr);

}  // namespace trovale::cli
