// Row heights, column geometry and the page questions of the sheet.
#include "document/sheet.h"

#include <algorithm>
#include <cmath>

#include "document/sheet_flow.h"
#include "document/text_measure.h"
#include "document/text_truncation.h"

namespace trovale {

using namespace sheet_internal;

namespace {

constexpr int kTextWidthAllowance = 4;  // a column's text area is 4 pixels wider than its mm
constexpr int kMaxDiagramsPerRow = 25;  // one chord line holds no more
constexpr long long kMaxPixels = 10'000'000;

// Trunc(dpi / 25.4 * mm + 0.5), in integers so that 25.4 adds no rounding of its own.
int roundedPixels(long long mm, int dpi) {
    mm = std::clamp<long long>(mm, 0, kMaxMedida);
    const long long pixels = (10LL * std::max(dpi, 0) * mm + 127) / 254;
    return static_cast<int>(std::min(pixels, kMaxPixels));
}

// T(k): the height of "M" and a pixel above and below.
int textRowHeight(const TextMeasure& measure, int kind) {
    return measure.letterMHeight(kind) + 2;
}

// Trunc(1.2 * (Trunc(1.2 * T(3)) + D + F) + 0.5), F only when the numbers stand above.
int diagramRowHeight(const DiagramMetrics& diagram, int chordTextHeight) {
    const int fret = diagram.fretNumbersAbove ? diagram.fretNumberHeight : 0;
    const long long inner = 12LL * chordTextHeight / 10 + diagram.side + fret;
    return static_cast<int>(std::min((12 * inner + 5) / 10, kMaxPixels));
}

}  // namespace

int fretFontHeight(int diagramSide) {
    if (diagramSide >= 160) return diagramSide / 11;
    return static_cast<int>(std::sqrt(1.2 * std::max(diagramSide, 0)) + 0.5);
}

DiagramMetrics diagramMetrics(const Modelo& modelo, const TextMeasure& measure,
                              const SheetSettings& settings) {
    DiagramMetrics d;
    const long long side = 10LL * modelo.tamanhoDiagramaMm() * std::max(settings.dpi, 0) / 254;
    d.side = static_cast<int>(std::clamp<long long>(side, 0, kMaxPixels));
    d.fretFontHeight = fretFontHeight(d.side);
    d.fretNumberHeight = measure.fretNumberHeight(d.fretFontHeight);
    d.fretNumberWidth = measure.fretNumberWidth(d.fretFontHeight);
    d.fretNumbersAbove = settings.fretNumbersAbove;
    d.gap = 3 * d.side / 10 + (d.fretNumbersAbove ? 0 : d.fretNumberWidth);
    return d;
}

void ComputeRowHeights(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
                       const SheetSettings& settings) {
    sheet.Diagram = diagramMetrics(doc.Template, measure, settings);
    for (int kind : {kTitleLine, kAuthorLine, kLyricLine, kRefrainLine, kChorusLine, kNotesLine})
        sheet.RowHeight[kind] = textRowHeight(measure, kind);
    const int chordText = textRowHeight(measure, kChordLine);
    sheet.RowHeight[kChordLine] = 14 * chordText / 10;
    sheet.RowHeight[kDiagramChordLine] = diagramRowHeight(sheet.Diagram, chordText);
    sheet.RowHeight[kGeneratedLine] = sheet.RowHeight[kLyricLine];
}

void ComputeColumns(Sheet& sheet, const SongDocument& doc, const SheetSettings& settings,
                    int viewWidth) {
    const PageLayout& layout = doc.Layout;
    sheet.ColumnCount = columnCountOf(layout);
    const std::array<int, kMaxColunas> widthMm{layout.coluna1, layout.coluna2, layout.coluna3};
    for (int c = 0; c < kMaxColunas; ++c)
        sheet.ColumnTextWidth[c] =
            c < sheet.ColumnCount ? roundedPixels(widthMm[c], settings.dpi) + kTextWidthAllowance
                                  : 0;
    sheet.ColumnGap = roundedPixels(layout.espacoColunas, settings.dpi);
    sheet.ViewWidth = std::max(viewWidth, 0);
    applyColumnGeometry(sheet);
}

int diagramsPerListRow(const DiagramMetrics& diagram, int columnTextWidth) {
    const int besideWidth = diagram.fretNumbersAbove ? 0 : diagram.fretNumberWidth;
    const int n = (columnTextWidth + diagram.gap - besideWidth) / (diagram.side + diagram.gap + 1);
    return std::clamp(n, 1, kMaxDiagramsPerRow);
}

ChordPlacement placeRowChords(const Sheet& sheet, const SongDocument& doc,
                              const TextMeasure& measure, int column, int row) {
    if (column < 0 || column >= kMaxColunas) return {};
    const std::vector<SheetRow>& rows = sheet.Columns[column];
    if (row < 0 || row >= static_cast<int>(rows.size())) return {};
    const SheetRow& chordRow = rows[row];
    if (!isChordKind(chordRow.Kind) || doc.Template.Presentation == 0) return {};
    ChordRowContext context;
    if (row + 1 < static_cast<int>(rows.size())) {
        context.nextText = rows[row + 1].Text;
        context.nextKind = rows[row + 1].Kind;
    }
    context.columnTextWidth = sheet.ColumnTextWidth[column] - chordRow.Indent;
    context.diagramSide = sheet.Diagram.side;
    context.diagramGap = sheet.Diagram.gap;
    ChordPlacement placement = placeChords(chordRow.Text, chordRow.Kind, context, doc.Chords, measure);
    for (ChordExtent& e : placement.extents) e.x += chordRow.Indent;
    return placement;
}

std::string shownText(const SheetRow& row) {
    if (!row.Cut || isChordKind(row.Kind)) return row.Text;
    return row.Text.substr(0, std::min(row.Kept, row.Text.size())) + std::string(kEllipsis);
}

int PageAtTop(const Sheet& sheet, int scrollOffset) {
    const int lastPage =
        std::min<int>(sheet.PageCount, static_cast<int>(sheet.PageHeight.size()) - 1);
    if (lastPage < 1 || sheet.PageFiller.size() < sheet.PageHeight.size()) return 1;
    int page = 1;
    long long end = sheet.PageHeight[1] - sheet.RowHeight[kGeneratedLine];
    while (page < lastPage && end - sheet.PageFiller[page] < scrollOffset) {
        ++page;
        end += sheet.PageHeight[page];
    }
    return page;
}

int pageScreenHeight(const Sheet& sheet, const PageLayout& layout, int dpi, int page) {
    int height =
        roundedPixels(static_cast<long long>(layout.margemSuperior) + layout.margemInferior, dpi);
    if (page == sheet.PageCount && page < static_cast<int>(sheet.PageHeight.size()))
        return height + sheet.PageHeight[page];
    for (const SheetRow& row : sheet.Columns[0])
        if (row.Page == page && row.Kind != kGeneratedLine) height += row.Height;
    return height;
}

int columnDrawingHeight(const Sheet& sheet, int column) {
    int height = 1;
    if (column < 0 || column >= kMaxColunas) return height;
    for (const SheetRow& row : sheet.Columns[column]) height += row.Height;
    return height;
}

// ---- Shared with the pagination -------------------------------------------------------------

namespace sheet_internal {

int fontKind(int kind) {
    return kind >= 0 && kind < kLineKindCount ? kind : kLyricLine;
}

int rowHeightOf(const Sheet& sheet, int kind) {
    return sheet.RowHeight[fontKind(kind)];
}

int columnCountOf(const PageLayout& layout) {
    return std::clamp(layout.numColunas, 1, kMaxColunas);
}

void applyColumnGeometry(Sheet& sheet) {
    std::array<int, kMaxColunas> width{};
    for (int c = 0; c < sheet.ColumnCount; ++c) {
        const bool gapFollows = c + 1 < sheet.ColumnCount;
        width[c] = sheet.ColumnTextWidth[c] + (gapFollows ? sheet.ColumnGap : 0);
        sheet.ColumnVisible[c] = c == 0 || !sheet.Columns[c].empty();
    }
    for (int c = sheet.ColumnCount; c < kMaxColunas; ++c) sheet.ColumnVisible[c] = false;
    // An empty column 3, then 2, hands its width on, so the page keeps its width on screen.
    for (int c = kMaxColunas - 1; c > 0; --c) {
        if (sheet.ColumnVisible[c]) continue;
        width[c - 1] += width[c];
        width[c] = 0;
    }
    int last = 0;
    for (int c = 0; c < kMaxColunas; ++c)
        if (sheet.ColumnVisible[c]) last = c;
    int total = 0;
    for (int w : width) total += w;
    if (sheet.ViewWidth > total) width[last] += sheet.ViewWidth - total;
    int left = 0;
    for (int c = 0; c < kMaxColunas; ++c) {
        sheet.ColumnLeft[c] = left;
        sheet.ColumnWidth[c] = width[c];
        left += width[c];
    }
}

}  // namespace sheet_internal

}  // namespace trovale
