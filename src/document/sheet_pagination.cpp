// Pagination: the song's lines down the columns and across the pages, then the diagram list,
// then the rows that close every column.
#include <algorithm>
#include <utility>

#include "document/line_wrapping.h"
#include "document/sheet.h"
#include "document/sheet_flow.h"
#include "document/text_measure.h"
#include "document/text_truncation.h"

namespace trovale {

using namespace sheet_internal;

namespace {

// The song's lines and what layout adds to them: page separators and the diagram list.
std::size_t linhasPrevistas(const SongDocument& doc) {
    return doc.Lines.size() + doc.Lines.size() / 4 + 64;
}

// Kept away from int limits whatever page height a caller passes.
constexpr double kMaxUsableHeight = 10'000'000;

SheetRow makeRow(std::string text, int kind, int height) {
    SheetRow row;
    row.Text = std::move(text);
    row.Kind = static_cast<std::uint8_t>(kind);
    row.Height = height;
    return row;
}

// U = Trunc(dpi * (page height - top margin - bottom margin) / 25.4).
int usableHeight(const PageLayout& layout, const SheetSettings& settings) {
    const double mm = settings.pageHeightMm - layout.margemSuperior - layout.margemInferior;
    const double pixels = settings.dpi * mm * 10 / 254;
    return static_cast<int>(std::clamp(pixels, 0.0, kMaxUsableHeight));
}

int lineKind(const SongDocument& doc, int line) {
    return line < static_cast<int>(doc.LineKinds.size()) ? doc.LineKinds[line] : kLyricLine;
}

// A chord line is not parted from the non-empty lyric it stands over.
int keepWithNext(const Sheet& sheet, const SongDocument& doc, int line) {
    const int next = line + 1;
    if (!isChordKind(lineKind(doc, line)) || next >= doc.lineCount()) return 0;
    if (!isLyricKind(lineKind(doc, next)) || doc.Lines[next].empty()) return 0;
    return rowHeightOf(sheet, lineKind(doc, next));
}

bool wrapsKind(int kind) {
    return kind == kLyricLine || kind == kRefrainLine || kind == kChorusLine || kind == kNotesLine;
}

void markPiece(SheetRow& row, int line, std::size_t piece, std::size_t start, int indent) {
    row.Line = line;
    row.Wrapped = true;
    row.Piece = static_cast<int>(piece);
    row.Start = start;
    row.Indent = indent;
}

// A wrapped text line, and the chord line over it when there is one (chordLine >= 0): a chord
// row and a text row per piece, each chord row kept with its piece.
void layOutPieces(PageFlow& flow, const Sheet& sheet, const SongDocument& doc,
                  const TextMeasure& measure, int chordLine, int textLine,
                  const std::vector<LinePiece>& pieces) {
    const int textKind = lineKind(doc, textLine);
    const int textHeight = rowHeightOf(sheet, textKind);
    const int indent = wrapIndent(measure, fontKind(textKind));
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const LinePiece& piece = pieces[k];
        const int rowIndent = k == 0 ? 0 : indent;
        const std::size_t next = k + 1 < pieces.size() ? pieces[k + 1].start : std::string::npos;
        std::string chords =
            chordLine >= 0 ? chordsOfPiece(doc.Lines[chordLine], piece.start, next) : std::string();
        // A piece after the first with no chord over it needs no chord row; the first one's
        // row stands for the whole chord line.
        if (chordLine >= 0 && (k == 0 || !decodeChordLine(chords).empty())) {
            const int chordKind = lineKind(doc, chordLine);
            const int height = doc.Template.Presentation == 0 ? 0 : rowHeightOf(sheet, chordKind);
            flow.makeRoom(height, textHeight, false);
            SheetRow row = makeRow(std::move(chords), chordKind, height);
            markPiece(row, chordLine, k, piece.start, rowIndent);
            flow.append(std::move(row));
        }
        flow.makeRoom(textHeight, 0, true);
        SheetRow row =
            makeRow(doc.Lines[textLine].substr(piece.start, piece.length), textKind, textHeight);
        markPiece(row, textLine, k, piece.start, rowIndent);
        flow.append(std::move(row));
    }
}

// With wrapping on, the pieces of the text line at `line` (or under the chord line at `line`)
// when it is wider than the column the flow is in; none to wrap otherwise.
std::vector<LinePiece> piecesAt(const Sheet& sheet, const SongDocument& doc,
                                const TextMeasure& measure, const SheetFlow& state, int line) {
    if (!doc.Template.QuebrarLinhas) return {};
    const bool chordLine = isChordKind(lineKind(doc, line));
    // A text line under a chord line is wrapped with it, from the chord line.
    if (chordLine ? keepWithNext(sheet, doc, line) == 0
                  : line > 0 && keepWithNext(sheet, doc, line - 1) > 0)
        return {};
    const int text = chordLine ? line + 1 : line;
    if (!wrapsKind(lineKind(doc, text))) return {};
    std::vector<LinePiece> pieces = wrapLine(measure, fontKind(lineKind(doc, text)),
                                             doc.Lines[text], sheet.ColumnTextWidth[state.column]);
    if (pieces.size() < 2) pieces.clear();
    return pieces;
}

void layOutSongLines(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
                     SheetFlow& state) {
    PageFlow flow(sheet, state);
    const bool chordsHidden = doc.Template.Presentation == 0;
    for (int line = 0; line < doc.lineCount(); ++line) {
        const int kind = lineKind(doc, line);
        const bool chordLine = isChordKind(kind);
        if (const auto pieces = piecesAt(sheet, doc, measure, state, line); !pieces.empty()) {
            layOutPieces(flow, sheet, doc, measure, chordLine ? line : -1,
                         chordLine ? line + 1 : line, pieces);
            if (chordLine) ++line;
            continue;
        }
        const int height = chordLine && chordsHidden ? 0 : rowHeightOf(sheet, kind);
        flow.makeRoom(height, keepWithNext(sheet, doc, line), !chordLine);
        SheetRow row = makeRow(doc.Lines[line], kind, height);
        row.Line = line;
        flow.append(std::move(row));
    }
}

void rememberSongEnd(Sheet& sheet, const SheetFlow& flow) {
    sheet.SongEnd = flow;
    for (int c = 0; c < kMaxColunas; ++c) {
        const std::vector<SheetRow>& rows = sheet.Columns[c];
        sheet.SongRowCount[c] = static_cast<int>(rows.size());
        sheet.SongEndRowHeight[c] = rows.empty() ? 0 : rows.back().Height;
    }
}

// Each shown column ends with an editable row, empty and of no height when the column's last
// row is not a lyric.
void appendClosingRows(Sheet& sheet) {
    for (int c = 0; c < sheet.ColumnCount; ++c) {
        std::vector<SheetRow>& rows = sheet.Columns[c];
        if (c > 0 && rows.empty()) continue;
        if (!rows.empty() && isLyricKind(rows.back().Kind)) continue;
        SheetRow row = makeRow("", kLyricLine, 0);
        row.Page = sheet.PageCount;
        rows.push_back(std::move(row));
    }
}

// Every row measured as drawing will measure it: chord extents, and whether anything is cut.
void measureRows(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure) {
    sheet.Truncated = false;
    for (int c = 0; c < kMaxColunas; ++c) {
        for (int r = 0; r < static_cast<int>(sheet.Columns[c].size()); ++r) {
            SheetRow& row = sheet.Columns[c][r];
            if (isChordKind(row.Kind)) {
                ChordPlacement placement = placeRowChords(sheet, doc, measure, c, r);
                row.ChordExtents = std::move(placement.extents);
                row.Cut = placement.overflows;
            } else if (row.Kind != kGeneratedLine) {
                const int kind = fontKind(row.Kind);
                const int width = sheet.ColumnTextWidth[c] - row.Indent;
                row.Cut = !textFits(measure, kind, row.Text, width);
                row.Kept = row.Cut ? charactersBeforeEllipsis(measure, kind, row.Text, width) : 0;
            }
            sheet.Truncated = sheet.Truncated || row.Cut;
        }
    }
}

}  // namespace

