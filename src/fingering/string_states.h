#pragma once
// Which strings sound: the bass marker and the enabling of open strings that belong to
// the linked chord.

#include "catalogue/fingering.h"
#include "fingering/editor_state.h"

namespace trovale {

// Gives state 0 to the highest-numbered played string and state 1 to the old bass.
void recomputeBass(TDigitacao& digitacao);

// A string not struck starts sounding; any other is no longer struck. Then recomputeBass.
void toggleString(TDigitacao& digitacao, int corda);

// Open, not struck strings whose note is one of the linked chord's first five tones start
// sounding when they lie above the bass; an open root also sounds below it and becomes the
// bass. Does nothing while not linked.
void enableOpenStrings(FingeringEditorState& estado);

}  // namespace trovale
