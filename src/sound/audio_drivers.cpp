#include "sound/audio_drivers.h"

#include <array>
#include <cstdlib>
#include <filesystem>
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

// Without a sound card ALSA only fills standard error with complaints, unless the user's own
// configuration sends its output somewhere else.
bool alsaTemSaida() {
    if (existe("/dev/snd")) return true;
    const char* casa = std::getenv("HOME");
    return (casa && existe(fs::path(casa) / ".asoundrc")) || std::getenv("ALSA_CONFIG_PATH");
}

}  // namespace

void silenciarRegistroFluid() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        for (int nivel = FLUID_PANIC; nivel <= FLUID_DBG; ++nivel)
            fluid_set_log_function(nivel, nullptr, nullptr);
    });
}

fluid_audio_driver_t* abrirDriverAudio(fluid_settings_t* ajustes,
                                       const std::function<fluid_audio_driver_t*()>& criar) {
    const bool alsa = alsaTemSaida();
    for (const char* driver : kDriversAudio) {
        if (!temDriver(ajustes, driver)) continue;
        if (!alsa && std::string(driver) == "alsa") continue;
        fluid_settings_setstr(ajustes, "audio.driver", driver);
        if (fluid_audio_driver_t* aberto = criar()) return aberto;
    }
    return nullptr;
}

}  // namespace trovale
