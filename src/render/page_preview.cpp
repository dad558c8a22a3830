#include "render/page_preview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace trovale {

namespace {

bool desenhada(const SheetPaint& f, const SheetRow& linha, int page) {
    if (linha.Page != page || linha.Kind == kGeneratedLine) return false;
    return !(isChordKind(linha.Kind) && f.doc.Template.Presentation == 0);
}

// The width a row is drawn in: its text and, when a column follows, the gap, where the
// chords of the sheet may reach as well.
int larguraDesenho(const Sheet& s, int column) {
    const bool gapFollows = column + 1 < s.ColumnCount;
    return s.ColumnTextWidth[column] + (gapFollows ? s.ColumnGap : 0);
}

struct LinhaPosta {
    int indice;
    double topo;  // sheet pixels from the top of the column
};

std::vector<LinhaPosta> linhasDaPagina(const SheetPaint& f, int page, int column, double passo,
                                       double& fundo) {
    std::vector<LinhaPosta> linhas;
    const std::vector<SheetRow>& rows = f.sheet.Columns[column];
    long long a = 0;
    fundo = 0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const SheetRow& linha = rows[static_cast<std::size_t>(i)];
        if (!desenhada(f, linha, page)) continue;
        const double topo = static_cast<double>(a) * passo;
        linhas.push_back({i, topo});
        fundo = std::max(fundo, topo + linha.Height);
        a += linha.Height;
    }
    return linhas;
}

}  // namespace

// The rows are painted on an image at the sheet's dpi, as the screen paints them, so that
// text takes the widths layout measured whatever resolution the preview's device has. Below
// the sheet's own size they are painted at that size and the picture is then made smaller:
// a diagram's one-pixel strings and frets and its small marks, painted straight at a fifth of
// their size, would fall between pixels.
void DrawPageColumn(QPainter& p, const SheetPaint& f, int page, int column,
                    const QPointF& topoEsquerda, double escala, double escalaVertical) {
    if (column < 0 || column >= kMaxColunas || !f.sheet.ColumnVisible[column]) return;
    if (!(escala > 0) || escalaVertical < 0) return;
    const double passo = escalaVertical > 0 ? escalaVertical / escala : 1.0;
    double fundo = 0;
    const std::vector<LinhaPosta> linhas = linhasDaPagina(f, page, column, passo, fundo);
    const int largura = larguraDesenho(f.sheet, column);
    if (linhas.empty() || largura <= 0 || fundo <= 0) return;

    const double dpr = p.device() ? std::max(1.0, p.device()->devicePixelRatioF()) : 1.0;
    const double alvo = escala * dpr;  // device pixels per sheet pixel
    const double pintura = std::max(alvo, 1.0);
    const QSize tamanhoAlvo(static_cast<int>(std::ceil(largura * alvo)),
                            static_cast<int>(std::ceil(fundo * alvo)));
    QImage imagem(static_cast<int>(std::ceil(largura * pintura)),
                  static_cast<int>(std::ceil(fundo * pintura)), QImage::Format_ARGB32_Premultiplied);
    if (imagem.isNull() || tamanhoAlvo.isEmpty()) return;
    imagem.setDotsPerMeterX(f.measure.superficie().dotsPerMeterX());
    imagem.setDotsPerMeterY(f.measure.superficie().dotsPerMeterY());
    imagem.fill(Qt::transparent);
    {
        QPainter q(&imagem);
        q.scale(pintura, pintura);
        for (const LinhaPosta& l : linhas) {
            const SheetRow& linha = f.sheet.Columns[column][static_cast<std::size_t>(l.indice)];
            q.save();
            q.translate(0, l.topo);
            DrawRow(q, f, column, l.indice, QRect(0, 0, largura, linha.Height));
            q.restore();
        }
    }
    if (pintura > alvo)
        imagem = imagem.scaled(tamanhoAlvo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    imagem.setDevicePixelRatio(dpr);
    p.drawImage(topoEsquerda, imagem);
}

int alturaLinhasPagina(const Sheet& sheet, int page) {
    PageLayout semMargens;
    semMargens.margemSuperior = semMargens.margemInferior = 0;
    return pageScreenHeight(sheet, semMargens, 96, page);
}

}  // namespace trovale
