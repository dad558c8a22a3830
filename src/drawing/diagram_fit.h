#pragma once
// A fingering drawn whole, whatever number of fret rows the diagrams show.

#include "catalogue/fingering.h"
#include "drawing/diagram.h"

namespace trovale {

struct DiagramaInteiro {
    Aparencia aparencia;
    TDigitacao digitacao;
};

// With 4 rows shown, a fingering reaching row 5 moves up a fret (its start fret label with
// it), and one spanning 5 rows is drawn on a grid of 5, so that no note or barre is left out.
DiagramaInteiro diagramaInteiro(const Aparencia& aparencia, const TDigitacao& digitacao);

}  // namespace trovale
