#pragma once
// Spelling of a chord's tones: the chord-tone row of the fingering editor and the
// spelling of each string's note label.

#include <array>
#include <string>
#include <string_view>

#include "catalogue/chord_type.h"

namespace trovale {

inline constexpr int kColunasTons = 6;

// Column 0 is the root name, column k the chord's component k+1; absent components are empty.
using ChordToneRow = std::array<std::string, kColunasTons>;

// Spelling of the note t semitones (degree g) above root r written as rootName: a
// natural stays natural; otherwise the accidental whose letter lies nearer the expected
// degree letter, sharp on a tie.
std::string spellChordTone(std::string_view rootName, int r, int t, int g);

ChordToneRow chordToneRow(const TTipoAcorde& tipo, std::string_view rootName, int root);

// The spelling a string's label shows for a pitch class: the one standing in the
// chord-tone row when there is one (sharp looked up first), else the sharp spelling.
std::string labelSpelling(int nota, const ChordToneRow& tons);

// The spelling under which a pitch class stands among components 2..6 of a chord; the
// root name when it is the root; the sharp spelling when it is no chord tone.
std::string spellingInChord(const TTipoAcorde& tipo, std::string_view rootName, int root, int nota);

}  // namespace trovale
