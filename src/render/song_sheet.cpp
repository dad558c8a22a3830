#include "render/song_sheet.h"

#include "settings/paper.h"

namespace trovale {

namespace {

// The physical page height of the no-printer A4 page, in millimetres, for the orientation.
double alturaPaginaMm(int orientacao) {
    const PaginaImpressora pagina = paginaSemImpressora(orientacao);
    return pagina.alturaFisica / pagina.pxPorMmY;
}

}  // namespace

FolhaSemImpressora disporSemImpressora(const SongDocument& doc, const CatalogoTipos& tipos,
                                       const Aparencia& aparencia, int dpi, int largura) {
    FolhaSemImpressora f;
    SheetSettings ajustes;
    ajustes.dpi = dpi;
    ajustes.pageHeightMm = alturaPaginaMm(doc.Layout.orientacao);
    ajustes.fretNumbersAbove = aparencia.Orientacao == kOrientacaoHorizontal;
    f.medida = std::make_unique<SheetMeasure>(doc.Template, tipos, dpi);
    ComputeRowHeights(f.folha, doc, *f.medida, ajustes);
    ComputeColumns(f.folha, doc, ajustes, largura);
    LayOut(f.folha, doc, *f.medida, ajustes);
    return f;
}

}  // namespace trovale
