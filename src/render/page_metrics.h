#pragma once
// Page metrics of the current printer: what the sheet layout needs to place and paginate text.

#include <string>

#include "settings/page_layout.h"

class QPrinter;

namespace trovale {

struct PageMetrics {
    int larguraFisica = 0;  // printer pixels
    int alturaFisica = 0;
    int larguraImprimivel = 0;  // printer pixels
    int alturaImprimivel = 0;
    int larguraPapelMm = 0;
    int alturaPapelMm = 0;
    double pixelsPorMmX = 0;
    double pixelsPorMmY = 0;
    int deslocamentoX = 0;  // unprintable offset, printer pixels
    int deslocamentoY = 0;
    // Margins the printer cannot go below, millimetres.
    int margemMinimaEsquerda = 0;
    int margemMinimaDireita = 0;
    int margemMinimaSuperior = 0;
    int margemMinimaInferior = 0;

    bool operator==(const PageMetrics&) const = default;
};

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
