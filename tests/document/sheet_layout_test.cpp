// The sheet layout in pixels: row heights, columns, pages, the diagram list and where chords
// stand. At 254 dpi a millimetre is 10 pixels; the fixed-width fake makes lyrics 7 pixels a
// character, a chord-font space 6, chord symbols 8 a character and "M" 10 high (rows of 12).
#include <gtest/gtest.h>

#include <ostream>

#include "document/sheet.h"
#include "document/text_truncation.h"
#include "fixed_width_measure.h"

namespace trovale {
namespace {

const std::string kPrefix(25, '3');
// With no margins, a 10 mm page is 100 pixels high.
constexpr SheetSettings kTenPixelsPerMm{254, 10, false};

struct Shape {
    int page;
    int kind;
    int height;
    friend bool operator==(const Shape&, const Shape&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Shape& s) {
        return os << "{" << s.page << "," << s.kind << "," << s.height << "}";
    }
};

std::vector<Shape> shapes(const std::vector<SheetRow>& rows) {
    std::vector<Shape> result;
    for (const SheetRow& row : rows) result.push_back({row.Page, row.Kind, row.Height});
    return result;
}

std::vector<Shape> lyrics(int page, int count, int lastHeight = 12) {
    std::vector<Shape> result(count, {page, kLyricLine, 12});
    if (count > 0) result.back().height = lastHeight;
    return result;
}

std::vector<Shape> operator+(std::vector<Shape> a, const std::vector<Shape>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Columns 50 mm wide (504 pixels of text), 5 mm apart; 5 mm diagrams (D = 50); no margins.
SongDocument song(int columns = 1, int columnMm = 50) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Template.DiagramListOrder = 0;
    doc.Template.Fonts[kElementoDiagrama].tamanho = 5;
    doc.Layout.margemSuperior = doc.Layout.margemInferior = 0;
    doc.Layout.numColunas = columns;
    doc.Layout.coluna1 = doc.Layout.coluna2 = doc.Layout.coluna3 = columnMm;
    doc.Layout.espacoColunas = columns > 1 ? 5 : 0;
    return doc;
}

void add(SongDocument& doc, int kind, std::string text) {
    doc.Lines.push_back(std::move(text));
    doc.LineKinds.push_back(static_cast<std::uint8_t>(kind));
}

void addLyrics(SongDocument& doc, int count) {
    for (int i = 0; i < count; ++i) add(doc, kLyricLine, "linha " + std::to_string(i + 1));
}

Sheet laidOut(const SongDocument& doc, const SheetSettings& settings = kTenPixelsPerMm,
              const FixedWidthMeasure& measure = {}, int viewWidth = 0) {
    Sheet sheet;
    ComputeRowHeights(sheet, doc, measure, settings);
    ComputeColumns(sheet, doc, settings, viewWidth);
    LayOut(sheet, doc, measure, settings);
    return sheet;
}

TEST(SheetLayout, FretFontHeight) {
    const std::vector<std::pair<int, int>> cases = {
        {5, 2}, {25, 5}, {26, 6}, {34, 6}, {75, 9}, {159, 14}, {160, 14}, {188, 17}, {377, 34}};
    for (auto [side, height] : cases) EXPECT_EQ(fretFontHeight(side), height) << side;
}

TEST(SheetLayout, RowHeightsPerKind) {
    struct Case {
        const char* name;
        std::array<int, 9> mHeight;
        int diagramMm;
        bool above;
        std::array<int, 9> heights;
        int gap;
    };
    const std::array<int, 9> even{10, 10, 10, 10, 10, 10, 10, 10, 10};
    const std::array<int, 9> mixed{14, 8, 10, 13, 99, 99, 12, 11, 9};
    // 96 dpi: 20 mm is D = 75 (fret font 9, "12" 8 wide), 50 mm is D = 188 (17, 16).
    const Case cases[] = {
        {"numbers beside", even, 20, false, {12, 12, 12, 16, 107, 12, 12, 12, 12}, 22 + 8},
        {"numbers above", even, 20, true, {12, 12, 12, 16, 118, 12, 12, 12, 12}, 22},
        {"own font per kind, beside", mixed, 50, false, {16, 10, 12, 21, 247, 12, 14, 13, 11}, 72},
        {"own font per kind, above", mixed, 50, true, {16, 10, 12, 21, 268, 12, 14, 13, 11}, 56},
    };
    for (const Case& c : cases) {
        SongDocument doc = song();
        doc.Template.Fonts[kElementoDiagrama].tamanho = c.diagramMm;
        FixedWidthMeasure measure;
        measure.mHeight = c.mHeight;
        Sheet sheet;
        ComputeRowHeights(sheet, doc, measure, SheetSettings{96, 297, c.above});
        EXPECT_EQ(sheet.RowHeight, c.heights) << c.name;
        EXPECT_EQ(sheet.Diagram.gap, c.gap) << c.name;
    }
}

TEST(SheetLayout, ColumnGeometry) {
    // 96 dpi: 50, 40 and 45 mm are 193, 155 and 174 pixels of text; the 5 mm gap is 19. A
    // 40 mm page holds 15 lyrics in its first column and 14 in the next.
    struct Case {
        const char* name;
        int lines;
        int viewWidth;
        std::array<int, 3> left;
        std::array<int, 3> width;
        std::array<bool, 3> visible;
    };
    const Case cases[] = {
        {"three columns", 35, 0, {0, 212, 386}, {212, 174, 174}, {true, true, true}},
        {"last one stretched", 35, 700, {0, 212, 386}, {212, 174, 314}, {true, true, true}},
        {"narrower view", 35, 500, {0, 212, 386}, {212, 174, 174}, {true, true, true}},
        {"empty third column", 20, 0, {0, 212, 560}, {212, 348, 0}, {true, true, false}},
        {"empty second and third", 5, 0, {0, 560, 560}, {560, 0, 0}, {true, false, false}},
        {"one shown, stretched", 5, 700, {0, 700, 700}, {700, 0, 0}, {true, false, false}},
    };
    for (const Case& c : cases) {
        SongDocument doc = song(3);
        doc.Layout.coluna2 = 40;
        doc.Layout.coluna3 = 45;
        addLyrics(doc, c.lines);
        const Sheet sheet = laidOut(doc, SheetSettings{96, 40, false}, {}, c.viewWidth);
        EXPECT_EQ(sheet.ColumnTextWidth, (std::array<int, 3>{193, 155, 174})) << c.name;
        EXPECT_EQ(sheet.ColumnLeft, c.left) << c.name;
        EXPECT_EQ(sheet.ColumnWidth, c.width) << c.name;
        EXPECT_EQ(sheet.ColumnVisible, c.visible) << c.name;
    }
    SongDocument one = song(1, 160);
    EXPECT_EQ(laidOut(one, SheetSettings{96, 297, false}).ColumnTextWidth[0], 609);
}

TEST(SheetLayout, PaginationKeepsChordLinesWithTheirLyric) {
    // Eight lyrics use 96 of a capacity grown to 116; a chord line (16) and its lyric (12)
    // would pass it together.
    struct Case {
        const char* name;
        int presentation;
        std::string lyric;
        std::vector<Shape> rows;
        int pageHeight1;
        int pageFiller1;
    };
    const Case cases[] = {
        {"chord line moves with its lyric", 1, "la",
         lyrics(1, 8, 12 + 20) + std::vector<Shape>{{2, 5, 12}, {2, 3, 16}, {2, 2, 12}}, 128, 32},
        {"over an empty lyric it stays", 1, "",
         lyrics(1, 8) + std::vector<Shape>{{1, 3, 16 + 6}, {2, 5, 12}, {2, 2, 12}}, 130, 22},
        {"lyrics only: chord rows take no height", 0, "la",
         lyrics(1, 8) + std::vector<Shape>{{1, 3, 0}, {1, 2, 12}}, 0, 0},
    };
    for (const Case& c : cases) {
        SongDocument doc = song();
        doc.Template.Presentation = c.presentation;
        addLyrics(doc, 8);
        add(doc, kChordLine, encodeChordLine({{1, 0}}));
        add(doc, kLyricLine, c.lyric);
        doc.Chords.append("Cf", "1", "0");
        const Sheet sheet = laidOut(doc);
        EXPECT_EQ(shapes(sheet.Columns[0]), c.rows) << c.name;
        EXPECT_EQ(sheet.PageCount, c.pageHeight1 == 0 ? 1 : 2) << c.name;
        EXPECT_EQ(sheet.SongRowCount[0], static_cast<int>(c.rows.size())) << c.name;
        if (c.pageHeight1 == 0) continue;
        EXPECT_EQ(sheet.PageHeight[1], c.pageHeight1) << c.name;
        EXPECT_EQ(sheet.PageFiller[1], c.pageFiller1) << c.name;
    }
}

TEST(SheetLayout, ColumnsOfAPageEndAtTheSameHeight) {
    // Column 1 takes 10 lyrics (120 of 122), the others 9 (108 of 118): all end at 122.
    struct Case {
        int columns;
        int lines;
        std::vector<int> lastRowHeights;
    };
    const Case cases[] = {{2, 20, {14, 26}}, {3, 29, {14, 26, 26}}};
    for (const Case& c : cases) {
        SongDocument doc = song(c.columns);
        addLyrics(doc, c.lines);
        const Sheet sheet = laidOut(doc);
        EXPECT_EQ(sheet.PageCount, 2);
        EXPECT_EQ(sheet.PageHeight[1], 122 + 12);
        EXPECT_EQ(sheet.PageFiller[1], 14);
        for (int col = 0; col < c.columns; ++col) {
            const int onPage1 = col == 0 ? 10 : 9;
            const std::vector<Shape> page2 =
                col == 0 ? std::vector<Shape>{{2, 5, 12}, {2, 2, 12}}  // the 20th or 29th lyric
                         : std::vector<Shape>{{2, 5, 12}, {2, 2, 0}};  // closing editable row
            EXPECT_EQ(shapes(sheet.Columns[col]), lyrics(1, onPage1, c.lastRowHeights[col]) + page2)
                << c.columns << " columns, column " << col + 1;
        }
    }
}

TEST(SheetLayout, ARowTallerThanThePageStaysOnIt) {
    SongDocument doc = song();
    add(doc, kTitleLine, "Titulo");
    addLyrics(doc, 2);
    FixedWidthMeasure measure;
    measure.mHeight[kTitleLine] = 200;
    const Sheet sheet = laidOut(doc, kTenPixelsPerMm, measure);
    EXPECT_EQ(shapes(sheet.Columns[0]),
              (std::vector<Shape>{{1, 0, 202}, {2, 5, 12}, {2, 2, 12}, {2, 2, 12}}));
    EXPECT_EQ(sheet.PageHeight[1], 202 + 12);
    EXPECT_EQ(sheet.PageFiller[1], 202);
}

// Chords 0..7: A, C#, B, D without fingering, Fdim, FM7, Bb, a free entry.
SongDocument songWithChords() {
    SongDocument doc = song();
    const char* symbols[] = {"Af", "Cs", "Bf", "Df", "Ffdim", "FfM7", "Bb", " "};
    const char* fingerings[] = {"1 1 1", "2 2 2", "3 3 3", "0", "4 4 4", "5 5 5", "6 6 6", "0"};
    for (int i = 0; i < 8; ++i) doc.Chords.append(symbols[i], "1", fingerings[i]);
    add(doc, kChordLine, encodeChordLine({{1, 2}, {3, 0}, {5, 1}, {7, 3}}));
    add(doc, kLyricLine, "primeira linha");
    add(doc, kChordLine, encodeChordLine({{1, 0}, {4, 5}, {8, 4}, {10, 6}}));
    add(doc, kLyricLine, "segunda linha");
    return doc;
}

TEST(SheetLayout, DiagramListOrder) {
    struct Case {
        const char* name;
        int presentation;
        int order;
        std::string listRow;  // "" for no list
    };
    // Chord numbers 0..6 are the low digits "3".."9".
    const Case cases[] = {
        {"Tom: A, Bb, B, C#, Fdim, FM7", 1, 1, kPrefix + "395478"},
        {"Aparição: B, A, C#, FM7, Fdim, Bb", 1, 2, kPrefix + "534879"},
        {"no list", 1, 0, ""},
        {"lyrics only", 0, 1, ""},
        {"diagrams between the lines", 2, 2, ""},
    };
    for (const Case& c : cases) {
        SongDocument doc = songWithChords();
        doc.Template.Presentation = c.presentation;
        doc.Template.DiagramListOrder = c.order;
        const Sheet sheet = laidOut(doc, SheetSettings{254, 100, false});
        const std::vector<SheetRow>& rows = sheet.Columns[0];
        EXPECT_EQ(sheet.SongRowCount[0], 4) << c.name;
        if (c.listRow.empty()) {
            EXPECT_EQ(rows.size(), 4u) << c.name;
            continue;
        }
        ASSERT_EQ(rows.size(), 6u) << c.name;
        EXPECT_EQ(rows[4].Text, c.listRow) << c.name;
        EXPECT_EQ(shapes({rows[4], rows[5]}), (std::vector<Shape>{{1, 4, 77}, {1, 2, 0}}))
            << c.name;
    }
}

TEST(SheetLayout, DiagramsPerListRow) {
    // D = 50 with "12" 8 wide: the gap is 23 beside the numbers, 15 below them.
    struct Case {
        int textWidth;
        bool above;
        int perRow;
    };
    const Case cases[] = {{204, false, 2}, {204, true, 3}, {24, false, 1}, {3004, true, 25}};
    for (const Case& c : cases) {
        DiagramMetrics d{50, 8, 8, 8, c.above ? 15 : 23, c.above};
        EXPECT_EQ(diagramsPerListRow(d, c.textWidth), c.perRow) << c.textWidth << c.above;
    }
}

TEST(SheetLayout, DiagramListContinuesThePageFlow) {
    // A 20 mm column holds two diagrams a row; each list row (77) needs a page of its own.
    SongDocument doc = song(1, 20);
    doc.Template.DiagramListOrder = 2;
    for (const char* symbol : {"Af", "Bf", "Cf"}) doc.Chords.append(symbol, "1", "1 1 1");
    add(doc, kChordLine, encodeChordLine({{1, 0}, {3, 1}, {5, 2}}));
    add(doc, kLyricLine, "abcde");
    Sheet sheet = laidOut(doc);
    const std::vector<Shape> twoRows = {{1, 3, 16}, {1, 2, 12 + 74}, {2, 5, 12}, {2, 4, 77 + 23},
                                        {3, 5, 12}, {3, 4, 77},      {3, 2, 0}};
    EXPECT_EQ(shapes(sheet.Columns[0]), twoRows);
    EXPECT_EQ(sheet.Columns[0][3].Text, kPrefix + "34");
    EXPECT_EQ(sheet.Columns[0][5].Text, kPrefix + "5");
    EXPECT_EQ(sheet.PageCount, 3);
    EXPECT_EQ(sheet.SongRowCount[0], 2);

    // B loses its fingering: the list shrinks to one row, as a fresh layout would make it.
    doc.Chords.Fingerings[1] = "0";
    RegenerateDiagramList(sheet, doc, FixedWidthMeasure{});
    const std::vector<Shape> oneRow = {{1, 3, 16}, {1, 2, 86}, {2, 5, 12}, {2, 4, 77}, {2, 2, 0}};
    EXPECT_EQ(shapes(sheet.Columns[0]), oneRow);
    EXPECT_EQ(sheet.Columns[0][3].Text, kPrefix + "35");
    EXPECT_EQ(sheet.PageCount, 2);
    EXPECT_EQ(shapes(laidOut(doc).Columns[0]), oneRow);

    // No fingering left: the lyric is no longer stretched to a page break.
    doc.Chords.Fingerings[0] = doc.Chords.Fingerings[2] = "0";
    RegenerateDiagramList(sheet, doc, FixedWidthMeasure{});
    EXPECT_EQ(shapes(sheet.Columns[0]), (std::vector<Shape>{{1, 3, 16}, {1, 2, 12}}));
    EXPECT_EQ(sheet.PageCount, 1);
}

TEST(SheetLayout, ChordPlacement) {
    // Symbols: C#m7 32 wide, G7 16, C 8, Am 16; D = 50 and G = 23 on diagram rows.
    ChordTable chords;
    for (const char* symbol : {"Csm7", "Gf7", "Cf", " ", "Afm"}) chords.append(symbol, "1", "0");
    struct Case {
        const char* name;
        int kind;
        std::vector<PlacedChord> placed;
        std::string next;
        int nextKind;
        int columnWidth;
        std::vector<ChordExtent> extents;
        bool overflows;
    };
    const Case cases[] = {
        {"third letter, then 4 spaces after the chord, then 2",
         kChordLine,
         {{3, 0}, {9, 1}, {11, 2}},
         "abcd",
         kLyricLine,
         504,
         {{16, 32}, {74, 16}, {102, 8}},
         false},
        {"past a lyric longer than the chord",
         kChordLine,
         {{2, 2}, {7, 1}},
         "abcd",
         kLyricLine,
         504,
         {{9, 8}, {42, 16}},
         false},
        {"chord on the last letter",
         kChordLine,
         {{4, 2}, {6, 1}},
         "abcd",
         kLyricLine,
         504,
         {{23, 8}, {45, 16}},
         false},
        {"refrain in its own font",
         kChordLine,
         {{3, 2}},
         "abcd",
         kRefrainLine,
         504,
         {{20, 8}},
         false},
        {"empty lyric below", kChordLine, {{2, 2}}, "", kLyricLine, 504, {{8, 8}}, false},
        {"title below",
         kChordLine,
         {{1, 2}, {4, 4}},
         "Titulo",
         kTitleLine,
         504,
         {{2, 8}, {28, 16}},
         false},
        {"free entry takes no width",
         kChordLine,
         {{1, 3}, {3, 2}},
         "",
         -1,
         504,
         {{2, 0}, {14, 8}},
         false},
        {"diagrams",
         kDiagramChordLine,
         {{1, 2}, {2, 4}, {3, 1}},
         "",
         -1,
         204,
         {{2, 50}, {75, 50}, {148, 50}},
         false},
        {"a fourth diagram passes the column",
         kDiagramChordLine,
         {{1, 2}, {2, 4}, {3, 1}, {4, 2}},
         "",
         -1,
         204,
         {{2, 50}, {75, 50}, {148, 50}, {221, 50}},
         true},
        {"diagrams over a lyric",
         kDiagramChordLine,
         {{3, 2}, {9, 4}},
         "abcd",
         kLyricLine,
         504,
         {{16, 50}, {92, 50}},
         false},
    };
    FixedWidthMeasure measure;
    measure.charWidth[kRefrainLine] = 9;
    for (const Case& c : cases) {
        const ChordRowContext context{c.next, c.nextKind, c.columnWidth, 50, 23};
        const ChordPlacement placement =
            placeChords(encodeChordLine(c.placed), c.kind, context, chords, measure);
        EXPECT_EQ(placement.extents, c.extents) << c.name;
        EXPECT_EQ(placement.overflows, c.overflows) << c.name;
    }
}

// 30 lyrics on 100-pixel pages: 10 on page 1, 9 on pages 2 and 3, 2 on page 4.
Sheet thirtyLyrics() {
    SongDocument doc = song();
    addLyrics(doc, 30);
    return laidOut(doc);
}

TEST(SheetLayout, PageAtTop) {
    const Sheet sheet = thirtyLyrics();
    ASSERT_EQ(sheet.PageCount, 4);
    EXPECT_EQ(sheet.PageHeight, (std::vector<int>{0, 134, 130, 130, 102}));
    EXPECT_EQ(sheet.PageFiller, (std::vector<int>{0, 14, 22, 22, 0}));
    // A page stays at the top until the top of its last row scrolls past.
    const std::vector<std::pair<int, int>> cases = {{0, 1},   {108, 1}, {109, 2}, {230, 2},
                                                    {231, 3}, {360, 3}, {361, 4}, {100000, 4}};
    for (auto [offset, page] : cases) EXPECT_EQ(PageAtTop(sheet, offset), page) << offset;
}

TEST(SheetLayout, PageScreenHeight) {
    SongDocument doc = song();
    doc.Layout.margemSuperior = 3;
    doc.Layout.margemInferior = 2;  // 50 pixels; a 15 mm page keeps 100 for the rows
    addLyrics(doc, 30);
    const Sheet sheet = laidOut(doc, SheetSettings{254, 15, false});
    const std::vector<int> heights = {50 + 122, 50 + 118, 50 + 118, 50 + 102};
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(pageScreenHeight(sheet, doc.Layout, 254, page), heights[page - 1]) << page;
    EXPECT_EQ(columnDrawingHeight(sheet, 0), 122 + 12 + 118 + 12 + 118 + 12 + 24 + 1);
}

TEST(SheetLayout, TextTruncation) {
    struct Case {
        int kind;
        std::string text;
        int columnWidth;  // the text gets 2 pixels less
        std::string shown;
        bool truncated;
    };
    const Case cases[] = {
        {kLyricLine, "abcdefghij", 72, "abcdefghij", false},
        {kLyricLine, "abcdefghijk", 72, "abcdefg...", true},
        {kChordLine, "abcdefghijk", 72, "abcdefghijk", false},  // 6 pixels a character
        {kLyricLine, "abc", 20, "...", true},
        {kLyricLine, "", 20, "", false},
    };
    const FixedWidthMeasure measure;
    for (const Case& c : cases) {
        const FittedText fitted = fitText(measure, c.kind, c.text, c.columnWidth);
        EXPECT_EQ(fitted.text, c.shown) << c.text;
        EXPECT_EQ(fitted.truncated, c.truncated) << c.text;
    }
}

TEST(SheetLayout, LayOutSetsTruncated) {
    // A 20 mm column has 204 pixels: 28 lyric characters, or a chord ending there.
    struct Case {
        const char* name;
        std::string chords;
        std::string lyric;
        bool truncated;
    };
    const Case cases[] = {
        {"lyric fits", "", std::string(28, 'a'), false},
        {"lyric too wide", "", std::string(29, 'a'), true},
        {"chord ends on the edge", encodeChordLine({{32, 0}}), "x", false},
        {"chord passes the edge", encodeChordLine({{33, 0}}), "x", true},
    };
    for (const Case& c : cases) {
        SongDocument doc = song(1, 20);
        doc.Chords.append("Cf", "1", "0");
        if (!c.chords.empty()) add(doc, kChordLine, c.chords);
        add(doc, kLyricLine, c.lyric);
        EXPECT_EQ(laidOut(doc, SheetSettings{254, 100, false}).Truncated, c.truncated) << c.name;
    }
}

TEST(SheetLayout, ThreeThousandLines) {
    // Page 1 holds 10 lyrics, every later page 9: 3000 lines make 334 pages, and the one
    // column 3000 rows and 333 separators.
    SongDocument doc = song();
    addLyrics(doc, 3000);
    add(doc, kChordLine, encodeChordLine({{1, 0}}));
    doc.Chords.append("Cf", "1", "1 1 1");
    doc.Template.DiagramListOrder = 1;
    const Sheet sheet = laidOut(doc);
    const std::vector<SheetRow>& rows = sheet.Columns[0];
    EXPECT_EQ(sheet.PageCount, 335);  // the closing chord line shares 334, the list gets 335
    EXPECT_EQ(sheet.SongRowCount[0], 3001 + 333);
    ASSERT_EQ(rows.size(), 3001u + 333u + 2u + 1u);
    int line = 0;
    int page = 1;
    for (int r = 0; r < sheet.SongRowCount[0]; ++r) {
        if (rows[r].Kind == kGeneratedLine) {
            EXPECT_EQ(rows[r].Page, ++page);
            continue;
        }
        const std::string expected =
            line < 3000 ? "linha " + std::to_string(line + 1) : encodeChordLine({{1, 0}});
        EXPECT_EQ(rows[r].Text, expected) << r;
        ++line;
    }
    EXPECT_EQ(line, 3001);
    EXPECT_EQ(shapes({rows.end() - 3, rows.end()}),
              (std::vector<Shape>{{335, 5, 12}, {335, 4, 77}, {335, 2, 0}}));
}

// Gathering the rows gives back the song's own lines, whatever the layout added around them.
TEST(SheetLayout, GatherFromSheetGivesBackTheLines) {
    struct Case {
        const char* name;
        int columns;
        int presentation;
        int listOrder;
        int extraLyrics;
        bool refrain;
    };
    const Case cases[] = {
        {"one column, diagram list", 1, 1, 1, 0, false},
        {"lyrics only", 1, 0, 0, 0, false},
        {"diagrams between the lines", 1, 2, 0, 0, false},
        {"two columns over pages with a list", 2, 1, 2, 40, false},
        {"three columns over pages, refrain", 3, 1, 1, 70, true},
    };
    for (const Case& c : cases) {
        SongDocument doc = songWithChords();
        doc.Layout = song(c.columns, 30).Layout;
        doc.Template.Presentation = c.presentation;
        doc.Template.DiagramListOrder = c.listOrder;
        if (c.presentation == 2)
            for (auto& kind : doc.LineKinds)
                if (kind == kChordLine) kind = kDiagramChordLine;
        addLyrics(doc, c.extraLyrics);
        if (c.refrain) add(doc, kRefrainLine, "refrão");
        const SongDocument before = doc;
        const Sheet sheet = laidOut(doc);
        doc.Lines.clear();
        doc.LineKinds.clear();
        EXPECT_EQ(GatherFromSheet(doc, sheet), c.refrain) << c.name;
        EXPECT_EQ(doc.Lines, before.Lines) << c.name;
        EXPECT_EQ(doc.LineKinds, before.LineKinds) << c.name;
        if (c.extraLyrics > 0) {
            EXPECT_GT(sheet.PageCount, 1) << c.name;
        }
    }
}

}  // namespace
}  // namespace trovale
