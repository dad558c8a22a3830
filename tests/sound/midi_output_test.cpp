// The output layer: the device list's texts, choosing and opening a device.

#include <gtest/gtest.h>

#include "sound/midi_output.h"
#include "sound_doubles.h"

namespace trovale {
namespace {

using testing::AgendaManual;
using testing::SistemaGravado;

TEST(MidiOutput, DeviceListTexts) {
    AgendaManual relogio;
    SistemaGravado sistema(relogio, {"USB MIDI", "", "Teclado", ""});
    SaidaMidi saida(sistema);
    const std::vector<std::string> esperadas = {"Saída padrão", "USB MIDI", "Não identificado # 1",
                                                "Teclado", "Não identificado # 2"};
    EXPECT_EQ(saida.entradas(), esperadas);
    EXPECT_EQ(saida.quantidade(), 4);
    EXPECT_EQ(saida.dispositivo(), kSaidaPadrao);
}

TEST(MidiOutput, ChoosingAndOpening) {
    const struct {
        const char* nome;
        std::vector<std::string> dispositivos;
        int escolhido;
        std::vector<int> aberturas;
        bool aberta;
    } casos[] = {
        {"no devices: the default output", {}, kSaidaPadrao, {kSaidaPadrao}, true},
        {"a listed device", {"A", "B"}, 1, {1}, true},
        {"a device past the list stays closed", {"A"}, 1, {}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        AgendaManual relogio;
        SistemaGravado sistema(relogio, c.dispositivos);
        SaidaMidi saida(sistema);
        saida.EscolherDispositivo(c.escolhido);
        saida.MudarInstrumento(5);
        saida.NotaLigada(60, 100);
        EXPECT_EQ(sistema.registro.aberturas, c.aberturas);
        EXPECT_EQ(saida.aberta(), c.aberta);
        EXPECT_EQ(sistema.registro.mensagens.size(), c.aberta ? 2u : 0u);
    }
}

TEST(MidiOutput, ChoosingTheSameDeviceKeepsItOpen) {
    AgendaManual relogio;
    SistemaGravado sistema(relogio, {"A", "B"});
    SaidaMidi saida(sistema);
    saida.AbrirSaida();
    saida.EscolherDispositivo(kSaidaPadrao);
    EXPECT_TRUE(saida.aberta());
    saida.EscolherDispositivo(0);
    EXPECT_FALSE(saida.aberta());
    EXPECT_EQ(sistema.registro.fechamentos, 1);
    saida.NotaDesligada(60);
    EXPECT_TRUE(sistema.registro.mensagens.empty());
}

}  // namespace
}  // namespace trovale
