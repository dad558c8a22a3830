#include "sound/builtin_synth.h"

#include <fluidsynth.h>

#include <chrono>
#include <system_error>
#include <thread>

#include "sound/audio_drivers.h"
#include "sound/chord_notes.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kIntervaloSoltura{10};

bool existe(const fs::path& caminho) {
    std::error_code erro;
    return fs::exists(caminho, erro);
}

}  // namespace

struct SintetizadorEmbutido::Fluid {
    fluid_settings_t* ajustes = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* audio = nullptr;

    ~Fluid() {
        if (audio) delete_fluid_audio_driver(audio);
        if (synth) delete_fluid_synth(synth);
        if (ajustes) delete_fluid_settings(ajustes);
    }
};

std::optional<fs::path> fonteSonoraGM(const fs::path& pasta) {
    for (const char* nome : {"FluidR3_GM.sf2", "TimGM6mb.sf2", "default-GM.sf2"})
        if (existe(pasta / nome)) return pasta / nome;
    return std::nullopt;
}

SintetizadorEmbutido::SintetizadorEmbutido(std::unique_ptr<Fluid> fluid)
    : fluid_(std::move(fluid)) {}

SintetizadorEmbutido::~SintetizadorEmbutido() {
    if (!fluid_->audio) return;
    // Closing the driver cuts off what still sounds, with a click: the notes are let go and
    // their release is heard to its end first.
    silenciar();
    const auto limite = std::chrono::steady_clock::now() + kSolturaMaxima;
    while (soando() && std::chrono::steady_clock::now() < limite)
        std::this_thread::sleep_for(kIntervaloSoltura);
}

std::unique_ptr<SintetizadorEmbutido> SintetizadorEmbutido::criar(const fs::path& fonteSonora,
                                                                  int taxa) {
    silenciarRegistroFluid();
    auto fluid = std::make_unique<Fluid>();
    fluid->ajustes = new_fluid_settings();
    if (!fluid->ajustes) return nullptr;
    fluid_settings_setnum(fluid->ajustes, "synth.sample-rate", taxa);
    fluid->synth = new_fluid_synth(fluid->ajustes);
    if (!fluid->synth) return nullptr;
    if (fluid_synth_sfload(fluid->synth, fonteSonora.string().c_str(), 1) == FLUID_FAILED)
        return nullptr;
    return std::unique_ptr<SintetizadorEmbutido>(new SintetizadorEmbutido(std::move(fluid)));
}

void SintetizadorEmbutido::enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) {
    const int canal = status & 0x0F;
    switch (status & 0xF0) {
        case 0xC0:
            fluid_synth_program_change(fluid_->synth, canal, dado1);
            break;
        case 0x90:
            fluid_synth_noteon(fluid_->synth, canal, dado1, dado2);
            break;
        case 0x80:
            fluid_synth_noteoff(fluid_->synth, canal, dado1);
            break;
        default:
            break;
    }
}

void SintetizadorEmbutido::silenciar() {
    fluid_synth_all_notes_off(fluid_->synth, -1);
}

bool SintetizadorEmbutido::soando() const {
    return fluid_synth_get_active_voice_count(fluid_->synth) > 0;
}

bool SintetizadorEmbutido::ligarAudio() {
    if (!fluid_->audio)
        fluid_->audio = abrirDriverAudio(fluid_->ajustes, [this] {
            return new_fluid_audio_driver(fluid_->ajustes, fluid_->synth);
        });
    return fluid_->audio != nullptr;
}

void SintetizadorEmbutido::gerar(std::int16_t* amostras, int quadros) {
    fluid_synth_write_s16(fluid_->synth, quadros, amostras, 0, 2, amostras, 1, 2);
}

}  // namespace trovale
