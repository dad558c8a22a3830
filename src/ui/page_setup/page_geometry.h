#pragma once
// Where the parts of a page stand on the page picture: the paper, the margin lines and the
// column frames; and which field a click there selects.

#include <QPointF>
#include <QRectF>
#include <array>
#include <optional>

#include "settings/page_layout.h"

namespace trovale {

struct GeometriaPagina {
    QRectF papel;         // the paper on the picture
    double pxPorMm = 0;   // picture pixels per millimetre
    double esquerda = 0;  // x of the left and right margin lines
    double direita = 0;
    double topo = 0;  // y of the top and bottom margin lines
    double base = 0;
    int colunas = 1;
    std::array<QRectF, kMaxColunas> coluna{};  // the text frame of each column
    double tolerancia = 0;                     // how near a line a click still counts
};

// The paper of `larguraMm` x `alturaMm` in the largest square that fits `quadro`, its long
// side along the square's side, centred.
GeometriaPagina geometriaPagina(const QRectF& quadro, const PageLayout& layout, int larguraMm,
                                int alturaMm);

// The field whose part of the page is at `ponto`: the margin strips (each reaching a
// fiftieth of the picture past its line), then inside the text area the columns and the gaps
// between them. Nothing outside the paper.
std::optional<CampoLayout> campoNoPonto(const GeometriaPagina& g, QPointF ponto);

}  // namespace trovale
