#pragma once
// trovale-cli show: what a song file holds, as the program reads it.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarShow(CLI::App& app);

}  // namespace trovale::cli
