#pragma once
// A short recorded sound: uncompressed 16-bit PCM, as a WAV file holds it.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trovale {

struct SomPcm {
    int canais = 0;
    int taxa = 0;
    std::vector<std::int16_t> amostras;  // interleaved

    int quadros() const { return canais > 0 ? static_cast<int>(amostras.size()) / canais : 0; }
    int duracaoMs() const { return taxa > 0 ? static_cast<int>(1000LL * quadros() / taxa) : 0; }
};

// The sound of a RIFF/WAVE file of 16-bit PCM; nothing for any other kind of file.
std::optional<SomPcm> lerWav(std::string_view arquivo);

}  // namespace trovale
