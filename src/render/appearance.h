#pragma once
// The diagram operations on a QPainter, for the program's windows, the printer and the images:
// each hands the painter to the surface-neutral drawing in drawing/diagram.h, which also
// declares the appearance and the measures.

#include <QColor>

#include "drawing/diagram.h"

class QPainter;

namespace trovale {

// Computes the measures for the rectangle and draws strings, base line and frets in `frente`;
// the symbols' boxes are later cleared to the painter's brush colour (white without a brush).
void DesenharBraco(QPainter& p, const Aparencia& aparencia, MedidasDiagrama& medidas, int X0,
                   int Y0, int W, int H, const QColor& frente = Qt::black);

// Barres, note dots and string symbols of a fingering on the grid last drawn.
void DesenharDigitacao(QPainter& p, const MedidasDiagrama& medidas, const TDigitacao& digitacao);

// Single marks, for the fingering editor; a dot drawn in white erases it.
void DesenharPonto(QPainter& p, const MedidasDiagrama& medidas, int corda, int casa,
                   const QColor& cor);
void DesenharPestana(QPainter& p, const MedidasDiagrama& medidas, int casa, int primeira,
                     int ultima, const QColor& cor, int meiaEspessura);
// kind: 0 bass (disc), 1 struck (ring), 2 muted (cross); in the background colour the box is
// cleared and a dotted focus rectangle drawn instead.
void DesenharSimbolo(QPainter& p, const MedidasDiagrama& medidas, int corda, int tipo,
                     const QColor& cor);

// Writes the start fret beside the diagram when it is above 1, in the painter's font.
void DesenharRotuloCasa(QPainter& p, const MedidasDiagrama& medidas, int casaInicial,
                        const QColor& cor = Qt::black);

}  // namespace trovale
