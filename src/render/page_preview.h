#pragma once
// The sheet as the page setup window previews it: one column of one page at a time, drawn
// at the preview's scale with the positions the layout gave it on screen.

#include <QPointF>

#include "render/sheet_painter.h"

class QPainter;

namespace trovale {

// Draws the rows of page `page` in column `column` (from 0), separators left out, with the
// top left corner at `topoEsquerda` (preview pixels). Screen pixels of the sheet become
// `escala` preview pixels, text included, so the preview keeps the sheet's positions. Rows
// follow each other `escalaVertical` preview pixels per screen pixel apart (0: `escala`), so
// that a page can be fitted between its margins as printing fits it. Chord rows take no
// room under "Só letra".
void DrawPageColumn(QPainter& p, const SheetPaint& folha, int page, int column,
                    const QPointF& topoEsquerda, double escala, double escalaVertical = 0);

// Screen height of the rows of page `page` as printing scales it: the page's screen height
// without its margins.
int alturaLinhasPagina(const Sheet& sheet, int page);

}  // namespace trovale
