#pragma once
// trovale-cli convert: a song from one file form to another, chosen by the extensions.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarConvert(CLI::App& app);

}  // namespace trovale::cli
