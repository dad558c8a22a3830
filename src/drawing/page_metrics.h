#pragma once
// A printer's page in its own pixels: what printing places the sheet's rows by.

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

}  // namespace trovale
