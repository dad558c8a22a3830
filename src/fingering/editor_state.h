#pragma once
// What the fingering editor works on: the current fingering, the chord it is linked to
// and the texts derived from both. The window owns one; the CLI builds its own.

#include <array>
#include <string>
#include <string_view>

#include "catalogue/fingering.h"
#include "catalogue/type_catalogue.h"
#include "fingering/chord_tones.h"

namespace trovale {

struct FingeringEditorState {
    TDigitacao digitacao;
    int linkedType = 0;  // 0 = not linked
    int linkedRoot = 0;  // 1..12, looked up from linkedRootName
    std::string linkedRootName;

    // Derived, rebuilt by refreshDerived after every change.
    ChordToneRow chordTones;                  // empty while not linked
    std::array<std::string, kCordas> labels;  // note label of strings 1..6

    bool linked() const { return linkedType != 0; }
};

// A fresh editor: start fret 1, every string not struck, no notes or barres, no link.
FingeringEditorState emptyEditorState();

// Rebuilds the root pitch class, the chord-tone row and the string labels.
void refreshDerived(FingeringEditorState& estado, const CatalogoTipos& tipos);

void linkChord(FingeringEditorState& estado, const CatalogoTipos& tipos, std::string_view rootName,
               int tipo);
void unlinkChord(FingeringEditorState& estado, const CatalogoTipos& tipos);

// Label text of one string: the name of the note it sounds, spelled after the chord.
std::string stringLabel(const TDigitacao& digitacao, const ChordToneRow& tons, int corda);

}  // namespace trovale
