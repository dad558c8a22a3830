#pragma once
// A fingering rendered by the built-in synthesizer into a WAV file's bytes, with no audio
// device: the notes, strum and velocities of the live chord, held kDuracaoSolta, then let go
// and heard until their release has died away.

#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/fingering.h"

namespace trovale {

struct OpcoesWav {
    int programa = 24;  // kSemInstrumento leaves the sound font's first program
    bool destacarBaixo = true;
    int canais = 2;  // 1 or 2; 16 bits at kTaxaAmostragem either way
};

// Nothing when the sound font does not load.
std::optional<std::string> acordeEmWav(const TDigitacao& digitacao, const OpcoesWav& opcoes,
                                       const std::filesystem::path& fonteSonora);

}  // namespace trovale
