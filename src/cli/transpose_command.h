#pragma once
// trovale-cli transpose: a song moved by a number of semitones, as the song window's
// "Transpor - Mudar tom" does when confirmed without changes.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarTranspose(CLI::App& app);

}  // namespace trovale::cli
