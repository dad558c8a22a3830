// trovale-cli play as a user meets it: refused frets, chords written as WAV, and a machine
// without sound.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "catalogue_folder.h"
#include "cli_process.h"
#include "sound/builtin_synth.h"

namespace trovale::testing {
namespace {

std::string lerBytes(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

TEST(PlayCommand, RefusedFrets) {
    const struct {
        const char* trastes;
        const char* erro;
    } casos[] = {
        {"x 0 2 2 1 q",
         "Trastes inválidos: \"x 0 2 2 1 q\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n"},
        {"x0221", "Trastes inválidos: \"x0221\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n"},
        {"1 3 5 7 9 11", "Digitação impossível de montar: \"1 3 5 7 9 11\".\n"},
    };
    PastaTemporaria pasta;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.trastes);
        const ResultadoCli r = executarCli({"--dir", pasta.texto(), "play", c.trastes});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.erros, c.erro);
        EXPECT_EQ(r.saida, "");
    }
}

// The instrument comes from MIDISOM.INI; without it the nylon guitar plays.
TEST(PlayCommand, WritesTheChordAsWav) {
    if (!fonteSonoraGM()) GTEST_SKIP() << "no General MIDI sound font installed";
    PastaTemporaria pasta;
    auto wav = [&](const std::vector<std::string>& argumentos, const char* nome) {
        std::vector<std::string> linha = {"--dir", pasta.texto(), "play", "--wav",
                                          (pasta.caminho() / nome).string()};
        linha.insert(linha.end(), argumentos.begin(), argumentos.end());
        const ResultadoCli r = executarCli(linha);
        EXPECT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.erros, "");
        return lerBytes(pasta.caminho() / nome);
    };
    const std::string violao = wav({"x", "0", "2", "2", "1", "0"}, "violao.wav");
    EXPECT_EQ(violao.substr(0, 4), "RIFF");
    EXPECT_GT(violao.size(), 44u + 45723u * 4u);  // 1.0368 s held, then the release
    EXPECT_NE(wav({"--no-bass-delay", "x02210"}, "junto.wav"), violao);

    pasta.gravar("MIDISOM.INI", "USB MIDI\r\n024 - Viol\xE3o com cordas de nylon\r\n");
    EXPECT_EQ(wav({"x02210"}, "salvo.wav"), violao);
    pasta.gravar("MIDISOM.INI", "USB MIDI\r\n000 - Piano\r\n");
    EXPECT_NE(wav({"x02210"}, "piano.wav"), violao);
}

// With no sound card and no sound server to reach, the built-in synthesizer says so.
TEST(PlayCommand, NoAudioOutput) {
    if (!fonteSonoraGM()) GTEST_SKIP() << "no General MIDI sound font installed";
    for (const char* dispositivo : {"/dev/snd", "/dev/dsp"})
        if (std::filesystem::exists(dispositivo))
            GTEST_SKIP() << "this machine has " << dispositivo;
    PastaTemporaria pasta;
    const AmbienteCli semServidor = {{"XDG_RUNTIME_DIR", pasta.texto()},
                                     {"PULSE_SERVER", "unix:" + pasta.texto() + "/pulse"},
                                     {"JACK_NO_START_SERVER", "1"}};
    const ResultadoCli r = executarCli({"--dir", pasta.texto(), "play", "x02210"}, semServidor);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erros, "Nenhuma saída de áudio disponível.\n");
    EXPECT_EQ(r.saida, "");
}

TEST(PlayCommand, WavThatCannotBeWritten) {
    if (!fonteSonoraGM()) GTEST_SKIP() << "no General MIDI sound font installed";
    PastaTemporaria pasta;
    const std::string destino = (pasta.caminho() / "falta" / "a.wav").string();
    const ResultadoCli r =
        executarCli({"--dir", pasta.texto(), "play", "--wav", destino, "x02210"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erros, destino +
                           ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou "
                           "protegido contra gravação).\n");
}

}  // namespace
}  // namespace trovale::testing
