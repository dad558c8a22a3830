#pragma once
// The built-in synthesizer: FluidSynth with a General MIDI sound font, played through the
// system's audio or rendered into memory.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

namespace trovale {

inline constexpr const char* kPastaFontesSonoras = "/usr/share/sounds/sf2";
inline constexpr int kTaxaAmostragem = 44100;

// The best General MIDI sound font in the folder: FluidR3_GM.sf2, else TimGM6mb.sf2, else
// default-GM.sf2.
std::optional<std::filesystem::path> fonteSonoraGM(
    const std::filesystem::path& pasta = kPastaFontesSonoras);

class SintetizadorEmbutido {
  public:
    // Nothing when the sound font does not load or FluidSynth cannot start.
    static std::unique_ptr<SintetizadorEmbutido> criar(const std::filesystem::path& fonteSonora,
                                                       int taxa = kTaxaAmostragem);
    // With the audio on, lets every note go and waits, a few seconds at most, for the sound to
    // die away before closing it.
    ~SintetizadorEmbutido();
    SintetizadorEmbutido(const SintetizadorEmbutido&) = delete;
    SintetizadorEmbutido& operator=(const SintetizadorEmbutido&) = delete;

    // Program change, note on and note off; other messages are ignored.
    void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2);
    // Every note off and the controllers back to rest.
    void silenciar();
    // A note still sounds, if only its release; the effects' tail may outlast it.
    bool soando() const;
    // Starts playing through the system's audio, trying PipeWire, PulseAudio, ALSA, JACK and
    // OSS in turn; false when none opens. Kept once it worked.
    bool ligarAudio();
    // The next `quadros` stereo frames, interleaved, when no audio is on.
    void gerar(std::int16_t* amostras, int quadros);

  private:
    struct Fluid;
    explicit SintetizadorEmbutido(std::unique_ptr<Fluid> fluid);
    std::unique_ptr<Fluid> fluid_;
};

}  // namespace trovale
