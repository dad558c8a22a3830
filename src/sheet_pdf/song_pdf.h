#pragma once
// A song's sheet as a PDF from the project's writer: the pages printed as on paper, fonts
// embedded, text selectable, with the song's title and author in the document information.
// The program's "Exportar *.pdf" and trovale-cli's convert both come through here; when a
// font cannot be drawn here as Qt draws it, the answer says so and Qt prints the song.

#include <optional>
#include <vector>

#include "document/sheet.h"
#include "drawing/diagram.h"
#include "fonts/font_library.h"
#include "pdf/escritor_pdf.h"
#include "sheet_pdf/measure_without_qt.h"

namespace trovale {

struct CatalogoTipos;

// A laid-out sheet and what it was laid out on; all must outlive the drawing.
struct FolhaParaPdf {
    const SongDocument& doc;
    const Sheet& folha;  // laid out at dpiTela
    const CatalogoTipos& tipos;
    const Aparencia& aparencia;
    int larguraMm = 210;  // the paper, turned as it is
    int alturaMm = 297;
    int dpiTela = 96;
};

// A song laid out on the no-printer page, as trovale-cli and the songbook lay it out.
struct CancaoDisposta {
    MedidaSemQt medida;  // at 96 dpi; refers to the song's template
    Sheet folha;
    int larguraMm = 210;
    int alturaMm = 297;
};

// Nothing when the song's fonts cannot be measured here as Qt measures them.
std::optional<CancaoDisposta> disporParaPdf(const SongDocument& doc, const CatalogoTipos& tipos,
                                            const Aparencia& aparencia,
                                            fontes::BibliotecaFontes& fontes);

// Draws `paginas` (numbers from 1, in that order) into a PDF written to `destino` piece by
// piece. False as soon as a page could not be drawn as Qt would: what was written then is
// to be thrown away.
bool escreverPdfDaFolha(const FolhaParaPdf& folha, const std::vector<int>& paginas,
                        fontes::BibliotecaFontes& fontes, const pdf::DestinoPdf& destino);

}  // namespace trovale
