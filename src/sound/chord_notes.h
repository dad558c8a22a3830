#pragma once
// A fingering as notes, and the times of the strum and of the sound's end.

#include <chrono>
#include <vector>

#include "catalogue/chord_type.h"
#include "catalogue/fingering.h"

namespace trovale {

inline constexpr int kVelocidadePrimeira = 127;
inline constexpr int kVelocidadeDemais = 80;

// The bass sounds alone this long before the others when it is emphasised (3e-6 day).
inline constexpr std::chrono::microseconds kAtrasoBaixo{259'200};
// While the button is held a chord sounds at most this long (5e-5 day)...
inline constexpr std::chrono::microseconds kDuracaoSegurada{4'320'000};
// ...and once it is released, or for a test, this long from its start (1.2e-5 day).
inline constexpr std::chrono::microseconds kDuracaoSolta{1'036'800};
inline constexpr std::chrono::milliseconds kIntervaloTemporizador{10};
// Once let go, the notes are heard to the end of their release, but no longer than this, for
// an instrument that never fades.
inline constexpr std::chrono::seconds kSolturaMaxima{3};

// Notes in the order they are sent, from the lowest sounding string up to string 1. None
// when every string is muted or the start fret is 30 or more.
std::vector<int> notasDoAcorde(const TDigitacao& digitacao);

// A chord with no fingering: its root in the octave from C3 (MIDI 48), then each component
// of its type above it, in the type's order.
std::vector<int> notasDoTipo(const TTipoAcorde& tipo, int raiz);

}  // namespace trovale
