#include "drawing/sheet_pages.h"

#include <algorithm>

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;

int truncado(double valor) {
    return static_cast<int>(valor);
}

int pixelsDeTela(double mm, int dpi) {
    return truncado(dpi / kMmPorPolegada * mm + 0.5);
}

// The screen sheet with its widths and diagrams in printer pixels; chord rows are placed
// again, row by row, as they are printed.
Sheet folhaNoPapel(Sheet s, double ex, double ey) {
    for (int& largura : s.ColumnTextWidth) largura = truncado(largura * ex);
    s.ColumnGap = truncado(s.ColumnGap * ex);
    DiagramMetrics& d = s.Diagram;
    d.side = truncado(d.side * ey);
    d.gap = truncado(d.gap * ex);
    d.fretFontHeight = truncado(d.fretFontHeight * ey);
    d.fretNumberHeight = truncado(d.fretNumberHeight * ey);
    d.fretNumberWidth = truncado(d.fretNumberWidth * ex);
    for (std::vector<SheetRow>& coluna : s.Columns)
        for (SheetRow& linha : coluna) linha.Indent = truncado(linha.Indent * ex);
    return s;
}

// Left edge of a column on the paper, from the margins and the widths before it.
int esquerdaDaColuna(const PageLayout& l, int coluna, const PageMetrics& m) {
    double mm = l.margemEsquerda;
    if (coluna >= 1) mm += l.coluna1 + l.espacoColunas;
    if (coluna >= 2) mm += l.coluna2 + l.espacoColunas;
    if (m.pixelsPorMmX > 0) mm -= m.deslocamentoX / m.pixelsPorMmX;
    return truncado(mm * m.pixelsPorMmX + 0.5);
}

bool impressa(const SheetRow& linha, int pagina) {
    return linha.Page == pagina && linha.Kind != kGeneratedLine && linha.Height > 0;
}

}  // namespace

int alturaDaPagina(const Sheet& tela, int pagina) {
    int altura = 0;
    for (int c = 0; c < kMaxColunas; ++c)
        if (tela.ColumnVisible[c])
            for (const SheetRow& linha : tela.Columns[c])
                if (impressa(linha, pagina)) altura += linha.Height;
    return altura;
}

// Paper pixels per screen pixel: across by the printer's resolution, down so that the first
// page's rows fill the height between the margins.
PaginasDaFolha::Escalas PaginasDaFolha::escalasDe(const PinturaFolha& f, const PageMetrics& m,
                                                  int dpiTela) {
    const PageLayout& l = f.doc.Layout;
    Escalas e;
    e.x = m.pixelsPorMmY * kMmPorPolegada / dpiTela;
    const int margensTela = pixelsDeTela(l.margemSuperior + l.margemInferior, dpiTela);
    const int conteudo = pageScreenHeight(f.sheet, l, dpiTela, 1) - margensTela;
    const int margensPapel = truncado((l.margemSuperior + l.margemInferior) * m.pixelsPorMmY + 0.5);
    e.y = conteudo > 0 ? static_cast<double>(m.alturaFisica - margensPapel) / conteudo : e.x;
    const double inacessivelMm = m.pixelsPorMmY > 0 ? m.deslocamentoY / m.pixelsPorMmY : 0;
    e.topo = truncado((l.margemSuperior - inacessivelMm) * m.pixelsPorMmY + 0.5);
    return e;
}

PaginasDaFolha::PaginasDaFolha(const PinturaFolha& tela, const TextMeasure& medidaPapel,
                               const PageMetrics& metricas, int dpiTela)
    : PaginasDaFolha(tela, Sheet(tela.sheet), medidaPapel, metricas, dpiTela) {}

PaginasDaFolha::PaginasDaFolha(const PinturaFolha& tela, Sheet&& folhaDaTela,
                               const TextMeasure& medidaPapel, const PageMetrics& metricas,
                               int dpiTela)
    : tela_(tela),
      medida_(medidaPapel),
      metricas_(metricas),
      escalas_(escalasDe(tela, metricas, dpiTela)),
      papel_(folhaNoPapel(std::move(folhaDaTela), escalas_.x, escalas_.y)),
      leituras_(tela.tipos),
      pintura_{tela.doc, papel_, tela.tipos, tela.aparencia} {
    pintura_.leituras = &leituras_;
}

void PaginasDaFolha::desenhar(Tela& t, int pagina, const AcompanhamentoPagina& acomp) {
    // The paper's rows are the screen's, with the same pages and heights.
    if (acomp.aoComecarPagina) acomp.aoComecarPagina(pagina, alturaDaPagina(papel_, pagina));
    feito_ = 0;
    for (int c = 0; c < kMaxColunas; ++c)
        if (papel_.ColumnVisible[c]) coluna(t, pagina, c, acomp);
}

void PaginasDaFolha::coluna(Tela& t, int pagina, int c, const AcompanhamentoPagina& acomp) {
    const int x = esquerdaDaColuna(tela_.doc.Layout, c, metricas_);
    const bool intervaloDepois = c + 1 < papel_.ColumnCount;
    const int largura = papel_.ColumnTextWidth[c] + (intervaloDepois ? papel_.ColumnGap : 0);
    // Text is whole or cut as on screen; the paper's finer widths may take it a little past the
    // last column, into the margin, rather than have a clip bite its last letter.
    const int larguraTexto =
        intervaloDepois ? largura : std::max(largura, metricas_.larguraImprimivel - x);
    auto& linhas = papel_.Columns[c];
    long long acima = 0;  // screen pixels of the rows already printed in this column
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        SheetRow& linha = linhas[static_cast<std::size_t>(r)];
        if (!impressa(linha, pagina)) continue;
        const int y = truncado(acima * escalas_.y + 0.01) + escalas_.topo;
        acima += linha.Height;
        const int fim = truncado(acima * escalas_.y + 0.01) + escalas_.topo;
        const bool acordes = isChordKind(linha.Kind);
        if (acordes) linha.ChordExtents = placeRowChords(papel_, tela_.doc, medida_, c, r).extents;
        DesenharLinhaFolha(t, pintura_, c, r, {x, y, acordes ? largura : larguraTexto, fim - y});
        feito_ += linha.Height;
        if (acomp.aoAvancar) acomp.aoAvancar(feito_);
    }
}

}  // namespace trovale
