#pragma once
// A song laid out away from any printer: its own template and page layout on the no-printer
// A4 page, so that the command line and the songbook give the same pages on every machine.

#include <memory>

#include "document/sheet.h"
#include "render/appearance.h"
#include "render/sheet_measure.h"

namespace trovale {

struct FolhaSemImpressora {
    std::unique_ptr<SheetMeasure> medida;  // refers to the song's template and the catalogue
    Sheet folha;
};

// Needs a GUI application for the fonts. `largura` is the view width the last column
// stretches to (0: none). The song and the catalogue must outlive the result.
FolhaSemImpressora disporSemImpressora(const SongDocument& doc, const CatalogoTipos& tipos,
                                       const Aparencia& aparencia, int dpi, int largura);

}  // namespace trovale
