#include "render/songbook_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace trovale {

namespace {

// The contents page, in millimetres: A4 with comfortable margins and a row every 7 mm.
constexpr double kMargemLateralMm = 20;
constexpr double kMargemSuperiorMm = 25;
constexpr double kCabecalhoMm = 16;
constexpr double kLinhaMm = 7;
constexpr double kAlturaA4Mm = 297;
constexpr double kFaixaNumeroMinimaMm = 6;

int linhasNaPagina(int k) {
    const double util =
        kAlturaA4Mm - kMargemSuperiorMm - kMargemInferiorIndiceMm - (k == 0 ? kCabecalhoMm : 0);
    return static_cast<int>(util / kLinhaMm);
}

QFont fonte(double pontos, bool negrito = false, bool italico = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    f.setItalic(italico);
    return f;
}

QString qt(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Text cut with "..." to fit `largura`, drawn with its baseline at `base`.
void escreverCortado(QPainter& p, double x, double base, double largura, const QString& texto) {
    const QFontMetricsF m(p.font(), p.device());
    p.drawText(QPointF(x, base), m.elidedText(texto, Qt::ElideRight, largura));
}

void desenharEntrada(QPainter& p, const PaginaCaderno& pg, double base, const EntradaIndice& e) {
    const double esquerda = kMargemLateralMm * pg.pxPorMm;
    const double largura = pg.largura - 2 * esquerda;
    const QString numero = QString::number(e.pagina);
    p.setFont(fonte(11));
    p.setPen(Qt::black);
    escreverCortado(p, esquerda, base, largura * 0.52, qt(e.titulo));
    const QFontMetricsF m(p.font(), p.device());
    p.drawText(QPointF(esquerda + largura - m.horizontalAdvance(numero), base), numero);
    p.setFont(fonte(10, false, true));
    p.setPen(QColor(80, 80, 80));
    escreverCortado(p, esquerda + largura * 0.54, base, largura * 0.36, qt(e.autor));
}

}  // namespace

int paginasDoIndice(int entradas) {
    int paginas = 1;
    for (int restantes = entradas - linhasNaPagina(0); restantes > 0;
         restantes -= linhasNaPagina(paginas))
        ++paginas;
    return paginas;
}

void desenharCapa(QPainter& p, const PaginaCaderno& pg, const std::string& titulo) {
    const double margem = kMargemLateralMm * pg.pxPorMm;
    const QRectF area(margem, pg.altura * 0.3, pg.largura - 2 * margem, pg.altura * 0.3);
    p.setFont(fonte(28, true));
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, qt(titulo));
}

void desenharPaginaIndice(QPainter& p, const PaginaCaderno& pg, int k,
                          const std::vector<EntradaIndice>& entradas) {
    std::size_t primeira = 0;
    for (int anterior = 0; anterior < k; ++anterior)
        primeira += static_cast<std::size_t>(linhasNaPagina(anterior));
    double topo = kMargemSuperiorMm * pg.pxPorMm;
    if (k == 0) {
        p.setFont(fonte(18, true));
        p.setPen(Qt::black);
        p.drawText(QPointF(kMargemLateralMm * pg.pxPorMm, topo + 8 * pg.pxPorMm),
                   qt(kTituloIndice));
        topo += kCabecalhoMm * pg.pxPorMm;
    }
    const std::size_t fim =
        std::min(entradas.size(), primeira + static_cast<std::size_t>(linhasNaPagina(k)));
    for (std::size_t i = primeira; i < fim; ++i) {
        const double base =
            topo + (static_cast<double>(i - primeira) + 0.75) * kLinhaMm * pg.pxPorMm;
        desenharEntrada(p, pg, base, entradas[i]);
    }
}

void desenharNumeroPagina(QPainter& p, const PaginaCaderno& pg, double margemInferiorMm,
                          int numero) {
    const double faixa = std::max(margemInferiorMm, kFaixaNumeroMinimaMm) * pg.pxPorMm;
    p.save();
    p.setFont(fonte(9));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, pg.altura - faixa, pg.largura, faixa), Qt::AlignCenter,
               QString::number(numero));
    p.restore();
}

}  // namespace trovale
