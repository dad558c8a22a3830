#pragma once
// A song's sheet as a PDF, as the program exports it: the pages printed as on paper, fonts
// embedded, text selectable, with the song's title and author in the document information.

#include <QPageLayout>
#include <optional>
#include <string>
#include <vector>

#include "document/song_metadata.h"
#include "render/printer_metrics.h"
#include "render/sheet_painter.h"

namespace trovale {

inline constexpr int kDpiPdf = 1200;

struct PaginaPdf {
    int larguraMm = 210;  // the paper the sheet was laid out on, in its orientation
    int alturaMm = 297;
    int dpiTela = 96;  // the resolution the sheet was laid out at
};

// The PDF page of a sheet: its paper without margins, turned as the paper is.
QPageLayout layoutDaPaginaPdf(const PaginaPdf& pagina);
// What the print loop needs of such a page at `resolucao` dots per inch.
PageMetrics metricasDaPaginaPdf(const QPageLayout& layout, int resolucao);

// The PDF's bytes with `paginas` in that order, from the project's writer, or from Qt when a
// font needs Qt to be drawn as the window draws it; nothing when neither could write it.
std::optional<std::string> pdfDaFolha(const SheetPaint& folha, const PaginaPdf& pagina,
                                      const std::vector<int>& paginas, const MetadadosPdf& meta);
// The same from one of the two only; the writer takes the title and author from the song.
std::optional<std::string> pdfPeloEscritor(const SheetPaint& folha, const PaginaPdf& pagina,
                                           const std::vector<int>& paginas);
std::optional<std::string> pdfPeloQt(const SheetPaint& folha, const PaginaPdf& pagina,
                                     const std::vector<int>& paginas, const MetadadosPdf& meta);

// Qt's PDF with an update appended whose information dictionary holds the title and the
// author, which Qt does not write; the PDF unchanged when its end cannot be read.
std::string comInformacoes(std::string pdf, const MetadadosPdf& meta);

}  // namespace trovale
