#include "render/songbook_writer.h"

namespace trovale {

PaginasDoCaderno::PaginasDoCaderno(QPdfWriter& livro, QPainter& pintor)
    : QPdfWriter(QString()), livro_(livro), pintor_(pintor) {
    acompanharLivro();
}

void PaginasDoCaderno::acompanharLivro() {
    setResolution(livro_.resolution());
    setPageLayout(livro_.pageLayout());
}

bool PaginasDoCaderno::newPage() {
    return livro_.newPage();
}

}  // namespace trovale
