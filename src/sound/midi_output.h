#pragma once
// The MIDI output layer: which device, opening and closing it, and the three messages the
// chords use, all on channel 1.

#include <memory>
#include <string>
#include <vector>

#include "sound/midi_device.h"

namespace trovale {

inline constexpr int kSemInstrumento = 128;  // no program change is sent

class SaidaMidi {
  public:
    // Lists the devices at once; the default output is current.
    explicit SaidaMidi(SistemaMidi& sistema);

    // Entry 0 the default output, entry k device k - 1; a device without a name is shown as
    // "Não identificado # " and a running count.
    const std::vector<std::string>& entradas() const { return entradas_; }
    int dispositivo() const { return dispositivo_; }
    int quantidade() const { return quantidade_; }
    bool aberta() const { return porta_ != nullptr; }
    // Why the last AbrirSaida left it closed.
    FalhaMidi falha() const { return falha_; }

    void EscolherDispositivo(int id);
    void AbrirSaida();
    void FecharSaida();
    void MudarInstrumento(int programa);
    void NotaLigada(int nota, int velocidade);
    void NotaDesligada(int nota);

  private:
    void enviar(int status, int dado1, int dado2);

    SistemaMidi& sistema_;
    std::vector<std::string> entradas_;
    int dispositivo_ = kSaidaPadrao;
    int quantidade_ = 0;
    std::unique_ptr<PortaMidi> porta_;
    FalhaMidi falha_ = FalhaMidi::Indisponivel;
};

// The device list's texts from the default output's name and the devices' names.
std::vector<std::string> textosDasEntradas(const std::string& saidaPadrao,
                                           const std::vector<std::string>& dispositivos);

}  // namespace trovale
