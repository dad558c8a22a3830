#pragma once
// A document's outline: bookmarks that readers list beside the pages, each leading to the top
// of a page, nested under others (a songbook's songs under its title).

#include <functional>
#include <string>
#include <vector>

#include "pdf/escritor_pdf.h"

namespace trovale::pdf {

struct MarcadorPdf {
    std::string titulo;  // UTF-8
    int pagina = 0;      // from 0, in the order the pages were made
    int pai = -1;        // the bookmark it is nested under; -1 for the top level
};

// Where the outline's bookmarks lead: a page's object number and its height in points.
struct DestinoDaPagina {
    int objeto;
    double altura;
};

// The outline's objects, numbered from `primeiro` (its root) on, one more for each bookmark,
// every bookmark open; `destino` answers for every page a bookmark names.
void escreverMarcadores(EscritorPdf& escritor, const std::vector<MarcadorPdf>& marcadores,
                        int primeiro, const std::function<DestinoDaPagina(int pagina)>& destino);

}  // namespace trovale::pdf
