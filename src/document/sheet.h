#pragma once
// The laid-out form of a song: its lines spread over pages and over one to three side-by-side
// columns, with a separator row between pages and a generated list of chord diagrams at the
// end. Everything is in screen pixels at the page setup's dpi; printing scales it. Layout
// decides every position here, painting only reads them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/chord_placement.h"
#include "document/song_document.h"
#include "settings/page_layout.h"

namespace trovale {

class TextMeasure;

// One row of a sheet column.
struct SheetRow {
    int Page = 1;
    std::string Text;  // as in Lines: chord rows hold the encoded chord line
    int Line = -1;     // the song line it shows; -1 for rows the layout made
    std::uint8_t Kind = kLyricLine;
    int Height = 0;
    std::vector<ChordExtent> ChordExtents;  // chord rows: where each chord was placed
    // Whether the row passes its column's end, decided here once so that every device cuts it
    // alike: a cut text row is drawn as its first Kept characters and "...", a cut chord row
    // ends with "...".
    bool Cut = false;
    std::size_t Kept = 0;
    // A long line wrapped into several rows, one per piece (see line_wrapping.h): Text holds the
    // piece, for a chord row the chords over it at columns counted from the piece's start. The
    // song's own line stays in the document.
    bool Wrapped = false;
    int Piece = 0;           // from 0
    std::size_t Start = 0;   // where the piece starts in the song line
    int Indent = 0;          // pixels the piece stands in from the column's edge
};

// A text row as drawn, in its stored case: whole, or cut with "...".
std::string shownText(const SheetRow& row);

// What the layout takes from outside the document.
struct SheetSettings {
    int dpi = 96;
    double pageHeightMm = 297;      // physical page height for the document's orientation
    bool fretNumbersAbove = false;  // horizontal diagrams: fret numbers above, else beside
};

// Diagram measures of the sheet, in pixels.
struct DiagramMetrics {
    int side = 0;              // D
    int fretFontHeight = 0;    // the pixel height Fonts[5] is set to
    int fretNumberHeight = 0;  // text height of a fret number at that size
    int fretNumberWidth = 0;   // W12, width of "12"
    int gap = 0;               // G, between diagrams
    bool fretNumbersAbove = false;
};

// Where the page and column flow stands.
struct SheetFlow {
    int page = 1;
    int column = 0;    // from 0
    int capacity = 0;  // C
    std::array<int, kMaxColunas> used{};
    std::array<int, kMaxColunas> lastCapacity{};
    bool columnHoldsRow = false;  // the current column has a row of this page
};

struct Sheet {
    std::array<std::vector<SheetRow>, kMaxColunas> Columns;  // column 1 at index 0
    std::array<int, kMaxColunas> SongRowCount{};             // rows before the diagram list
    int PageCount = 1;
    std::vector<int> PageHeight;  // by page number, [0] unused; the last page has no separator
    std::vector<int> PageFiller;  // by page number, [0] unused; 0 for the last page
    std::array<int, kLineKindCount> RowHeight{};
    std::array<int, kMaxColunas> ColumnTextWidth{};
    bool Truncated = false;  // some row does not fit its column

    int ColumnCount = 1;  // columns the page layout asks for
    int ColumnGap = 0;
    int ViewWidth = 0;                              // the last column stretches to it
    std::array<int, kMaxColunas> ColumnLeft{};      // x of each column on the sheet
    std::array<int, kMaxColunas> ColumnWidth{};     // shown width: text, gap, stretch
    std::array<bool, kMaxColunas> ColumnVisible{};  // column 1 always; 2 and 3 with rows
    DiagramMetrics Diagram;
    int UsableHeight = 0;  // U
    // Where the song's rows end, so that the diagram list can be made again from there.
    SheetFlow SongEnd;
    std::array<int, kMaxColunas> SongEndRowHeight{};
};

// Fonts[5] pixel height for a diagram side D: D div 11 from 160 on, below that
// Trunc(sqrt(1.2 * D) + 0.5), which keeps small numbers readable.
int fretFontHeight(int diagramSide);
DiagramMetrics diagramMetrics(const Modelo& modelo, const TextMeasure& measure,
                              const SheetSettings& settings);

// Run in this order after loading and after any change of fonts, template, page layout,
// printer, lines or line kinds.
void ComputeRowHeights(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
                       const SheetSettings& settings);
// Column text widths and gap from the page layout; viewWidth 0 means no stretch.
void ComputeColumns(Sheet& sheet, const SongDocument& doc, const SheetSettings& settings,
                    int viewWidth);
// Rebuilds every row: pagination, diagram list, final rows, column visibility, chord extents
// and Truncated.
void LayOut(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
            const SheetSettings& settings);
// Makes the diagram list again from the song rows of the sheet (after chord changes).
void RegenerateDiagramList(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure);

// Diagrams on one list row of a column this wide: 1..25.
int diagramsPerListRow(const DiagramMetrics& diagram, int columnTextWidth);
// The chords of a chord row of the sheet placed over the row below it; none under "Só letra".
ChordPlacement placeRowChords(const Sheet& sheet, const SongDocument& doc,
                              const TextMeasure& measure, int column, int row);

// The page whose end has not yet scrolled past the top of the view.
int PageAtTop(const Sheet& sheet, int scrollOffset);
// Screen height of a page with its top and bottom margins, for print scaling.
int pageScreenHeight(const Sheet& sheet, const PageLayout& layout, int dpi, int page);
// Height a column is drawn with: its rows and one pixel.
int columnDrawingHeight(const Sheet& sheet, int column);

// Rebuilds Lines and LineKinds from the rows, page by page, then column by column: the
// separators, the diagram list and text rows of no height are left out. True when a kind
// above 5 is present (the newer file version).
bool GatherFromSheet(SongDocument& doc, const Sheet& sheet);

}  // namespace trovale
