#include "render/sheet_painter.h"

#include <QPainter>
#include <algorithm>
#include <limits>

#include "drawing/sheet_rows.h"
#include "render/qt_canvas.h"

namespace trovale {

namespace {

PinturaFolha pinturaDe(const SheetPaint& f) {
    return {f.doc, f.sheet, f.measure.tipos(), f.aparencia, f.linhaArrastada, f.colunaArrastada};
}

}  // namespace

void DrawChordSymbol(QPainter& p, const CatalogoTipos& tipos, std::string_view stored,
                     const QRect& caixa, const QFont& fonte, int tamanhoFonte, const QColor& cor) {
    TelaQt tela(p);
    DesenharSimboloAcorde(tela, tipos, stored, retanguloDe(caixa), fonteDe(fonte), tamanhoFonte,
                          corDe(cor));
}

bool DrawRow(QPainter& p, const SheetPaint& f, int column, int row, const QRect& rect) {
    TelaQt tela(p);
    return DesenharLinhaFolha(tela, pinturaDe(f), column, row, retanguloDe(rect));
}

int CaretX(QPainter& p, const SheetPaint& f, int column, int row, const QRect& rect,
           int cursor) {
    TelaQt tela(p);
    tela.salvar();
    const int x = PosicaoDoCursor(tela, pinturaDe(f), column, row, rect.left(), cursor);
    tela.restaurar();
    return x;
}

QSize sheetImageSize(const Sheet& sheet, int page) {
    long long largura = 0, altura = 0;  // a long sheet at a high resolution passes INT_MAX
    for (int c = 0; c < kMaxColunas; ++c) {
        if (!sheet.ColumnVisible[c]) continue;
        largura = std::max<long long>(largura, sheet.ColumnLeft[c] + sheet.ColumnWidth[c]);
        long long h = 1;
        for (const SheetRow& linha : sheet.Columns[c])
            if (page == 0 || (linha.Page == page && linha.Kind != kGeneratedLine))
                h += linha.Height;
        altura = std::max(altura, h);
    }
    const auto limitar = [](long long n) {
        return static_cast<int>(std::clamp<long long>(n, 1, std::numeric_limits<int>::max()));
    };
    return {limitar(largura), limitar(altura)};
}

QImage renderSheet(const SheetPaint& f, int page) {
    QImage imagem(sheetImageSize(f.sheet, page), QImage::Format_RGB32);
    // Fonts in points come out at the size the layout measured them.
    imagem.setDotsPerMeterX(f.measure.superficie().dotsPerMeterX());
    imagem.setDotsPerMeterY(f.measure.superficie().dotsPerMeterY());
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    for (int c = 0; c < kMaxColunas; ++c) {
        if (!f.sheet.ColumnVisible[c]) continue;
        int y = 0;
        const auto& linhas = f.sheet.Columns[c];
        for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
            const SheetRow& linha = linhas[static_cast<std::size_t>(i)];
            if (page != 0 && (linha.Page != page || linha.Kind == kGeneratedLine)) continue;
            DrawRow(p, f, c, i,
                    QRect(f.sheet.ColumnLeft[c], y, f.sheet.ColumnWidth[c], linha.Height));
            y += linha.Height;
        }
    }
    return imagem;
}

}  // namespace trovale
