#pragma once
// The distinct notes a fingering sounds, as identification and verification see them.

#include <string>
#include <vector>

#include "catalogue/fingering.h"
#include "fingering/chord_tones.h"

namespace trovale {

struct SoundingNote {
    int nota = 0;        // pitch class 1..12
    std::string grafia;  // as its string's label shows it
    int corda = 0;       // the first string (from string 1) that sounds it
};

// Played strings 1..6 in order, each pitch class once: at most six entries.
std::vector<SoundingNote> soundingNotes(const TDigitacao& digitacao, const ChordToneRow& tons);

std::vector<int> pitchClasses(const std::vector<SoundingNote>& notas);

// The bass string: the one in state 0 from string 3 upward; failing that, the
// highest-numbered played string; 0 when nothing is played.
int bassString(const TDigitacao& digitacao);

}  // namespace trovale
