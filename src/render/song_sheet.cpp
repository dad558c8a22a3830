#include "render/song_sheet.h"

#include "document/unprinted_layout.h"

namespace trovale {

FolhaSemImpressora disporSemImpressora(const SongDocument& doc, const CatalogoTipos& tipos,
                                       const Aparencia& aparencia, int dpi, int largura) {
    FolhaSemImpressora f;
    f.medida = std::make_unique<SheetMeasure>(doc.Template, tipos, dpi);
    f.folha = disporNaPaginaSemImpressora(
        doc, *f.medida, aparencia.Orientacao == kOrientacaoHorizontal, dpi, largura);
    return f;
}

}  // namespace trovale
