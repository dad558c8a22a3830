#pragma once
// The songbook's own pages: the cover, the contents, and the page number at the foot of
// every page but the cover, drawn on any surface.

#include <string>
#include <vector>

#include "drawing/canvas.h"

namespace trovale {

// A page in the surface's pixels, and how many of them make a millimetre.
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

void desenharCapa(Tela& t, const PaginaCaderno& pagina, const std::string& titulo);

// Contents page `k` (from 0) of the book: its share of `entradas`, the heading on the first.
void desenharPaginaIndice(Tela& t, const PaginaCaderno& pagina, int k,
                          const std::vector<EntradaIndice>& entradas);

// The number small and centred in the bottom margin (at least a strip of 6 mm, so that a
// page without a bottom margin still shows it).
void desenharNumeroPagina(Tela& t, const PaginaCaderno& pagina, double margemInferiorMm,
                          int numero);

// `texto` cut at a character and ended with "…" so that it fits `largura` in the chosen font.
std::string cortadoComReticencias(const Tela& t, const std::string& texto, int largura);

// `texto` broken into lines at spaces, each as wide as `largura` at most unless one word is
// wider.
std::vector<std::string> linhasQueCabem(const Tela& t, const std::string& texto, int largura);

}  // namespace trovale
