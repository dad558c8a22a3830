#include "render/print_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "drawing/sheet_pages.h"
#include "render/qt_canvas.h"
#include "render/sheet_measure.h"

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;

// The paper's own measure: text and chord names at the printer's resolution.
int dpiDoPapel(const PageMetrics& m) {
    return std::max(1, static_cast<int>(m.pixelsPorMmY * kMmPorPolegada + 0.5));
}

}  // namespace

FimImpressao PrintPages(const SheetPaint& folha, const std::vector<int>& paginas,
                        const DestinoImpressao& destino, const AcompanhamentoImpressao& acomp) {
    const SheetMeasure medidaPapel(folha.doc.Template, folha.measure.tipos(),
                                   dpiDoPapel(destino.metricas));
    const PinturaFolha tela{folha.doc, folha.sheet, folha.measure.tipos(), folha.aparencia};
    PaginasDaFolha impressao(tela, medidaPapel, destino.metricas, destino.dpiTela);
    const AcompanhamentoPagina porPagina{acomp.aoComecarPagina, acomp.aoAvancar};
    QPainter p;
    if (!p.begin(&destino.dispositivo)) return FimImpressao::NaoIniciada;
    TelaQt superficie(p);
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) destino.dispositivo.newPage();
        impressao.desenhar(superficie, paginas[i], porPagina);
        if (acomp.abortado && acomp.abortado()) {
            if (acomp.abortarTrabalho) acomp.abortarTrabalho();
            p.end();
            return FimImpressao::Abortada;
        }
    }
    p.end();
    return FimImpressao::Concluida;
}

}  // namespace trovale
