// Long lines that wrap: where they break, how the chords follow their syllables into the next
// rows, and that the song's own lines never change. The fixed-width fake makes lyrics 7 pixels
// a character (the continuation indent, three blanks, is 21) and chord symbols 8.
#include "document/line_wrapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/sheet.h"
#include "document/song_file.h"
#include "fixed_width_measure.h"

namespace trovale {
namespace {

constexpr SheetSettings kTenPixelsPerMm{254, 10, false};

TEST(LineWrapping, BreaksWhereAWordEnds) {
    const FixedWidthMeasure measure;
    const struct {
        const char* caso;
        std::string texto;
        int largura;
        std::vector<LinePiece> pedacos;
    } casos[] = {
        {"fits", "curta", 100, {{0, 5}}},
        // 14 characters fit (98 pixels and the 2 of the inset); continuations have 21 less.
        {"at blanks", "Quando olhei a terra ardendo", 100, {{0, 14}, {15, 5}, {21, 7}}},
        {"a word wider than the column", "Pneumoultramicroscopicossilicovulcanoconiose", 100,
         {{0, 14}, {14, 11}, {25, 11}, {36, 8}}},
        {"blanks where it breaks belong to no piece; a word wider than a continuation breaks",
         "Asa    branca de mim", 60, {{0, 3}, {7, 5}, {12, 4}, {17, 3}}},
        {"a leading indent stays on the first row", "   Eu perguntei a Deus", 100,
         {{0, 5}, {6, 11}, {18, 4}}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(wrapLine(measure, kLyricLine, c.texto, c.largura), c.pedacos) << c.caso;
}

TEST(LineWrapping, ChordsGoWithTheirPiece) {
    // C over "Quando", G over "olhei", Am on the blank where it breaks, F over "ardendo".
    const std::string linha = encodeChordLine({{1, 0}, {8, 1}, {15, 2}, {22, 3}});
    const std::string cifras[] = {chordsOfPiece(linha, 0, 15), chordsOfPiece(linha, 15, 21),
                                  chordsOfPiece(linha, 21, std::string::npos)};
    EXPECT_EQ(decodeChordLine(cifras[0]), (std::vector<PlacedChord>{{1, 0}, {8, 1}, {15, 2}}));
    EXPECT_EQ(decodeChordLine(cifras[1]), std::vector<PlacedChord>{});
    EXPECT_EQ(decodeChordLine(cifras[2]), (std::vector<PlacedChord>{{1, 3}}));
}

// One 10 mm column (104 pixels of text), no margins.
SongDocument cancao(bool quebrar) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Template.DiagramListOrder = 0;
    doc.Template.QuebrarLinhas = quebrar;
    doc.Layout.margemSuperior = doc.Layout.margemInferior = 0;
    doc.Layout.numColunas = 1;
    doc.Layout.coluna1 = 10;
    for (const char* s : {"Cf", "Gf", "Afm", "Ff"}) doc.Chords.append(s, "1", "0");
    doc.Lines = {"Asa Branca", encodeChordLine({{1, 0}, {8, 1}, {16, 2}, {22, 3}}),
                 "Quando olhei a terra ardendo", "Fim"};
    doc.LineKinds = {kTitleLine, kChordLine, kLyricLine, kNotesLine};
    return doc;
}

Sheet disposta(const SongDocument& doc, double paginaMm = 100) {
    const FixedWidthMeasure measure;
    const SheetSettings ajustes{254, paginaMm, false};
    Sheet sheet;
    ComputeRowHeights(sheet, doc, measure, ajustes);
    ComputeColumns(sheet, doc, ajustes, 0);
    LayOut(sheet, doc, measure, ajustes);
    return sheet;
}

struct Linha {
    int line, kind;
    std::string shown;  // text rows: the text; chord rows: "symbol@x" each
    int indent;
    friend bool operator==(const Linha&, const Linha&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Linha& l) {
        return os << "{" << l.line << "," << l.kind << ",\"" << l.shown << "\"," << l.indent << "}";
    }
};

std::vector<Linha> linhas(const Sheet& sheet, const SongDocument& doc) {
    std::vector<Linha> saida;
    for (int r = 0; r < sheet.SongRowCount[0]; ++r) {
        const SheetRow& row = sheet.Columns[0][r];
        std::string shown = shownText(row);
        if (isChordKind(row.Kind)) {
            shown.clear();
            const auto acordes = decodeChordLine(row.Text);
            for (std::size_t i = 0; i < acordes.size(); ++i)
                shown += displaySymbol(doc.Chords.Symbols[acordes[i].chord]) + "@" +
                         std::to_string(row.ChordExtents[i].x) + " ";
        }
        saida.push_back({row.Line, row.Kind, shown, row.Indent});
    }
    return saida;
}

TEST(LineWrapping, ALongLyricAndItsChordsGoOnInTheNextRows) {
    const SongDocument doc = cancao(true);
    const Sheet sheet = disposta(doc);
    // Over a character: its left pixel and 2; the continuation rows 21 further in.
    EXPECT_EQ(linhas(sheet, doc),
              (std::vector<Linha>{{0, 0, "Asa Branca", 0},
                                  {1, 3, "C@2 G@51 ", 0},
                                  {2, 2, "Quando olhei a", 0},
                                  {1, 3, "Am@23 ", 21},
                                  {2, 2, "terra", 21},
                                  {1, 3, "F@23 ", 21},
                                  {2, 2, "ardendo", 21},
                                  {3, 8, "Fim", 0}}));
    EXPECT_FALSE(sheet.Truncated);
    // The song's lines come back from the sheet as they were.
    SongDocument lida = doc;
    GatherFromSheet(lida, sheet);
    EXPECT_EQ(lida.Lines, doc.Lines);
    EXPECT_EQ(lida.LineKinds, doc.LineKinds);
}

TEST(LineWrapping, APieceWithoutChordsHasNoChordRow) {
    SongDocument doc = cancao(true);
    doc.Lines[1] = encodeChordLine({{1, 0}, {22, 3}});
    const Sheet sheet = disposta(doc);
    EXPECT_EQ(linhas(sheet, doc),
              (std::vector<Linha>{{0, 0, "Asa Branca", 0},
                                  {1, 3, "C@2 ", 0},
                                  {2, 2, "Quando olhei a", 0},
                                  {2, 2, "terra", 21},
                                  {1, 3, "F@23 ", 21},
                                  {2, 2, "ardendo", 21},
                                  {3, 8, "Fim", 0}}));
    SongDocument lida = doc;
    GatherFromSheet(lida, sheet);
    EXPECT_EQ(lida.Lines, doc.Lines);
}

TEST(LineWrapping, OffTheLineIsCutAsBefore) {
    const SongDocument doc = cancao(false);
    const Sheet sheet = disposta(doc);
    const auto rows = linhas(sheet, doc);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].shown, "Quando olhe...");
    EXPECT_TRUE(sheet.Truncated);
}

TEST(LineWrapping, EveryChordPieceStaysOnThePageOfItsLyricPiece) {
    const SongDocument doc = cancao(true);
    for (double pagina = 3; pagina <= 12; pagina += 0.5) {
        const Sheet sheet = disposta(doc, pagina);
        const auto& rows = sheet.Columns[0];
        for (std::size_t r = 0; r + 1 < rows.size(); ++r)
            if (rows[r].Kind == kChordLine)
                EXPECT_EQ(rows[r].Page, rows[r + 1].Page) << pagina << " mm, row " << r;
    }
}

TEST(LineWrapping, TheSongFileSaysSoOnlyWhenOn) {
    SongDocument doc = cancao(false);
    const std::string sem = songFileText(doc);
    doc.Template.QuebrarLinhas = true;
    const std::string com = songFileText(doc);
    EXPECT_EQ(com, sem + "Quebrar linhas longas\r\n");
    const auto lida = parseSongFile(com, modeloDeFabrica());
    ASSERT_TRUE(lida);
    EXPECT_TRUE(lida->doc.Template.QuebrarLinhas);
    EXPECT_EQ(songFileText(lida->doc), com);
    const auto antiga = parseSongFile(sem, modeloDeFabrica());
    ASSERT_TRUE(antiga);
    EXPECT_FALSE(antiga->doc.Template.QuebrarLinhas);
}

}  // namespace
}  // namespace trovale
