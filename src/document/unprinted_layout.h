#pragma once
// A song laid out away from any printer: its own template and page layout on the no-printer
// A4 page, so that the command line and the songbook give the same pages on every machine.

#include "document/sheet.h"
#include "document/text_measure.h"

namespace trovale {

// `largura` is the view width the last column stretches to (0: none); `numerosAcima` when the
// diagrams are horizontal and their start-fret numbers go above them.
Sheet disporNaPaginaSemImpressora(const SongDocument& doc, const TextMeasure& medida,
                                  bool numerosAcima, int dpi, int largura);

}  // namespace trovale
