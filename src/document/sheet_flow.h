#pragma once
// Inside the sheet layout: the page and column flow that the song rows and the diagram list
// share, and the steps that end every layout.

#include "document/sheet.h"

namespace trovale::sheet_internal {

// The font (and height) of a row kind; kinds no file can hold are drawn as lyrics.
int fontKind(int kind);
int rowHeightOf(const Sheet& sheet, int kind);
int columnCountOf(const PageLayout& layout);
// The flow at the top of page 1.
SheetFlow firstPageFlow(int usableHeight);

// Places rows one after another down the columns, moving on to the next column, and after the
// last one to a new page, when a row does not fit.
class PageFlow {
  public:
    PageFlow(Sheet& sheet, SheetFlow& state) : sheet_(sheet), state_(state) {}

    // Moves on when `height` plus the `keepWithNext` pixels of the row that must follow do not
    // fit. Rows other than chord rows widen the column by 2 pixels (`addsAllowance`). Returns
    // the column the row goes to.
    int makeRoom(int height, int keepWithNext, bool addsAllowance);
    // Appends to the current column, labelled with the current page.
    void append(SheetRow row);

  private:
    void moveOn();
    void startPage();

    Sheet& sheet_;
    SheetFlow& state_;
};

// Height the page reaches: the largest last capacity, or a row taller than that.
int pageEnd(const Sheet& sheet, const SheetFlow& flow);

// Appends the diagram list to the flow (only with "Letra cifrada" and a list order).
void appendDiagramList(Sheet& sheet, const SongDocument& doc, SheetFlow& flow);
// Page count, the last page, the closing editable rows, columns shown, chord extents and
// Truncated.
void finishSheet(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
                 const SheetFlow& flow);
// Left edges and shown widths from the text widths, the gap, the hidden columns and the view.
void applyColumnGeometry(Sheet& sheet);

}  // namespace trovale::sheet_internal
