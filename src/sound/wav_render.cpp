#include "sound/wav_render.h"

#include <chrono>
#include <cstdint>
#include <vector>

#include "sound/builtin_synth.h"
#include "sound/chord_notes.h"
#include "sound/midi_output.h"

namespace trovale {

namespace {

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

// Stereo frames from the synthesizer, kept whole or folded to mono.
void acrescentar(std::string& dados, SintetizadorEmbutido& synth, int quadros, int canais) {
    std::vector<std::int16_t> estereo(static_cast<std::size_t>(quadros) * 2);
    synth.gerar(estereo.data(), quadros);
    for (int q = 0; q < quadros; ++q) {
        const int esquerda = estereo[2 * q], direita = estereo[2 * q + 1];
        if (canais == 1) {
            escreverNumero(dados, static_cast<std::uint16_t>((esquerda + direita) / 2), 2);
        } else {
            escreverNumero(dados, static_cast<std::uint16_t>(esquerda), 2);
            escreverNumero(dados, static_cast<std::uint16_t>(direita), 2);
        }
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
    return cabecalhoWav(canais, static_cast<std::uint32_t>(dados.size())) + dados;
}

}  // namespace trovale
