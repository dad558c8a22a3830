#pragma once
// The machine's MIDI: the built-in synthesizer as the default output, then every MIDI output
// port the system offers. Nothing here throws or blocks for want of sound.

#include <memory>
#include <string>
#include <vector>

#include "sound/midi_device.h"

class RtMidiOut;

namespace trovale {

class SintetizadorEmbutido;

inline constexpr const char* kNomeSintetizadorEmbutido = "Sintetizador interno (FluidSynth)";

class SistemaMidiPadrao : public SistemaMidi {
  public:
    SistemaMidiPadrao();
    ~SistemaMidiPadrao() override;

    std::string nomeSaidaPadrao() const override;
    std::vector<std::string> dispositivos() override;
    AberturaMidi abrir(int id) override;

  private:
    std::shared_ptr<RtMidiOut> rtmidi();
    AberturaMidi abrirSintetizador();

    std::shared_ptr<RtMidiOut> rtmidi_;
    // Loading a sound font takes from a tenth of a second to several; it is done once.
    std::shared_ptr<SintetizadorEmbutido> sintetizador_;
};

}  // namespace trovale
