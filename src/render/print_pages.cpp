#include "render/print_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "render/sheet_measure.h"

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;

int truncado(double valor) {
    return static_cast<int>(valor);
}

int pixelsDeTela(double mm, int dpi) {
    return truncado(dpi / kMmPorPolegada * mm + 0.5);
}

// Paper pixels per screen pixel: across by the printer's resolution, down so that the first
// page's rows fill the height between the margins.
struct Escalas {
    double x = 1;
    double y = 1;
    int topo = 0;  // top margin below the printable area's edge, printer pixels
};

Escalas escalasDe(const SheetPaint& f, const DestinoImpressao& d) {
    const PageMetrics& m = d.metricas;
    const PageLayout& l = f.doc.Layout;
    Escalas e;
    e.x = m.pixelsPorMmY * kMmPorPolegada / d.dpiTela;
    const int margensTela = pixelsDeTela(l.margemSuperior + l.margemInferior, d.dpiTela);
    const int conteudo = pageScreenHeight(f.sheet, l, d.dpiTela, 1) - margensTela;
    const int margensPapel = truncado((l.margemSuperior + l.margemInferior) * m.pixelsPorMmY + 0.5);
    e.y = conteudo > 0 ? static_cast<double>(m.alturaFisica - margensPapel) / conteudo : e.x;
    const double inacessivelMm = m.pixelsPorMmY > 0 ? m.deslocamentoY / m.pixelsPorMmY : 0;
    e.topo = truncado((l.margemSuperior - inacessivelMm) * m.pixelsPorMmY + 0.5);
    return e;
}

// The screen sheet with its widths and diagrams in printer pixels; chord rows are placed
// again, row by row, as they are printed.
Sheet folhaNoPapel(const Sheet& tela, const Escalas& e) {
    Sheet s = tela;
    for (int& largura : s.ColumnTextWidth) largura = truncado(largura * e.x);
    s.ColumnGap = truncado(tela.ColumnGap * e.x);
    DiagramMetrics& d = s.Diagram;
    d.side = truncado(d.side * e.y);
    d.gap = truncado(d.gap * e.x);
    d.fretFontHeight = truncado(d.fretFontHeight * e.y);
    d.fretNumberHeight = truncado(d.fretNumberHeight * e.y);
    d.fretNumberWidth = truncado(d.fretNumberWidth * e.x);
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

int alturaDaPagina(const Sheet& tela, int pagina) {
    int altura = 0;
    for (int c = 0; c < kMaxColunas; ++c)
        if (tela.ColumnVisible[c])
            for (const SheetRow& linha : tela.Columns[c])
                if (impressa(linha, pagina)) altura += linha.Height;
    return altura;
}

class Impressao {
  public:
    Impressao(const SheetPaint& tela, const DestinoImpressao& d, const AcompanhamentoImpressao& a)
        : tela_(tela),
          destino_(d),
          acomp_(a),
          escalas_(escalasDe(tela, d)),
          papel_(folhaNoPapel(tela.sheet, escalas_)),
          medida_(tela.doc.Template, tela.measure.tipos(),
                  std::max(1, truncado(d.metricas.pixelsPorMmY * kMmPorPolegada + 0.5))),
          pintura_{tela.doc, papel_, medida_, tela.aparencia} {}

    void pagina(QPainter& p, int numero) {
        if (acomp_.aoComecarPagina) acomp_.aoComecarPagina(numero, alturaDaPagina(tela_.sheet, numero));
        feito_ = 0;
        for (int c = 0; c < kMaxColunas; ++c)
            if (tela_.sheet.ColumnVisible[c]) coluna(p, numero, c);
    }

  private:
    void coluna(QPainter& p, int numero, int c) {
        const int x = esquerdaDaColuna(tela_.doc.Layout, c, destino_.metricas);
        const bool intervaloDepois = c + 1 < papel_.ColumnCount;
        const int largura = papel_.ColumnTextWidth[c] + (intervaloDepois ? papel_.ColumnGap : 0);
        auto& linhas = papel_.Columns[c];
        long long acima = 0;  // screen pixels of the rows already printed in this column
        for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
            SheetRow& linha = linhas[static_cast<std::size_t>(r)];
            if (!impressa(linha, numero)) continue;
            const int y = truncado(acima * escalas_.y + 0.01) + escalas_.topo;
            acima += linha.Height;
            const int fim = truncado(acima * escalas_.y + 0.01) + escalas_.topo;
            if (isChordKind(linha.Kind))
                linha.ChordExtents = placeRowChords(papel_, tela_.doc, medida_, c, r).extents;
            DrawRow(p, pintura_, c, r, QRect(x, y, largura, fim - y));
            feito_ += linha.Height;
            if (acomp_.aoAvancar) acomp_.aoAvancar(feito_);
        }
    }

    const SheetPaint& tela_;
    const DestinoImpressao& destino_;
    const AcompanhamentoImpressao& acomp_;
    Escalas escalas_;
    Sheet papel_;
    SheetMeasure medida_;
    SheetPaint pintura_;
    int feito_ = 0;
};

}  // namespace

FimImpressao PrintPages(const SheetPaint& folha, const std::vector<int>& paginas,
                        const DestinoImpressao& destino, const AcompanhamentoImpressao& acomp) {
    Impressao impressao(folha, destino, acomp);
    QPainter p;
    if (!p.begin(&destino.dispositivo)) return FimImpressao::NaoIniciada;
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) destino.dispositivo.newPage();
        impressao.pagina(p, paginas[i]);
        if (acomp.abortado && acomp.abortado()) {
            if (acomp.abortarTrabalho) acomp.abortarTrabalho();
            p.end();
            return FimImpressao::Abortada;
        }
    }
    p.end();
    return FimImpressao::Concluida;
}

}  // namespace trovale
