#pragma once
// trovale-cli layout: a song laid out as the document window lays it out, on the no-printer
// A4 page, so that the answer is the same on every machine.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarLayout(CLI::App& app);

}  // namespace trovale::cli
