#pragma once
// trovale-cli name: a chord name drawn as the sheet shows it, in a PNG file.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarName(CLI::App& app);

}  // namespace trovale::cli
