#pragma once
// The pages of a laid-out sheet on paper: rows keep the pages, columns and line breaks of the
// screen; the page is scaled to the printer, with text in the printer's own resolution and
// chords placed again in it. Drawn on any surface whose origin is the printable area's corner.

#include <functional>

#include "drawing/page_metrics.h"
#include "drawing/sheet_rows.h"

namespace trovale {

// The print window follows a page through these; both may be empty.
struct AcompanhamentoPagina {
    // Before the page: its number and how far drawing it goes (the gauge's range).
    std::function<void(int pagina, int alturaPagina)> aoComecarPagina;
    // While the page is drawn: how far it is.
    std::function<void(int feito)> aoAvancar;
};

class PaginasDaFolha {
  public:
    // `tela` is the sheet as laid out on screen at `dpiTela`; `medidaPapel` measures the same
    // template at the paper's resolution. All must outlive this object.
    PaginasDaFolha(const PinturaFolha& tela, const TextMeasure& medidaPapel,
                   const PageMetrics& metricas, int dpiTela);
    // The same, taking over `folhaDaTela` (`tela.sheet`, or a copy of it) instead of copying
    // its rows: a long song's rows are most of what it holds.
    PaginasDaFolha(const PinturaFolha& tela, Sheet&& folhaDaTela, const TextMeasure& medidaPapel,
                   const PageMetrics& metricas, int dpiTela);

    void desenhar(Tela& t, int pagina, const AcompanhamentoPagina& acomp = {});

  private:
    struct Escalas {
        double x = 1;
        double y = 1;
        int topo = 0;  // top margin below the printable area's edge, printer pixels
    };
    static Escalas escalasDe(const PinturaFolha& f, const PageMetrics& m, int dpiTela);
    void coluna(Tela& t, int pagina, int c, const AcompanhamentoPagina& acomp);

    const PinturaFolha& tela_;
    const TextMeasure& medida_;
    PageMetrics metricas_;
    Escalas escalas_;
    Sheet papel_;
    LeiturasDeAcordes leituras_;
    PinturaFolha pintura_;
    int feito_ = 0;
};

// How far a page's rows go on screen: the print gauge's range.
int alturaDaPagina(const Sheet& tela, int pagina);

}  // namespace trovale
