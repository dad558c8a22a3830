// A pasted line of a million characters is cut and laid out with a bounded number of measures:
// the cut is found in halving steps, never one character at a time over the whole text.
#include <gtest/gtest.h>

#include <cmath>

#include "document/sheet.h"
#include "document/text_truncation.h"
#include "fixed_width_measure.h"

namespace trovale {
namespace {

// Counts what it was asked to measure: 7 pixels a lyric character.
class CountingMeasure : public FixedWidthMeasure {
  public:
    int textWidth(int kind, std::string_view text) const override {
        ++calls;
        characters += static_cast<long long>(text.size());
        return FixedWidthMeasure::textWidth(kind, text);
    }
    mutable long calls = 0;
    mutable long long characters = 0;
};

TEST(LongLine, CutFoundInLogarithmicSteps) {
    struct Case {
        std::size_t length;
        int columnWidth;   // 2 pixels inset, 21 for "..."
        std::size_t kept;  // characters before "...", npos when whole
    };
    const Case cases[] = {
        {10, 72, std::string::npos},
        {11, 72, 7},
        {300, 72, 7},
        {300, 2102, std::string::npos},  // 2100 pixels hold 300
        {301, 2102, 297},
        {1'000'000, 504, 68},
        {1'000'000, 20, 0},
        {1'000'000, 7'000'002, std::string::npos},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.length << " characters, " << c.columnWidth);
        std::string text(c.length, 'a');
        for (std::size_t i = 0; i < text.size(); i += 7) text[i] = 'b';
        const CountingMeasure measure;
        const FittedText fitted = fitText(measure, kLyricLine, text, c.columnWidth);
        if (c.kept == std::string::npos) {
            EXPECT_FALSE(fitted.truncated);
            EXPECT_EQ(fitted.text, text);
        } else {
            EXPECT_TRUE(fitted.truncated);
            EXPECT_EQ(fitted.text, text.substr(0, c.kept) + "...");
        }
        const double steps = std::log2(static_cast<double>(std::max<std::size_t>(c.length, 256)));
        EXPECT_LE(measure.calls, 3 * static_cast<long>(steps) + 6);
        EXPECT_LE(measure.characters,
                  6 * static_cast<long long>(std::max<std::size_t>(c.length, 4096)));
    }
}

TEST(LongLine, ChordsOverAMillionCharactersArePlacedWithoutMeasuringEachPrefix) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Layout.margemSuperior = doc.Layout.margemInferior = 0;
    doc.Layout.numColunas = 1;
    doc.Layout.coluna1 = 50;  // 504 pixels of text at 254 dpi: 72 lyric characters
    doc.Chords.append("Cf", "1", "0");
    // A chord every 1000 characters: 25 that the table knows, then marks a damaged file may
    // hold (they name no chord, but stand somewhere all the same).
    std::vector<PlacedChord> chords;
    for (int column = 1; column <= 1'000'000; column += 1000) chords.push_back({column, 0});
    std::string chordLine = encodeChordLine(chords);
    chordLine.resize(25 + 1'000'000, ' ');
    for (std::size_t k = kMaxChordsPerLine; k < chords.size(); ++k)
        chordLine[25 + static_cast<std::size_t>(chords[k].column) - 1] = 'k';
    doc.Lines = {chordLine, std::string(1'000'000, 'a')};
    doc.LineKinds = {kChordLine, kLyricLine};

    const CountingMeasure measure;
    const SheetSettings settings{254, 297, false};
    Sheet sheet;
    ComputeRowHeights(sheet, doc, measure, settings);
    ComputeColumns(sheet, doc, settings, 0);
    LayOut(sheet, doc, measure, settings);

    EXPECT_TRUE(sheet.Truncated);
    const std::vector<SheetRow>& rows = sheet.Columns[0];
    ASSERT_GE(rows.size(), 2u);
    ASSERT_EQ(rows[0].ChordExtents.size(), chords.size());
    EXPECT_EQ(rows[0].ChordExtents[0].x, 2);
    EXPECT_EQ(rows[0].ChordExtents[1].x, 7 * 1000 + 2);  // past the edge, as all after it
    EXPECT_EQ(fitText(measure, kLyricLine, rows[1].Text, sheet.ColumnTextWidth[0]).text,
              std::string(68, 'a') + "...");
    // The old walk measured a prefix per chord: half a billion characters.
    EXPECT_LE(measure.characters, 10'000'000);
}

}  // namespace
}  // namespace trovale
