// From a press on a diagram (TocarAcorde) to the bass note-on reaching the device: through the
// default output where this machine has audio, else through a device that only notes the
// time (the label says which); and into the built-in synthesizer with no audio output, which
// any machine with a sound font can measure. The first press, which loads the sound font, is
// counted apart as first_press_ms.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>

#include "fingering/fingering_builders.h"
#include "sound/builtin_synth.h"
#include "sound/chord_player.h"
#include "sound/system_midi.h"
#include "sound/thread_agenda.h"
#include "support/silent_dialogs.h"

namespace trovale {
namespace {

using Relogio = std::chrono::steady_clock;

// Notes when the first note-on leaves, then hands every message on (or drops it).
class SistemaCronometrado : public SistemaMidi {
  public:
    explicit SistemaCronometrado(SistemaMidi* real) : real_(real) {}
    std::optional<Relogio::time_point> primeiraNota;

    std::string nomeSaidaPadrao() const override { return "cronometrado"; }
    std::vector<std::string> dispositivos() override { return {}; }
    AberturaMidi abrir(int id) override {
        AberturaMidi aberta = real_ ? real_->abrir(id) : AberturaMidi{};
        if (real_ && !aberta.porta) return aberta;
        return {std::make_unique<Porta>(*this, std::move(aberta.porta))};
    }

  private:
    class Porta : public PortaMidi {
      public:
        Porta(SistemaCronometrado& dono, std::unique_ptr<PortaMidi> real)
            : dono_(dono), real_(std::move(real)) {}
        void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) override {
            if (real_) real_->enviar(status, dado1, dado2);
            if ((status & 0xF0) == 0x90 && !dono_.primeiraNota) dono_.primeiraNota = Relogio::now();
        }

      private:
        SistemaCronometrado& dono_;
        std::unique_ptr<PortaMidi> real_;
    };

    SistemaMidi* real_;
};

// The built-in synthesizer without audio: the synthesis work of a press, minus the driver.
class SintetizadorMudo : public SistemaMidi {
  public:
    std::string nomeSaidaPadrao() const override { return "mudo"; }
    std::vector<std::string> dispositivos() override { return {}; }
    AberturaMidi abrir(int) override {
        if (!sintetizador_) {
            const auto fonte = fonteSonoraGM();
            if (fonte) sintetizador_ = SintetizadorEmbutido::criar(*fonte);
        }
        if (!sintetizador_) return {};
        return {std::make_unique<Porta>(*sintetizador_)};
    }

  private:
    class Porta : public PortaMidi {
      public:
        explicit Porta(SintetizadorEmbutido& s) : s_(s) {}
        ~Porta() override { s_.silenciar(); }
        void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) override {
            s_.enviar(status, dado1, dado2);
        }

      private:
        SintetizadorEmbutido& s_;
    };
    std::unique_ptr<SintetizadorEmbutido> sintetizador_;
};

void medir(benchmark::State& state, SistemaMidi* real, const char* nome) {
    SistemaCronometrado sistema(real);
    SaidaMidi saida(sistema);
    AgendaEmThread agenda;
    testing::SilentDialogs dialogs;
    AcordeMidi acorde(saida, agenda, dialogs);
    acorde.definirPrograma(24);
    const TDigitacao em = testing::dedilhado("0 2 2 0 0 0");

    auto pressionar = [&] {
        sistema.primeiraNota.reset();
        const Relogio::time_point inicio = Relogio::now();
        acorde.TocarAcorde(em);
        const Duracao tempo = sistema.primeiraNota.value_or(inicio) - inicio;
        acorde.PararAcorde();
        return std::chrono::duration<double>(tempo).count();
    };
    const double primeira = pressionar();
    if (!sistema.primeiraNota) {
        state.SkipWithError("the device did not open");
        return;
    }
    for (auto _ : state) state.SetIterationTime(pressionar());
    state.counters["first_press_ms"] = primeira * 1000;
    state.SetLabel(nome);
}

void BM_PressToFirstNoteOn(benchmark::State& state) {
    SistemaMidiPadrao padrao;
    const bool audio = padrao.abrir(kSaidaPadrao).porta != nullptr;
    medir(state, audio ? &padrao : nullptr,
          audio ? "built-in synthesizer, system audio" : "recording device (no audio here)");
}
BENCHMARK(BM_PressToFirstNoteOn)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PressToFirstNoteOnSynthesisOnly(benchmark::State& state) {
    SintetizadorMudo mudo;
    medir(state, &mudo, "built-in synthesizer, no audio output");
}
BENCHMARK(BM_PressToFirstNoteOnSynthesisOnly)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
