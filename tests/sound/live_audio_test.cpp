// The built-in synthesizer heard live: with ALSA sent to a file by the user's own
// configuration, a note played through the default output reaches the "speakers", and the
// audio closes only once the note has died away.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "catalogue_folder.h"
#include "sound/builtin_synth.h"
#include "sound/system_midi.h"

namespace trovale::testing {
namespace {

class CasaComAlsaEmArquivo {
  public:
    explicit CasaComAlsaEmArquivo(const PastaTemporaria& pasta)
        : saida_(pasta.caminho() / "saida.raw") {
        pasta.gravar(".asoundrc", "pcm.!default {\n type file\n slave.pcm \"null\"\n file \"" +
                                      saida_.string() + "\"\n format \"raw\"\n}\n");
        if (const char* casa = std::getenv("HOME")) antes_ = casa;
        setenv("HOME", pasta.texto().c_str(), 1);
    }
    ~CasaComAlsaEmArquivo() { setenv("HOME", antes_.c_str(), 1); }

    // The 16-bit samples that reached the file, both channels.
    std::vector<int> amostras() const {
        std::ifstream entrada(saida_, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(entrada), {});
        std::vector<int> lidas;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            lidas.push_back(
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return lidas;
    }

  private:
    std::filesystem::path saida_;
    std::string antes_;
};

int pico(std::vector<int>::const_iterator de, std::vector<int>::const_iterator ate) {
    int maior = 0;
    for (auto amostra = de; amostra != ate; ++amostra) maior = std::max(maior, std::abs(*amostra));
    return maior;
}

// The note is let go at once: closing the audio right after it would cut it off unheard.
TEST(LiveAudio, TheDefaultOutputSoundsThroughTheSystemAudio) {
    if (!fonteSonoraGM()) GTEST_SKIP() << "no General MIDI sound font installed";
    PastaTemporaria pasta;
    CasaComAlsaEmArquivo casa(pasta);
    {
        SistemaMidiPadrao sistema;
        auto porta = sistema.abrir(kSaidaPadrao).porta;
        if (!porta) GTEST_SKIP() << "FluidSynth has no ALSA driver here";
        porta->enviar(0xC0, 24, 0);    // nylon guitar
        porta->enviar(0x90, 57, 127);  // A3
        porta->enviar(0x80, 57, 0);
    }
    const std::vector<int> amostras = casa.amostras();
    const int maior = pico(amostras.begin(), amostras.end());
    EXPECT_GT(maior, 1000);
    // The last 20 ms of stereo frames.
    const std::size_t finais = std::min<std::size_t>(amostras.size(), 2 * 882);
    EXPECT_LT(pico(amostras.end() - static_cast<std::ptrdiff_t>(finais), amostras.end()),
              maior / 100);
}

}  // namespace
}  // namespace trovale::testing
