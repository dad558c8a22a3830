#include "sound/system_midi.h"

#include <RtMidi.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "sound/builtin_synth.h"

namespace trovale {

namespace {

class PortaSintetizador : public PortaMidi {
  public:
    explicit PortaSintetizador(std::shared_ptr<SintetizadorEmbutido> sintetizador)
        : sintetizador_(std::move(sintetizador)) {}
    ~PortaSintetizador() override { sintetizador_->silenciar(); }
    void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) override {
        sintetizador_->enviar(status, dado1, dado2);
    }

  private:
    std::shared_ptr<SintetizadorEmbutido> sintetizador_;
};

class PortaRtMidi : public PortaMidi {
  public:
    explicit PortaRtMidi(std::shared_ptr<RtMidiOut> saida) : saida_(std::move(saida)) {}
    ~PortaRtMidi() override {
        try {
            // All notes off on channel 1, the only one the chords use.
            enviar(0xB0, 123, 0);
            saida_->closePort();
        } catch (const RtMidiError&) {
        }
    }
    void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) override {
        const unsigned char mensagem[3] = {status, dado1, dado2};
        try {
            saida_->sendMessage(mensagem, sizeof mensagem);
        } catch (const RtMidiError&) {
            // A device pulled out mid-chord: the rest of the chord is lost, nothing else.
        }
    }

  private:
    std::shared_ptr<RtMidiOut> saida_;
};

// Without the ALSA sequencer RtMidi can only fail, and says so on standard error.
bool semSequenciador() {
#ifdef __linux__
    std::error_code erro;
    return !std::filesystem::exists("/dev/snd/seq", erro);
#else
    return false;
#endif
}

}  // namespace

SistemaMidiPadrao::SistemaMidiPadrao() = default;
SistemaMidiPadrao::~SistemaMidiPadrao() = default;

std::string SistemaMidiPadrao::nomeSaidaPadrao() const {
    return kNomeSintetizadorEmbutido;
}

std::shared_ptr<RtMidiOut> SistemaMidiPadrao::rtmidi() {
    if (rtmidi_ || semSequenciador()) return rtmidi_;
    try {
        rtmidi_ = std::make_shared<RtMidiOut>(RtMidi::UNSPECIFIED, "Trovale");
    } catch (const RtMidiError&) {
    }
    return rtmidi_;
}

std::vector<std::string> SistemaMidiPadrao::dispositivos() {
    std::vector<std::string> nomes;
    const std::shared_ptr<RtMidiOut> saida = rtmidi();
    if (!saida) return nomes;
    try {
        const unsigned quantidade = saida->getPortCount();
        for (unsigned i = 0; i < quantidade; ++i) nomes.push_back(saida->getPortName(i));
    } catch (const RtMidiError&) {
    }
    return nomes;
}

AberturaMidi SistemaMidiPadrao::abrir(int id) {
    if (id < 0) return abrirSintetizador();
    const std::shared_ptr<RtMidiOut> saida = rtmidi();
    if (!saida) return {};
    try {
        saida->openPort(static_cast<unsigned>(id), "Trovale");
    } catch (const RtMidiError&) {
        return {};
    }
    if (!saida->isPortOpen()) return {};
    return {std::make_unique<PortaRtMidi>(saida)};
}

AberturaMidi SistemaMidiPadrao::abrirSintetizador() {
    if (!sintetizador_) {
        const auto fonte = fonteSonoraGM();
        if (!fonte) return {};
        sintetizador_ = SintetizadorEmbutido::criar(*fonte);
        if (!sintetizador_) return {};
    }
    if (!sintetizador_->ligarAudio()) return {nullptr, FalhaMidi::SemAudio};
    return {std::make_unique<PortaSintetizador>(sintetizador_)};
}

}  // namespace trovale
