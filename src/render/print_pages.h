#pragma once
// Printing a laid-out sheet: the pages of a list, in its order, on a printer or into a PDF.
// Rows keep the pages, columns and line breaks of the screen; the page is scaled to the
// printer, with text in the printer's own resolution and chords placed again in it.

#include <functional>
#include <vector>

#include "render/printer_metrics.h"
#include "render/sheet_painter.h"

class QPagedPaintDevice;

namespace trovale {

// Where the pages go: a device whose painter starts at the corner of its printable area,
// described by the metrics of the same page.
struct DestinoImpressao {
    QPagedPaintDevice& dispositivo;
    PageMetrics metricas;
    int dpiTela = 96;  // the resolution the sheet was laid out at
};

// The print window follows the job through these; all may be empty.
struct AcompanhamentoImpressao {
    // Before each page: its number and how far drawing it goes (the gauge's range).
    std::function<void(int pagina, int alturaPagina)> aoComecarPagina;
    // While a page is drawn: how far it is; a place to let the window handle input.
    std::function<void(int feito)> aoAvancar;
    // Polled between rows and after each page.
    std::function<bool()> abortado;
    // Called once, with the painter still open, when the job is aborted.
    std::function<void()> abortarTrabalho;
};

enum class FimImpressao { Concluida, Abortada, NaoIniciada };

// Prints `paginas` (page numbers of the sheet, repetitions allowed), each on its own sheet of
// paper. NaoIniciada when the device refused to start.
FimImpressao PrintPages(const SheetPaint& folha, const std::vector<int>& paginas,
                        const DestinoImpressao& destino, const AcompanhamentoImpressao& acomp);

}  // namespace trovale
