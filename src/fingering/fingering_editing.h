#pragma once
// What a click or a drag on the editor's fretboard does to the fingering. The window shows the
// returned message and redraws; the drag's target string is the window's business.

#include <string>

#include "catalogue/fingering.h"

namespace trovale {

// Filled notes plus filled barres.
int elementCount(const TDigitacao& digitacao);

struct NoteClick {
    bool changed = false;
    bool placed = false;  // a new note: it may start a barre
    std::string message;  // UTF-8: a refusal, or the warning about a note before a barre
};

// A click on string corda at relative fret casa: removes the note there, else places one.
NoteClick placeNote(TDigitacao& digitacao, int corda, int casa);

// Why a barre cannot start from the note just placed at relative fret casa; empty when it can.
std::string barreRefusal(const TDigitacao& digitacao, int casa);

// The drag from the note (corda, casa) ended over cordaFinal: the note becomes a barre over
// the strings between them. Returns the warning about a note before a barre, if any.
std::string finishBarre(TDigitacao& digitacao, int corda, int casa, int cordaFinal);

// Removes barre slot 0 or 1; the strings keep their states.
void removeBarre(TDigitacao& digitacao, int slot);

// Slides the window one fret (passo +1 or -1) keeping the relative frets; false when the start
// fret would leave 1..12.
bool moveWindow(TDigitacao& digitacao, int passo);

}  // namespace trovale
