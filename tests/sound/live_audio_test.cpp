// The built-in synthesizer heard live: with ALSA sent to a file by the user's own
// configuration, a chord played through the default output reaches the "speakers".

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

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

    // The loudest 16-bit sample that reached the file.
    int maiorAmostra() const {
        std::ifstream entrada(saida_, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(entrada), {});
        int maior = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto amostra =
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
            maior = std::max(maior, std::abs(static_cast<int>(amostra)));
        }
        return maior;
    }

  private:
    std::filesystem::path saida_;
    std::string antes_;
};

TEST(LiveAudio, TheDefaultOutputSoundsThroughTheSystemAudio) {
    if (!fonteSonoraGM()) GTEST_SKIP() << "no General MIDI sound font installed";
    PastaTemporaria pasta;
    CasaComAlsaEmArquivo casa(pasta);
    SistemaMidiPadrao sistema;
    {
        auto porta = sistema.abrir(kSaidaPadrao);
        if (!porta) GTEST_SKIP() << "FluidSynth has no ALSA driver here";
        porta->enviar(0xC0, 24, 0);    // nylon guitar
        porta->enviar(0x90, 57, 127);  // A3
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        porta->enviar(0x80, 57, 0);
    }
    EXPECT_GT(casa.maiorAmostra(), 1000);
}

}  // namespace
}  // namespace trovale::testing
