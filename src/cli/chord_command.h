#pragma once
// trovale-cli chord: how the program reads written chord names.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarChord(CLI::App& app);

}  // namespace trovale::cli
