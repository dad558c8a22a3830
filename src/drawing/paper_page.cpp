#include "drawing/paper_page.h"

#include <cmath>

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;

}  // namespace

FolhaDePapel folhaDePapel(int larguraMm, int alturaMm, int dpi) {
    FolhaDePapel f;
    f.larguraPt = static_cast<int>(std::lround(larguraMm * 72.0 / kMmPorPolegada));
    f.alturaPt = static_cast<int>(std::lround(alturaMm * 72.0 / kMmPorPolegada));
    PageMetrics& m = f.metricas;
    m.pixelsPorMmX = m.pixelsPorMmY = dpi / kMmPorPolegada;
    m.larguraFisica = m.larguraImprimivel = static_cast<int>(std::lround(f.larguraPt * dpi / 72.0));
    m.alturaFisica = m.alturaImprimivel = static_cast<int>(std::lround(f.alturaPt * dpi / 72.0));
    m.larguraPapelMm = larguraMm;
    m.alturaPapelMm = alturaMm;
    return f;
}

}  // namespace trovale
