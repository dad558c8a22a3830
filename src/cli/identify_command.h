#pragma once
// trovale-cli identify: which catalogued chords a fingering plays.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarIdentify(CLI::App& app);

}  // namespace trovale::cli
