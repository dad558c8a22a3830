#pragma once
// trovale-cli interpret: how the text editor's confirm reads a plain-text song.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarInterpret(CLI::App& app);

}  // namespace trovale::cli
