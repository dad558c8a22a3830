#pragma once
// trovale-cli play: a fingering heard through the configured MIDI device, or written as WAV.
// The command line is read here; the sound itself comes from trovale-cli-som, the one
// executable that loads the sound libraries.

#include <string>

#include "catalogue/fingering.h"
#include "cli/command.h"

namespace trovale::cli {

struct OpcoesPlay {
    std::string wav;  // empty: play it
    bool semAtrasoBaixo = false;
};

// Plays or writes a valid fingering; returns the exit status.
using TocadorDigitacao = int (*)(const TDigitacao& digitacao, const OpcoesPlay& opcoes,
                                 const Ambiente& ambiente);

// Without a player the command is known but says that sound is not installed.
Comando registrarPlay(CLI::App& app, TocadorDigitacao tocador);

}  // namespace trovale::cli
