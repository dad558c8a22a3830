#pragma once
// A PDF page of a paper size: whole points, as Qt sizes a page given in millimetres, and its
// pixels at a resolution. Both PDF outputs take their pages from here, so that they agree.

#include "drawing/page_metrics.h"

namespace trovale {

struct FolhaDePapel {
    int larguraPt = 0;
    int alturaPt = 0;
    PageMetrics metricas;  // the whole page printable, in pixels of the resolution asked
};

// `larguraMm` by `alturaMm` as the paper is turned, at `dpi` pixels per inch.
FolhaDePapel folhaDePapel(int larguraMm, int alturaMm, int dpi);

}  // namespace trovale
