#pragma once
// Pixel geometry shared by the grid, the marks and the hit test: positions are kept as
// "along" (the neck's length) and "across" (string to string) and turned into x, y only here.

#include "drawing/diagram.h"

namespace trovale::diagrama {

// Inclusive pixel ranges along and across; either may be given in any order.
Retangulo retangulo(const MedidasDiagrama& m, int along0, int along1, int across0, int across1);

// +1 when the far end of the neck lies at larger coordinates than the base, else -1.
inline int sentidoFim(const MedidasDiagrama& m) {
    return m.FimBraco >= m.BordaBase ? 1 : -1;
}

// Along and across coordinates of a point.
inline int along(const MedidasDiagrama& m, int x, int y) {
    return m.Orientacao == kOrientacaoVertical ? y : x;
}
inline int across(const MedidasDiagrama& m, int x, int y) {
    return m.Orientacao == kOrientacaoVertical ? x : y;
}

// Pixels of a symmetric box of half-size r (+0.5 on an odd band) about the middle of a band.
FaixaPixels caixaCentrada(const FaixaPixels& faixa, int r);
// The same along a casa: an even casa's middle is taken toward the far end of the neck.
FaixaPixels caixaAlong(const MedidasDiagrama& m, int casa, int r);
// The along pixel of a casa's centre line (the far one of the two middle pixels when even).
int centroAlong(const MedidasDiagrama& m, int casa);
// Box of the symbol of a string, in the zone beyond the far end.
Retangulo caixaSimbolo(const MedidasDiagrama& m, int corda);
// Box of the note dot of a string in a casa.
Retangulo caixaPonto(const MedidasDiagrama& m, int corda, int casa);

}  // namespace trovale::diagrama
