#include "sound/wav_render.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sound/builtin_synth.h"
#include "sound/chord_notes.h"
#include "sound/midi_output.h"

namespace trovale {

namespace {

using namespace std::chrono_literals;

// The release is over once the synthesizer has ended every note and the sound, with the
// effects' tail, has stayed 60 dB below full scale this long.
constexpr int kLimiarSilencio = 32;
constexpr std::chrono::microseconds kSilencioFinal = 50ms;
constexpr std::chrono::microseconds kBloco = 10ms;

void escreverNumero(std::string& bytes, std::uint32_t valor, int tamanho) {
    for (int i = 0; i < tamanho; ++i) bytes += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

// The 44-byte RIFF header of 16-bit PCM.
std::string cabecalhoWav(int canais, std::uint32_t bytesDados) {
    const int bloco = canais * 2;
    std::string bytes = "RIFF";
    escreverNumero(bytes, 36 + bytesDados, 4);
    bytes += "WAVEfmt ";
    escreverNumero(bytes, 16, 4);
    escreverNumero(bytes, 1, 2);  // PCM
    escreverNumero(bytes, static_cast<std::uint32_t>(canais), 2);
    escreverNumero(bytes, kTaxaAmostragem, 4);
    escreverNumero(bytes, static_cast<std::uint32_t>(kTaxaAmostragem * bloco), 4);
    escreverNumero(bytes, static_cast<std::uint32_t>(bloco), 2);
    escreverNumero(bytes, 16, 2);
    bytes += "data";
    escreverNumero(bytes, bytesDados, 4);
    return bytes;
}

int quadrosEm(std::chrono::microseconds tempo) {
    return static_cast<int>((tempo.count() * kTaxaAmostragem + 500'000) / 1'000'000);
}

// Stereo frames from the synthesizer, kept whole or folded to mono; the loudest sample
// written.
int acrescentar(std::string& dados, SintetizadorEmbutido& synth, int quadros, int canais) {
    std::vector<std::int16_t> estereo(static_cast<std::size_t>(quadros) * 2);
    synth.gerar(estereo.data(), quadros);
    int pico = 0;
    auto escrever = [&](int amostra) {
        escreverNumero(dados, static_cast<std::uint16_t>(amostra), 2);
        pico = std::max(pico, std::abs(amostra));
    };
    for (int q = 0; q < quadros; ++q) {
        const int esquerda = estereo[2 * q], direita = estereo[2 * q + 1];
        if (canais == 1) {
            escrever((esquerda + direita) / 2);
        } else {
            escrever(esquerda);
            escrever(direita);
        }
    }
    return pico;
}

// The sound after the notes were let go, until it has died away.
void acrescentarSoltura(std::string& dados, SintetizadorEmbutido& synth, int canais) {
    const int bloco = quadrosEm(kBloco);
    int silencio = 0;
    for (int feitos = 0; feitos < quadrosEm(kSolturaMaxima); feitos += bloco) {
        const bool baixo = acrescentar(dados, synth, bloco, canais) < kLimiarSilencio;
        silencio = baixo ? silencio + bloco : 0;
        if (silencio >= quadrosEm(kSilencioFinal) && !synth.soando()) return;
    }
}

}  // namespace

std::optional<std::string> acordeEmWav(const TDigitacao& digitacao, const OpcoesWav& opcoes,
                                       const std::filesystem::path& fonteSonora) {
    const auto synth = SintetizadorEmbutido::criar(fonteSonora);
    if (!synth) return std::nullopt;
    const int canais = opcoes.canais == 1 ? 1 : 2;
    if (opcoes.programa >= 0 && opcoes.programa < kSemInstrumento)
        synth->enviar(0xC0, static_cast<std::uint8_t>(opcoes.programa), 0);

    const std::vector<int> notas = notasDoAcorde(digitacao);
    const int total = quadrosEm(kDuracaoSolta);
    const int atraso = opcoes.destacarBaixo ? quadrosEm(kAtrasoBaixo) : 0;
    std::string dados;
    for (std::size_t i = 0; i < notas.size(); ++i) {
        if (i == 1) acrescentar(dados, *synth, atraso, canais);
        synth->enviar(0x90, static_cast<std::uint8_t>(notas[i]),
                      i == 0 ? kVelocidadePrimeira : kVelocidadeDemais);
    }
    const int feitos = static_cast<int>(dados.size()) / (2 * canais);
    acrescentar(dados, *synth, total - feitos, canais);
    // Let go as the live chord is, from string 1 down to the bass.
    for (auto nota = notas.rbegin(); nota != notas.rend(); ++nota)
        synth->enviar(0x80, static_cast<std::uint8_t>(*nota), 0);
    acrescentarSoltura(dados, *synth, canais);
    return cabecalhoWav(canais, static_cast<std::uint32_t>(dados.size())) + dados;
}

}  // namespace trovale
