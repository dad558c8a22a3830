#include "ui/page_setup/page_geometry.h"

#include <algorithm>

namespace trovale {

namespace {

constexpr double kFracaoTolerancia = 50;

QRectF quadradoCentrado(const QRectF& quadro) {
    const double lado = std::min(quadro.width(), quadro.height());
    return QRectF(quadro.center().x() - lado / 2, quadro.center().y() - lado / 2, lado, lado);
}

void posicionarColunas(GeometriaPagina& g, const PageLayout& l) {
    const std::array<int, kMaxColunas> larguras{l.coluna1, l.coluna2, l.coluna3};
    double x = g.esquerda;
    for (int c = 0; c < g.colunas; ++c) {
        const double largura = std::max(0, larguras[c]) * g.pxPorMm;
        g.coluna[c] = QRectF(x, g.topo, largura, std::max(0.0, g.base - g.topo));
        x += largura + std::max(0, l.espacoColunas) * g.pxPorMm;
    }
}

CampoLayout campoDaColuna(int c) {
    return static_cast<CampoLayout>(static_cast<int>(CampoLayout::Coluna1) + c);
}

}  // namespace

GeometriaPagina geometriaPagina(const QRectF& quadro, const PageLayout& layout, int larguraMm,
                                int alturaMm) {
    GeometriaPagina g;
    const QRectF quadrado = quadradoCentrado(quadro);
    g.tolerancia = quadrado.width() / kFracaoTolerancia;
    const int maior = std::max({larguraMm, alturaMm, 1});
    g.pxPorMm = quadrado.width() / maior;
    const QSizeF tamanho(std::max(larguraMm, 0) * g.pxPorMm, std::max(alturaMm, 0) * g.pxPorMm);
    g.papel =
        QRectF(quadrado.center().x() - tamanho.width() / 2,
               quadrado.center().y() - tamanho.height() / 2, tamanho.width(), tamanho.height());
    g.esquerda = g.papel.left() + layout.margemEsquerda * g.pxPorMm;
    g.direita = g.papel.right() - layout.margemDireita * g.pxPorMm;
    g.topo = g.papel.top() + layout.margemSuperior * g.pxPorMm;
    g.base = g.papel.bottom() - layout.margemInferior * g.pxPorMm;
    g.colunas = std::clamp(layout.numColunas, 1, kMaxColunas);
    posicionarColunas(g, layout);
    return g;
}

std::optional<CampoLayout> campoNoPonto(const GeometriaPagina& g, QPointF ponto) {
    if (!g.papel.contains(ponto)) return std::nullopt;
    const double t = g.tolerancia;
    if (ponto.x() <= g.esquerda + t) return CampoLayout::MargemEsquerda;
    if (ponto.x() >= g.direita - t) return CampoLayout::MargemDireita;
    if (ponto.y() <= g.topo + t) return CampoLayout::MargemSuperior;
    if (ponto.y() >= g.base - t) return CampoLayout::MargemInferior;
    for (int c = 0; c < g.colunas; ++c) {
        if (c > 0 && ponto.x() < g.coluna[c].left()) return CampoLayout::EspacoColunas;
        if (ponto.x() <= g.coluna[c].right()) return campoDaColuna(c);
    }
    // The millimetre the rebalance may leave free belongs to the last column.
    return campoDaColuna(g.colunas - 1);
}

}  // namespace trovale
