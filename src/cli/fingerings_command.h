#pragma once
// trovale-cli fingerings: the catalogued fingerings of one root and chord type.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarFingerings(CLI::App& app);

}  // namespace trovale::cli
