// The sound settings window's choices: typed instruments, "+" and "-", and saved settings.

#include <gtest/gtest.h>

#include "sound/midi_choices.h"
#include "sound/midi_output.h"

namespace trovale {
namespace {

TEST(MidiChoices, TypedInstrument) {
    const struct {
        const char* digitado;
        std::optional<std::string> instrumento;
    } casos[] = {
        {"7", "007"},
        {"0007", "007"},
        {"127", "127"},
        {"200", std::nullopt},
        {"128", std::nullopt},
        {"99999999999", std::nullopt},
        {"", std::nullopt},
        {"Piano", std::nullopt},
        {"052 - Coro de \"ahs\"", "052 - Coro de \"ahs\""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.digitado);
        EXPECT_EQ(instrumentoDigitado(c.digitado), c.instrumento);
    }
}

TEST(MidiChoices, ProgramOfAnInstrumentText) {
    EXPECT_EQ(programaDoInstrumento("103 - Sintético SFX 8"), 103);
    EXPECT_EQ(programaDoInstrumento("007"), 7);
    for (const char* semNumero : {"7", "x12", ""})
        EXPECT_EQ(programaDoInstrumento(semNumero), kSemInstrumento);
    EXPECT_EQ(sugestaoDoPrograma(24), "024 - Violão com cordas de nylon");
    EXPECT_EQ(sugestaoDoPrograma(4), "004");
}

TEST(MidiChoices, PlusAndMinusKeys) {
    const struct {
        int programa, passo;
        std::optional<std::string> instrumento;
    } casos[] = {
        {126, 1, "127"}, {127, 1, std::nullopt}, {0, 1, "001"},
        {1, -1, "000"},  {0, -1, std::nullopt},  {25, -1, "024"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.programa) + (c.passo > 0 ? " +" : " -"));
        EXPECT_EQ(instrumentoVizinho(c.programa, c.passo), c.instrumento);
    }
}

TEST(MidiChoices, SavedSettingsAgainstTheDevicesPresent) {
    const std::vector<std::string> entradas = {"Sintetizador", "USB MIDI", "Teclado"};
    const struct {
        const char* nome;
        ConfiguracaoMidi salva;
        int entrada;
        const char* instrumento;
        int programa;
    } casos[] = {
        {"as saved",
         {"Teclado", "025 - Violão com cordas de aço"},
         2,
         "025 - Violão com cordas de aço",
         25},
        {"a typed number", {"USB MIDI", "007"}, 1, "007", 7},
        {"device gone: the default output", {"Outro", "007"}, 0, "007", 7},
        {"nothing read: the defaults", {}, 0, "000 - Piano", 0},
        {"instrument without a number", {"Teclado", "Piano"}, 2, "000 - Piano", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const EscolhaMidi escolha = escolhaSalva(c.salva, entradas);
        EXPECT_EQ(escolha.entrada, c.entrada);
        EXPECT_EQ(escolha.instrumento, c.instrumento);
        EXPECT_EQ(escolha.programa, c.programa);
        EXPECT_EQ(configuracaoDe(escolha, entradas),
                  (ConfiguracaoMidi{entradas[static_cast<std::size_t>(c.entrada)], c.instrumento}));
    }
}

}  // namespace
}  // namespace trovale
