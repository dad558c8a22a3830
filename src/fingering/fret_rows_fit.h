#pragma once
// A fingering fitted to the number of fret rows the diagrams show.

#include "catalogue/fingering.h"

namespace trovale {

// Fits a fingering to 4 or 5 fret rows: false when it cannot be drawn in them. With 4 rows a
// fingering reaching row 5 moves up one fret when its marks span no more than 4 rows.
bool ajustarAsCasas(TDigitacao& digitacao, int casas);

}  // namespace trovale
