#pragma once
// trovale-cli render: the sheet drawn as the document window shows it, in a PNG file.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarRender(CLI::App& app);

}  // namespace trovale::cli
