#pragma once
// The paper as the page layout sees it: its size and the strips the printer cannot reach.

#include <string>

#include "settings/page_layout.h"

namespace trovale {

// A printer page in the printer's own pixels, as the render layer reads it (with its own
// corrections for printers that report a zero offset or size already applied).
struct PaginaImpressora {
    double pxPorMmX = 0;  // logical pixels per inch / 25.4
    double pxPorMmY = 0;
    int larguraFisica = 0;  // physical page
    int alturaFisica = 0;
    int larguraImprimivel = 0;  // printable area
    int alturaImprimivel = 0;
    int deslocamentoX = 0;  // unprintable offset on the left
    int deslocamentoY = 0;  // and at the top
};

// The 180 dpi A4 page used when there is no printer (orientation 1 = landscape).
PaginaImpressora paginaSemImpressora(int orientacao);

// Paper size int(pixels / pixels per mm + 0.5) and minimum margins: the unprintable strip on
// each side in whole millimetres, plus one.
Papel papelDaPagina(const PaginaImpressora& pagina);

// " (A4)", " (Carta)" ... by the key w + h + w*h of the size in whole millimetres, so that
// either orientation and a millimetre of rounding give the same name; "" when unknown.
std::string nomePapel(int larguraMm, int alturaMm);

}  // namespace trovale
