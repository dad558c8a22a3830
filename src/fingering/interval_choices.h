#pragma once
// Naming a new chord type after a fingering: each sounding note is offered the intervals it
// may stand for above a base note, and the choices become the type's components.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/chord_type.h"
#include "fingering/sounding_notes.h"

namespace trovale {

// The last choice of every list: the note becomes the base.
inline constexpr int kEscolhaBase = 0;
inline constexpr std::string_view kNomeBase = "Base";

struct IntervalosPropostos {
    int nota = 0;                 // the base's pitch class 1..12
    std::string grafia;           // the base as its string label spells it
    IntervalosTipo intervalos{};  // components 2..6: interval codes in table order, then 0
};

// The choices of a note above the base: the simple intervals that reach it, then the compound
// ones, each in table order, then kEscolhaBase. The base itself offers only kEscolhaBase.
std::vector<int> intervalChoices(int nota, int base);

// A choice as its list shows it.
std::string_view choiceName(int escolha);

// One list per note, in the notes' order, against the note at baseIndex.
std::vector<std::vector<int>> intervalChoices(const std::vector<SoundingNote>& notas,
                                              int baseIndex);

// The chosen item of each note (kEscolhaBase contributes nothing) as a type rooted at the
// base. Nothing when more intervals are chosen than a type holds.
std::optional<IntervalosPropostos> proposeIntervals(const std::vector<SoundingNote>& notas,
                                                    int baseIndex,
                                                    const std::vector<int>& escolhas);

}  // namespace trovale
