#pragma once
// A songbook as the program and trovale-cli-desenho make it: drawn by the project's PDF
// writer, or by Qt when a song needs a font the writer cannot draw as Qt does (that book
// then has no bookmarks).

#include "sheet_pdf/songbook_pdf.h"

namespace trovale {

// Needs a GUI application for Qt's fonts. The PDF is only built in memory: the caller
// writes it.
CadernoMontado montarCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                             const AndamentoCaderno& andamento = {});

}  // namespace trovale
