#pragma once
// The songbook's own pages: the cover, the contents, and the page number at the foot of
// every page but the cover.

#include <string>
#include <vector>

class QPainter;

namespace trovale {

// A page as the painter sees it: its size in device pixels and the pixels per millimetre.
struct PaginaCaderno {
    int largura = 0;
    int altura = 0;
    double pxPorMm = 1;
};

struct EntradaIndice {
    std::string titulo;  // UTF-8
    std::string autor;
    int pagina = 0;  // the book's page the song starts on
};

inline constexpr const char* kTituloIndice = "Índice";
inline constexpr double kMargemInferiorIndiceMm = 20;

// How many contents pages `entradas` songs take (at least one).
int paginasDoIndice(int entradas);

void desenharCapa(QPainter& p, const PaginaCaderno& pagina, const std::string& titulo);

// Contents page `k` (from 0) of the book: its share of `entradas`, the heading on the first.
void desenharPaginaIndice(QPainter& p, const PaginaCaderno& pagina, int k,
                          const std::vector<EntradaIndice>& entradas);

// The number small and centred in the bottom margin (at least a strip of 6 mm, so that a
// page without a bottom margin still shows it).
void desenharNumeroPagina(QPainter& p, const PaginaCaderno& pagina, double margemInferiorMm,
                          int numero);

}  // namespace trovale