namespace sheet_internal {

SheetFlow firstPageFlow(int usableHeight) {
    SheetFlow flow;
    flow.capacity = usableHeight;
    flow.lastCapacity[0] = usableHeight;
    return flow;
}

int pageEnd(const Sheet& sheet, const SheetFlow& flow) {
    int end = 0;
    for (int c = 0; c < sheet.ColumnCount; ++c)
        end = std::max({end, flow.lastCapacity[c], flow.used[c]});
    return end;
}

int PageFlow::makeRoom(int height, int keepWithNext, bool addsAllowance) {
    if (addsAllowance) state_.capacity += 2;
    state_.lastCapacity[state_.column] = state_.capacity;
    const int needed = state_.used[state_.column] + height + keepWithNext;
    // A column that has nothing of this page keeps even a row taller than the page: moving on
    // would only leave an empty column behind.
    if (state_.columnHoldsRow && needed > state_.capacity) moveOn();
    return state_.column;
}

void PageFlow::append(SheetRow row) {
    row.Page = state_.page;
    state_.used[state_.column] += row.Height;
    sheet_.Columns[state_.column].push_back(std::move(row));
    state_.columnHoldsRow = true;
}

void PageFlow::moveOn() {
    ++state_.column;
    state_.columnHoldsRow = false;
    if (state_.column >= sheet_.ColumnCount) {
        state_.column = 0;
        startPage();
    }
    state_.capacity = sheet_.UsableHeight;
}

// Stretches the last row of every column down to the page's end, then opens the next page with
// a separator in every column.
void PageFlow::startPage() {
    const int end = pageEnd(sheet_, state_);
    for (int c = 0; c < sheet_.ColumnCount; ++c) {
        std::vector<SheetRow>& rows = sheet_.Columns[c];
        if (!rows.empty() && rows.back().Kind != kGeneratedLine)
            rows.back().Height += end - state_.used[c];
    }
    const std::size_t page = static_cast<std::size_t>(state_.page);
    sheet_.PageHeight.resize(std::max(sheet_.PageHeight.size(), page + 1));
    sheet_.PageFiller.resize(sheet_.PageHeight.size());
    sheet_.PageHeight[page] = end + sheet_.RowHeight[kGeneratedLine];
    sheet_.PageFiller[page] = sheet_.Columns[0].empty() ? 0 : sheet_.Columns[0].back().Height;

    ++state_.page;
    state_.lastCapacity = {sheet_.UsableHeight, 0, 0};
    for (int c = 0; c < sheet_.ColumnCount; ++c) {
        if (sheet_.Columns[c].empty()) continue;
        SheetRow separator = makeRow("", kGeneratedLine, sheet_.RowHeight[kGeneratedLine]);
        separator.Page = state_.page;
        sheet_.Columns[c].push_back(std::move(separator));
    }
    state_.used = {};
}

void finishSheet(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
                 const SheetFlow& flow) {
    sheet.PageCount = flow.page;
    const std::size_t pages = static_cast<std::size_t>(flow.page) + 1;
    sheet.PageHeight.resize(pages);
    sheet.PageFiller.resize(pages);
    sheet.PageHeight[flow.page] = pageEnd(sheet, flow);
    sheet.PageFiller[flow.page] = 0;
    appendClosingRows(sheet);
    applyColumnGeometry(sheet);
    measureRows(sheet, doc, measure);
}

}  // namespace sheet_internal

