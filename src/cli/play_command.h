#pragma once
// trovale-cli play: a fingering heard through the configured MIDI device, or written as WAV.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarPlay(CLI::App& app);

}  // namespace trovale::cli
