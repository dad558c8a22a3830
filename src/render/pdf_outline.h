#pragma once
// Bookmarks (the outline) of a finished PDF. Qt writes none, so they come as an incremental
// update appended to the file Qt wrote.

#include <string>
#include <vector>

namespace trovale {

struct MarcadorPdf {
    std::string titulo;  // UTF-8
    int pagina = 1;      // from 1, in the PDF's page order
};

// The PDF with an update whose outline holds these entries in their order, each showing its
// page whole; the file opens with the outline shown. The PDF unchanged when its page tree
// cannot be read or an entry names a page it does not have.
std::string comMarcadores(std::string pdf, const std::vector<MarcadorPdf>& marcadores);

}  // namespace trovale
