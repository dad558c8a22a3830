#include "sound/builtin_synth.h"

#include <fluidsynth.h>

#include <array>
#include <mutex>
#include <string>
#include <system_error>
#include <vector>

namespace trovale {

namespace fs = std::filesystem;

namespace {

// The driver our users most likely have first; "alsa" comes after the sound servers, which
// would otherwise find the card taken.
constexpr std::array<const char*, 5> kDriversAudio = {"pipewire", "pulseaudio", "alsa", "jack",
                                                      "oss"};

void silenciarRegistro() {
    // FluidSynth reports every missing driver on standard error; failing quietly is ours to do.
    static std::once_flag feito;
    std::call_once(feito, [] {
        for (int nivel = FLUID_PANIC; nivel <= FLUID_DBG; ++nivel)
            fluid_set_log_function(nivel, nullptr, nullptr);
    });
}

void anotarDriver(void* lista, const char*, const char* opcao) {
    static_cast<std::vector<std::string>*>(lista)->push_back(opcao);
}

bool temDriver(fluid_settings_t* ajustes, const char* nome) {
    std::vector<std::string> compilados;
    fluid_settings_foreach_option(ajustes, "audio.driver", &compilados, anotarDriver);
    for (const std::string& driver : compilados)
        if (driver == nome) return true;
    return false;
}

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

SintetizadorEmbutido::~SintetizadorEmbutido() = default;

std::unique_ptr<SintetizadorEmbutido> SintetizadorEmbutido::criar(const fs::path& fonteSonora,
                                                                  int taxa) {
    silenciarRegistro();
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

bool SintetizadorEmbutido::ligarAudio() {
    if (fluid_->audio) return true;
    // Without a sound card ALSA only fills standard error with complaints.
    const bool placa = existe("/dev/snd");
    for (const char* driver : kDriversAudio) {
        if (!temDriver(fluid_->ajustes, driver)) continue;
        if (!placa && std::string(driver) == "alsa") continue;
        fluid_settings_setstr(fluid_->ajustes, "audio.driver", driver);
        fluid_->audio = new_fluid_audio_driver(fluid_->ajustes, fluid_->synth);
        if (fluid_->audio) return true;
    }
    return false;
}

void SintetizadorEmbutido::gerar(std::int16_t* amostras, int quadros) {
    fluid_synth_write_s16(fluid_->synth, quadros, amostras, 0, 2, amostras, 1, 2);
}

}  // namespace trovale
