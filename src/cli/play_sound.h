#pragma once
// The sound of trovale-cli play: only trovale-cli-som links it.

#include "cli/play_command.h"

namespace trovale::cli {

// Plays the fingering through the chosen MIDI device, or writes it as WAV with --wav.
int tocarDigitacao(const TDigitacao& digitacao, const OpcoesPlay& opcoes, const Ambiente& ambiente);

}  // namespace trovale::cli
