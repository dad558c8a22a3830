#include "document/unprinted_layout.h"

#include "settings/paper.h"

namespace trovale {

namespace {

// The physical page height of the no-printer A4 page, in millimetres, for the orientation.
double alturaPaginaMm(int orientacao) {
    const PaginaImpressora pagina = paginaSemImpressora(orientacao);
    return pagina.alturaFisica / pagina.pxPorMmY;
}

}  // namespace

Sheet disporNaPaginaSemImpressora(const SongDocument& doc, const TextMeasure& medida,
                                  bool numerosAcima, int dpi, int largura) {
    Sheet folha;
    SheetSettings ajustes;
    ajustes.dpi = dpi;
    ajustes.pageHeightMm = alturaPaginaMm(doc.Layout.orientacao);
    ajustes.fretNumbersAbove = numerosAcima;
    ComputeRowHeights(folha, doc, medida, ajustes);
    ComputeColumns(folha, doc, ajustes, largura);
    LayOut(folha, doc, medida, ajustes);
    return folha;
}

}  // namespace trovale
