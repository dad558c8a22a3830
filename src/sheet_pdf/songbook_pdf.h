#pragma once
// A songbook drawn by the project's PDF writer: the book of drawing/songbook.h on the writer's
// pages, its bookmarks (one per song, under the book's title) written with it.

#include <string>

#include "drawing/songbook.h"
#include "fonts/font_library.h"

namespace trovale {

struct CadernoMontado {
    FimCaderno fim = FimCaderno::Montado;
    std::string pdf;  // the file's bytes when Montado
    int musicas = 0;
    int paginas = 0;
    std::vector<MusicaRecusada> recusadas;  // in the order asked
};

// FonteSemPdf when a song needs a font the writer cannot draw as Qt does; nothing is kept then.
CadernoMontado cadernoPeloEscritor(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                                   fontes::BibliotecaFontes& fontes,
                                   const AndamentoCaderno& andamento = {});

}  // namespace trovale
