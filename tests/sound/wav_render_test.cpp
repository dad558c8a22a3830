// A minor rendered to WAV and listened to: its pitches, the bass sounding first, and the
// sound dying away at the end.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "fingering/fingering_builders.h"
#include "sound/builtin_synth.h"
#include "sound/wav_render.h"

namespace trovale {
namespace {

constexpr int kA = 9, kC = 0, kE = 4;

std::uint32_t numero(const std::string& bytes, std::size_t posicao, int tamanho) {
    std::uint32_t valor = 0;
    for (int i = tamanho - 1; i >= 0; --i)
        valor =
            (valor << 8) | static_cast<unsigned char>(bytes[posicao + static_cast<std::size_t>(i)]);
    return valor;
}

struct Som {
    int canais = 0, taxa = 0, bits = 0;
    std::vector<double> mono;
};

Som lerWav(const std::string& bytes) {
    Som som;
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 8, "WAVEfmt ") != 0)
        return som;
    som.canais = static_cast<int>(numero(bytes, 22, 2));
    som.taxa = static_cast<int>(numero(bytes, 24, 4));
    som.bits = static_cast<int>(numero(bytes, 34, 2));
    const std::size_t dados = numero(bytes, 40, 4);
    for (std::size_t p = 44; p + 2 * som.canais <= 44 + dados; p += 2 * som.canais) {
        double soma = 0;
        for (int c = 0; c < som.canais; ++c)
            soma +=
                static_cast<std::int16_t>(numero(bytes, p + 2 * static_cast<std::size_t>(c), 2));
        som.mono.push_back(soma / som.canais);
    }
    return som;
}

// Goertzel power of one frequency over a Hann-windowed stretch.
double potencia(const Som& som, double frequencia, double de, double ate) {
    const auto inicio = static_cast<std::size_t>(de * som.taxa);
    const auto fim = std::min(som.mono.size(), static_cast<std::size_t>(ate * som.taxa));
    const double w = 2 * std::numbers::pi * frequencia / som.taxa;
    double s1 = 0, s2 = 0;
    for (std::size_t i = inicio; i < fim; ++i) {
        const double hann =
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i - inicio) / double(fim - inicio));
        const double s = som.mono[i] * hann + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
}

double frequenciaDe(int nota) {
    return 440 * std::pow(2.0, (nota - 69) / 12.0);
}

// Energy per pitch class over the guitar's range.
std::array<double, 12> croma(const Som& som, double de, double ate) {
    std::array<double, 12> energia{};
    for (int nota = 40; nota <= 88; ++nota)
        energia[nota % 12] += potencia(som, frequenciaDe(nota), de, ate);
    return energia;
}

// The loudest sample between two times, in seconds.
double pico(const Som& som, double de, double ate) {
    const auto inicio = static_cast<std::size_t>(std::max(de, 0.0) * som.taxa);
    const auto fim = std::min(som.mono.size(), static_cast<std::size_t>(ate * som.taxa));
    double maior = 0;
    for (std::size_t i = inicio; i < fim; ++i) maior = std::max(maior, std::abs(som.mono[i]));
    return maior;
}

std::vector<int> maisFortes(const std::array<double, 12>& energia, std::size_t quantas) {
    std::vector<int> classes(12);
    for (int i = 0; i < 12; ++i) classes[i] = i;
    std::sort(classes.begin(), classes.end(),
              [&](int a, int b) { return energia[a] > energia[b]; });
    classes.resize(quantas);
    std::sort(classes.begin(), classes.end());
    return classes;
}

// When a note starts: the centre of the first 40 ms window, in steps of 5 ms, holding a
// fifth of the note's strongest power in the first 0.6 s.
double inicioDaNota(const Som& som, int nota) {
    std::vector<double> potencias;
    for (int centro = 20; centro <= 600; centro += 5)
        potencias.push_back(
            potencia(som, frequenciaDe(nota), (centro - 20) / 1000.0, (centro + 20) / 1000.0));
    const double maxima = *std::max_element(potencias.begin(), potencias.end());
    const auto primeira =
        std::find_if(potencias.begin(), potencias.end(), [&](double p) { return p > maxima / 5; });
    return (20 + 5 * (primeira - potencias.begin())) / 1000.0;
}

TEST(WavRender, AMinorSoundsItsNotesBassFirst) {
    const auto fonte = fonteSonoraGM();
    if (!fonte) GTEST_SKIP() << "no General MIDI sound font installed";
    const struct {
        bool destacarBaixo;
        int canais;
        double inicioDosOutros;  // seconds
    } casos[] = {{true, 2, 0.2592}, {false, 1, 0.0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.destacarBaixo ? "bass first" : "all at once");
        const auto bytes =
            acordeEmWav(testing::dedilhado("x 0 2 2 1 0"), {24, c.destacarBaixo, c.canais}, *fonte);
        ASSERT_TRUE(bytes);
        const Som som = lerWav(*bytes);
        EXPECT_EQ(som.taxa, 44100);
        EXPECT_EQ(som.bits, 16);
        EXPECT_EQ(som.canais, c.canais);
        EXPECT_EQ(maisFortes(croma(som, 0.3, 1.0368), 3), (std::vector<int>{kC, kE, kA}));
        // C4 is no overtone of the bass A2: it tells when the upper strings start.
        EXPECT_NEAR(inicioDaNota(som, 45), 0.0, 0.03);
        EXPECT_NEAR(inicioDaNota(som, 60), c.inicioDosOutros, 0.03);
    }
}

// Let go at 1.0368 s, the chord fades out rather than stopping: it goes on at once, and the
// file ends only once it is near silent.
TEST(WavRender, TheChordEndsWithItsRelease) {
    const auto fonte = fonteSonoraGM();
    if (!fonte) GTEST_SKIP() << "no General MIDI sound font installed";
    const struct {
        const char* nome;
        const char* trastes;
        OpcoesWav opcoes;
    } casos[] = {
        {"nylon guitar, A minor", "x 0 2 2 1 0", {24, true, 2}},
        {"piano, E major, mono", "0 2 2 1 0 0", {0, false, 1}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto bytes = acordeEmWav(testing::dedilhado(c.trastes), c.opcoes, *fonte);
        ASSERT_TRUE(bytes);
        const Som som = lerWav(*bytes);
        constexpr double kSolta = 1.0368;
        const double fim = double(som.mono.size()) / som.taxa;
        EXPECT_GT(fim, kSolta + 0.1);
        EXPECT_LT(fim, kSolta + 3.0);
        const double antes = pico(som, kSolta - 0.02, kSolta);
        EXPECT_GT(pico(som, kSolta, kSolta + 0.02), antes / 3);
        EXPECT_LT(pico(som, fim - 0.02, fim), pico(som, 0.3, kSolta) / 100);
    }
}

}  // namespace
}  // namespace trovale
