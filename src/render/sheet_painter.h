#pragma once
// Painting a laid-out sheet: one row at a time, as layout placed it. Painting decides no
// position of its own beyond the inside of a row.

#include <QImage>
#include <QRect>

#include "document/sheet.h"
#include "render/appearance.h"
#include "render/sheet_measure.h"

class QColor;
class QFont;
class QPainter;

namespace trovale {

// What painting a sheet reads besides the sheet; all must outlive the painting.
struct SheetPaint {
    const SongDocument& doc;
    const Sheet& sheet;
    const SheetMeasure& measure;
    const Aparencia& aparencia;
    // The chord being dragged, drawn in grey: its song line and lyric column.
    int linhaArrastada = -1;
    int colunaArrastada = 0;
};

// A stored chord symbol as the sheet draws it, at the bottom left of `caixa`: its name built
// from its elements when the catalogue reads it, else the symbol as text.
void DrawChordSymbol(QPainter& p, const CatalogoTipos& tipos, std::string_view stored,
                     const QRect& caixa, const QFont& fonte, int tamanhoFonte, const QColor& cor);

// Draws row `row` of column `column` (from 0) into `rect`, in screen pixels. True when the row
// does not fit its column (the document window's truncation warning).
bool DrawRow(QPainter& p, const SheetPaint& folha, int column, int row, const QRect& rect);
// The caret's x after `cursor` characters of a text row drawn in `rect`.
int CaretX(QPainter& p, const SheetPaint& folha, int column, int row, const QRect& rect,
           int cursor);

// The sheet as the document window shows it: the visible columns side by side from the top;
// with `page` above 0 only the rows of that page, separators left out.
QImage renderSheet(const SheetPaint& folha, int page = 0);
// The size of that picture, known before anything is drawn.
QSize sheetImageSize(const Sheet& sheet, int page = 0);

}  // namespace trovale
