#pragma once
// The system's audio through FluidSynth's drivers, shared by the synthesizer and the sound
// clips so that everything the program plays leaves by the same way.

#include <fluidsynth.h>

#include <functional>

namespace trovale {

// FluidSynth reports every missing driver on standard error; failing quietly is ours to do.
void silenciarRegistroFluid();

// Sets each available driver in turn on `ajustes` and calls `criar` until one opens; the
// driver that opened, or nullptr when none did.
fluid_audio_driver_t* abrirDriverAudio(fluid_settings_t* ajustes,
                                       const std::function<fluid_audio_driver_t*()>& criar);

}  // namespace trovale
