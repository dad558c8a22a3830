#pragma once
// trovale-cli types: the chord types in presentation order.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarTypes(CLI::App& app);

}  // namespace trovale::cli
