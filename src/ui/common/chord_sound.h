#pragma once
// Hearing a chord: what a window asks of the program's sound when a diagram or a chord is
// pressed with the right button, released, or left behind.

#include "catalogue/chord_type.h"
#include "catalogue/fingering.h"

namespace trovale {

class SomDeAcordes {
  public:
    virtual ~SomDeAcordes() = default;
    // A fingering strummed from the bass; it rings while the button is held (up to 4.32 s).
    // With a capo on `capotraste` every string sounds that many semitones higher.
    virtual void tocar(const TDigitacao& digitacao, int capotraste) = 0;
    // A chord without a fingering: the notes of its type on its root (pitch class 1..12).
    virtual void tocarTipo(const TTipoAcorde& tipo, int raiz) = 0;
    // The button was released: the chord rings about one second from its start.
    virtual void soltar() = 0;
    // The window lost the user: silence now.
    virtual void parar() = 0;
};

}  // namespace trovale
