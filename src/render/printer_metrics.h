#pragma once
// Page metrics of the current printer: what the sheet layout needs to place and paginate text.

#include <string>

#include "drawing/page_metrics.h"
#include "settings/page_layout.h"

class QPrinter;

namespace trovale {

// The paper as the page layout's limits see it.
Papel papelDasMetricas(const PageMetrics& metricas);

// What a printer reports, in the units it reports them.
struct DadosImpressora {
    double dpiX = 0, dpiY = 0;
    int larguraFisica = 0, alturaFisica = 0;  // pixels; 0 when not reported
    double larguraImprimivelMm = 0, alturaImprimivelMm = 0;
    int deslocamentoX = 0, deslocamentoY = 0;  // pixels; 0 when not reported
};

PageMetrics metricasDe(const DadosImpressora& dados);
// The 180 dpi A4 page used when there is no printer.
PageMetrics metricasSemImpressora(bool paisagem);
// Metrics of a printer in the given orientation (the printer is turned to it).
PageMetrics metricasDaImpressora(QPrinter& impressora, bool paisagem);
// The system's default printer, or the 180 dpi A4 page without one.
PageMetrics metricasDaImpressoraAtual(bool paisagem);
bool existeImpressora();

// The narrowest gap between columns: 4 mm with more than one column.
inline int intervaloMinimoColunas(int colunas) {
    return colunas > 1 ? 4 : 0;
}

}  // namespace trovale