void LayOut(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure,
            const SheetSettings& settings) {
    // Room for every line in every column: a long song otherwise copies its rows again and
    // again as they grow, and room never written costs nothing.
    for (std::vector<SheetRow>& rows : sheet.Columns) {
        rows.clear();
        rows.reserve(linhasPrevistas(doc));
    }
    sheet.PageHeight.assign(2, 0);
    sheet.PageFiller.assign(2, 0);
    sheet.ColumnCount = columnCountOf(doc.Layout);
    sheet.UsableHeight = usableHeight(doc.Layout, settings);

    SheetFlow flow = firstPageFlow(sheet.UsableHeight);
    layOutSongLines(sheet, doc, measure, flow);
    rememberSongEnd(sheet, flow);
    appendDiagramList(sheet, doc, flow);
    finishSheet(sheet, doc, measure, flow);
}

void RegenerateDiagramList(Sheet& sheet, const SongDocument& doc, const TextMeasure& measure) {
    // Back to where the song ended: list rows, closing rows and the stretch of the song's last
    // rows by a page break inside the list all go.
    for (int c = 0; c < kMaxColunas; ++c) {
        std::vector<SheetRow>& rows = sheet.Columns[c];
        const std::size_t songRows = static_cast<std::size_t>(std::max(sheet.SongRowCount[c], 0));
        if (rows.size() < songRows) continue;
        rows.resize(songRows);
        if (!rows.empty()) rows.back().Height = sheet.SongEndRowHeight[c];
    }
    SheetFlow flow = sheet.SongEnd;
    const std::size_t pages = static_cast<std::size_t>(std::max(flow.page, 1)) + 1;
    sheet.PageHeight.resize(pages);
    sheet.PageFiller.resize(pages);
    appendDiagramList(sheet, doc, flow);
    finishSheet(sheet, doc, measure, flow);
}

}  // namespace trovale
