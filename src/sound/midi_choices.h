#pragma once
// The choices of the sound settings window: the instrument texts, and how the saved
// settings become a device entry and a program.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/midi_settings_file.h"

namespace trovale {

// The suggestions of the instrument list, in order; each starts with its program number.
extern const std::array<const char*, 32> kInstrumentos;

inline constexpr int kProgramaViolaoNylon = 24;

// The number formed by the first three characters, or kSemInstrumento when any of them is
// not a digit.
int programaDoInstrumento(std::string_view texto);

// A program as a bare instrument text: "007".
std::string textoDoPrograma(int programa);

// The suggestion for a program ("024 - Violão com cordas de nylon"), else its bare text.
std::string sugestaoDoPrograma(int programa);

// What typing in the instrument list gives: a suggestion as it is; a whole number below 128
// as its three-digit text; nothing for anything else, which leaves the instrument alone.
std::optional<std::string> instrumentoDigitado(std::string_view texto);

// "+" (passo 1) and "-" (passo -1): the neighbouring program's text; nothing past 0 or 127.
std::optional<std::string> instrumentoVizinho(int programa, int passo);

// What the window starts with.
struct EscolhaMidi {
    int entrada = 0;  // device list index; the device identifier is one less
    std::string instrumento;
    int programa = 0;
};

// The saved device text's entry (entry 0, the default output, when it is no longer there)
// and the saved instrument, or `instrumentoPadrao` when the saved one has no program.
EscolhaMidi escolhaSalva(const ConfiguracaoMidi& salva, const std::vector<std::string>& entradas,
                         std::string_view instrumentoPadrao = kInstrumentos[0]);

// What is saved for an entry and an instrument text.
ConfiguracaoMidi configuracaoDe(const EscolhaMidi& escolha,
                                const std::vector<std::string>& entradas);

}  // namespace trovale
