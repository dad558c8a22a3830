#pragma once
// trovale-cli songbook OUT.pdf SONG...: many songs in one PDF, with a cover, contents and
// bookmarks.

#include "cli/command.h"
#include "sheet_pdf/songbook_pdf.h"

namespace trovale::cli {

// How an executable makes the book: trovale-cli with the PDF writer alone, its drawing
// helper with Qt besides.
struct MontadorCaderno {
    CadernoMontado (*montar)(const PedidoCaderno&, const RecursosCaderno&,
                             const AndamentoCaderno&) = nullptr;
    // A book that needs a font only Qt draws comes back as FonteSemPdf: the command then
    // says nothing (its messages are held back) and answers kSaidaPedeDesenho.
    bool entregaAoDesenho = false;
};

Comando registrarSongbook(CLI::App& app, MontadorCaderno montador);

// The book by the PDF writer alone, with the fonts remembered in the user's cache folder.
CadernoMontado cadernoSemQt(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                            const AndamentoCaderno& andamento);

}  // namespace trovale::cli
