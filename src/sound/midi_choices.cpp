#include "sound/midi_choices.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "sound/midi_output.h"

namespace trovale {

const std::array<const char*, 32> kInstrumentos = {
    "000 - Piano",
    "001 - Piano acústico",
    "002 - Piano elétrico",
    "003 - Piano de gafieira",
    "005 - Piano com coro",
    "006 - Cravo",
    "016 - Órgão Hammond",
    "017 - Órgão percursivo",
    "018 - Órgão eletrônico",
    "021 - Acordeon",
    "024 - Violão com cordas de nylon",
    "025 - Violão com cordas de aço",
    "026 - Guitarra de jazz",
    "027 - Guitarra elétrica",
    "042 - Violoncelo",
    "044 - Tremolo",
    "048 - Grupo de cordas 1",
    "050 - Cordas sintetizadas 1",
    "052 - Coro de \"ahs\"",
    "057 - Trombone",
    "061 - Conjunto de sopro",
    "062 - Sopro sintetizado 1",
    "069 - Trompa inglesa",
    "070 - Fagote",
    "080 - Sintético Lead 1",
    "081 - Sintético Lead 2",
    "086 - Sintético Lead 7",
    "087 - Sintético Lead 8",
    "090 - Sintético Pad 3",
    "091 - Sintético Pad 4",
    "094 - Sintético Pad 7",
    "103 - Sintético SFX 8",
};

namespace {

bool digito(char c) {
    return c >= '0' && c <= '9';
}

bool sugestao(std::string_view texto) {
    return std::find(kInstrumentos.begin(), kInstrumentos.end(), texto) != kInstrumentos.end();
}

}  // namespace

int programaDoInstrumento(std::string_view texto) {
    if (texto.size() < 3 || !std::all_of(texto.begin(), texto.begin() + 3, digito))
        return kSemInstrumento;
    return (texto[0] - '0') * 100 + (texto[1] - '0') * 10 + (texto[2] - '0');
}

std::string textoDoPrograma(int programa) {
    char texto[8];
    std::snprintf(texto, sizeof texto, "%03d", programa);
    return texto;
}

std::string sugestaoDoPrograma(int programa) {
    for (const char* sugestao : kInstrumentos)
        if (programaDoInstrumento(sugestao) == programa) return sugestao;
    return textoDoPrograma(programa);
}

std::optional<std::string> instrumentoDigitado(std::string_view texto) {
    if (sugestao(texto)) return std::string(texto);
    if (texto.empty() || !std::all_of(texto.begin(), texto.end(), digito)) return std::nullopt;
    int numero = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
    if (erro != std::errc() || numero >= kSemInstrumento) return std::nullopt;
    return textoDoPrograma(numero);
}

std::optional<std::string> instrumentoVizinho(int programa, int passo) {
    if (passo > 0 && programa <= 126) return textoDoPrograma(programa + 1);
    if (passo < 0 && programa > 0 && programa < kSemInstrumento)
        return textoDoPrograma(programa - 1);
    return std::nullopt;
}

EscolhaMidi escolhaSalva(const ConfiguracaoMidi& salva, const std::vector<std::string>& entradas,
                         std::string_view instrumentoPadrao) {
    EscolhaMidi escolha;
    const auto achada = std::find(entradas.begin(), entradas.end(), salva.dispositivo);
    escolha.entrada = achada == entradas.end() ? 0 : static_cast<int>(achada - entradas.begin());
    escolha.instrumento = salva.instrumento;
    if (programaDoInstrumento(escolha.instrumento) == kSemInstrumento)
        escolha.instrumento = instrumentoPadrao;
    escolha.programa = programaDoInstrumento(escolha.instrumento);
    return escolha;
}

ConfiguracaoMidi configuracaoDe(const EscolhaMidi& escolha,
                                const std::vector<std::string>& entradas) {
    const bool valida = escolha.entrada >= 0 && escolha.entrada < static_cast<int>(entradas.size());
    return {valida ? entradas[static_cast<std::size_t>(escolha.entrada)] : std::string(),
            escolha.instrumento};
}

}  // namespace trovale
