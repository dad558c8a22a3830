#include "sound/pcm_player.h"

#include <algorithm>
#include <atomic>

#include "sound/audio_drivers.h"

namespace trovale {

struct TocadorPcm::Fluid {
    SomPcm som;
    std::atomic<int> proximo{0};  // frame; written by the audio thread only
    fluid_settings_t* ajustes = nullptr;
    fluid_audio_driver_t* audio = nullptr;

    ~Fluid() {
        if (audio) delete_fluid_audio_driver(audio);  // joins the audio thread first
        if (ajustes) delete_fluid_settings(ajustes);
    }

    // The driver's buffers come zeroed: past the end of the sound there is silence.
    static int preencher(void* dados, int quadros, int, float*[], int saidas, float* saida[]) {
        auto* fluid = static_cast<Fluid*>(dados);
        const SomPcm& som = fluid->som;
        const int inicio = fluid->proximo.load(std::memory_order_relaxed);
        const int n = std::clamp(som.quadros() - inicio, 0, quadros);
        for (int i = 0; i < n; ++i) {
            const std::size_t quadro = static_cast<std::size_t>(inicio + i) * som.canais;
            for (int canal = 0; canal < saidas; ++canal) {
                const int origem = std::min(canal, som.canais - 1);  // mono to every side
                saida[canal][i] = som.amostras[quadro + origem] / 32768.0f;
            }
        }
        fluid->proximo.store(inicio + n, std::memory_order_release);
        return FLUID_OK;
    }
};

TocadorPcm::TocadorPcm(std::unique_ptr<Fluid> fluid) : fluid_(std::move(fluid)) {}

TocadorPcm::~TocadorPcm() = default;

std::unique_ptr<TocadorPcm> TocadorPcm::tocar(SomPcm som) {
    if (som.quadros() == 0) return nullptr;
    silenciarRegistroFluid();
    auto fluid = std::make_unique<Fluid>();
    fluid->ajustes = new_fluid_settings();
    if (!fluid->ajustes) return nullptr;
    fluid_settings_setnum(fluid->ajustes, "synth.sample-rate", som.taxa);
    fluid->som = std::move(som);
    Fluid* dados = fluid.get();
    fluid->audio = abrirDriverAudio(fluid->ajustes, [dados] {
        return new_fluid_audio_driver2(dados->ajustes, &Fluid::preencher, dados);
    });
    if (!fluid->audio) return nullptr;
    return std::unique_ptr<TocadorPcm>(new TocadorPcm(std::move(fluid)));
}

bool TocadorPcm::entregue() const {
    return fluid_->proximo.load(std::memory_order_acquire) >= fluid_->som.quadros();
}

}  // namespace trovale
