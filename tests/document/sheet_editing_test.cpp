// Chord operations on the sheet and their undo, worked out by hand with fixed-width fonts:
// lyrics 7 pixels a character (a lyric is drawn 2 pixels in), chord-font spaces 6, chord
// symbols 8 a character.
#include <gtest/gtest.h>

#include <random>

#include "document/sheet_editing.h"
#include "document/song_history.h"
#include "fixed_width_measure.h"

namespace trovale {
namespace {

const std::string kPrefix(25, '3');

SongDocument song() {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Chords.append("Cf", "1", "1 2 3");
    doc.Chords.append("Gf7", "7", "0");
    doc.Lines = {encodeChordLine({{1, 0}, {9, 1}}), "Ciranda cirandinha", "vamos todos cirandar",
                 "abc"};
    doc.LineKinds = {kChordLine, kLyricLine, kLyricLine, kLyricLine};
    return doc;
}

DraggedChord fromPanel(const std::string& symbol = "Af", const std::string& fingering = "0") {
    return {-1, 0, symbol, fingering, "1"};
}

// Where the drop of `site` put things: the lines and the table's symbols.
struct Dropped {
    DropOutcome outcome;
    std::vector<std::string> lines;
    std::vector<std::string> symbols;
};

TEST(SheetEditing, DropsOnTheSheet) {
    const FixedWidthMeasure m;
    struct Case {
        const char* name;
        DropSite site;
        DraggedChord chord;
        DropOutcome outcome;
        std::vector<std::string> lines;
    };
    // Line 0's chords: C over column 1 (x 2, 8 wide), G7 over column 9 (x 58, 16 wide).
    const std::vector<ChordExtent> extents{{2, 8}, {58, 16}};
    const std::string lyric1 = "Ciranda cirandinha", lyric2 = "vamos todos cirandar";
    const Case cases[] = {
        {"over the fifth character of a lyric without a chord line: body position 30",
         {-1, 2, {}, 2 + 4 * 7 + 3}, fromPanel(), DropOutcome::Placed,
         {encodeChordLine({{1, 0}, {9, 1}}), lyric1, kPrefix + "    5", lyric2, "abc"}},
        {"on an occupied column",
         {0, 1, extents, 2 + 8 * 7 + 1}, fromPanel(), DropOutcome::Refused,
         {encodeChordLine({{1, 0}, {9, 1}}), lyric1, lyric2, "abc"}},
        {"past the lyric's end, counted in chord-font spaces",
         {-1, 3, {}, 23 + 3 * 6}, fromPanel(), DropOutcome::Placed,
         {encodeChordLine({{1, 0}, {9, 1}}), lyric1, lyric2, kPrefix + "      5", "abc"}},
        {"moved along its own line",
         {0, 1, extents, 2 + 3 * 7 + 1}, DraggedChord{0, 1, "Cf", "1 2 3", "1"},
         DropOutcome::Placed,
         {encodeChordLine({{4, 0}, {9, 1}}), lyric1, lyric2, "abc"}},
        {"moved to another lyric keeps its number",
         {-1, 2, {}, 2 + 6 * 7 + 1}, DraggedChord{0, 9, "Gf7", "0", "7"}, DropOutcome::Placed,
         {encodeChordLine({{1, 0}}), lyric1, encodeChordLine({{7, 1}}), lyric2, "abc"}},
    };
    for (const Case& c : cases) {
        SongDocument doc = song();
        const DropResult r = dropChord(doc, c.site, c.chord, m);
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ(doc.Lines, c.lines) << c.name;
        EXPECT_EQ(doc.Modified, c.outcome == DropOutcome::Placed) << c.name;
        EXPECT_EQ(doc.lineCount(), static_cast<int>(doc.LineKinds.size())) << c.name;
    }
}

TEST(SheetEditing, TheTrashFreesTheLastUseAndTheCopyPanelReusesIt) {
    const FixedWidthMeasure m;
    SongDocument doc = song();
    // G7 stands over the lyric: its place becomes a blank, and C's entry is freed.
    EXPECT_FALSE(trashChord(doc, 0, 99));
    EXPECT_TRUE(trashChord(doc, 0, 1));
    EXPECT_EQ(doc.Lines[0], encodeChordLine({{9, 1}}));
    EXPECT_EQ(doc.Chords.Symbols, (std::vector<std::string>{" ", "Gf7"}));

    const DraggedChord c{-1, 0, "Cf", "1 2 3", "1"};
    const DropResult r = dropChord(doc, {0, 1, {{58, 16}}, 2 + 2 * 7 + 1}, c, m);
    EXPECT_EQ(r.outcome, DropOutcome::Placed);
    EXPECT_TRUE(r.tableChanged);
    EXPECT_EQ(doc.Chords.Symbols, (std::vector<std::string>{"Cf", "Gf7"}));
    EXPECT_EQ(doc.Lines[0], encodeChordLine({{3, 0}, {9, 1}}));
}

TEST(SheetEditing, ACopyTakesTheEntryOfTheSameChordOrANewSymbol) {
    const SongDocument doc = song();
    EXPECT_EQ(copyForPanel(doc, {0, 9, "Gf7", "0", "7"}).symbol, "Gf7");
    EXPECT_EQ(copyForPanel(doc, {-1, 0, "Gf7", "3 3 3", "7"}).symbol, "Gf7*");
    EXPECT_EQ(copyForPanel(doc, {-1, 0, "Df", "0", "1"}).symbol, "Df");
}

TEST(SheetEditing, ATwentySixthChordIsRefusedWithoutANewEntry) {
    const FixedWidthMeasure m;
    SongDocument doc = song();
    std::vector<PlacedChord> full;
    for (int k = 0; k < kMaxChordsPerLine; ++k) full.push_back({1 + 2 * k, 0});
    doc.Lines[0] = encodeChordLine(full);
    const SongDocument before = doc;
    const DropResult r = dropChord(doc, {0, 1, {}, 500}, fromPanel(), m);
    EXPECT_EQ(r.outcome, DropOutcome::Refused);
    EXPECT_EQ(doc.Lines, before.Lines);
    EXPECT_EQ(doc.Chords.Symbols, before.Chords.Symbols);
}

// Fifty mixed edits undone one by one give back every earlier song, byte for byte, and redone
// give back the last; Modified follows the saved state.
TEST(SongHistory, FiftyEditsUndoneAndRedone) {
    const FixedWidthMeasure m;
    SongDocument doc = song();
    SongHistory history;
    std::vector<SongState> states{stateOf(doc)};
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 50; ++step) {
        const SongState before = stateOf(doc);
        const int line = pick(doc.lineCount());
        switch (step % 4) {
            case 0:  // typing into a lyric
                if (isChordKind(doc.LineKinds[line])) {
                    doc.Lines.push_back("nova " + std::to_string(step));
                    doc.LineKinds.push_back(kLyricLine);
                } else {
                    doc.Lines[line] += static_cast<char>('a' + step % 26);
                }
                break;
            case 1:  // a chord from the copy panel
                if (!isChordKind(doc.LineKinds[line]))
                    dropChord(doc, {-1, line, {}, 2 + 7 * pick(12)},
                              fromPanel(step % 3 ? "Ef" : "Bb", std::to_string(step % 5)), m);
                break;
            case 2:  // a chord to the trash
                for (int l = 0; l < doc.lineCount(); ++l)
                    if (isChordKind(doc.LineKinds[l]) && !decodeChordLine(doc.Lines[l]).empty()) {
                        trashChord(doc, l, decodeChordLine(doc.Lines[l]).front().column);
                        break;
                    }
                break;
            case 3:  // a line meaning
                if (!isChordKind(doc.LineKinds[line])) doc.LineKinds[line] = step % 2 ? 6 : 8;
                break;
        }
        history.record(before, doc);
        if (step == 19) history.markSaved();
        const SongState now = stateOf(doc);
        if (now.Lines != states.back().Lines || now.LineKinds != states.back().LineKinds ||
            now.Chords.Symbols != states.back().Chords.Symbols ||
            now.Chords.Fingerings != states.back().Chords.Fingerings)
            states.push_back(now);
    }
    ASSERT_GT(states.size(), 25u);  // a refused drop or the same kind records nothing
    const auto same = [](const SongDocument& d, const SongState& s) {
        return d.Lines == s.Lines && d.LineKinds == s.LineKinds &&
               d.Chords.Symbols == s.Chords.Symbols && d.Chords.Fingerings == s.Chords.Fingerings &&
               d.Chords.TypeCodes == s.Chords.TypeCodes;
    };
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(history.undo(doc)) << i;
        EXPECT_TRUE(same(doc, states[i])) << "undo to state " << i;
    }
    EXPECT_FALSE(history.undo(doc));
    EXPECT_TRUE(doc.Modified);
    while (history.redo(doc)) {
    }
    EXPECT_TRUE(same(doc, states.back()));
}

TEST(SongHistory, TypingInOneRowIsOneStepUntilAPause) {
    SongDocument doc = song();
    SongHistory history;
    history.markSaved();
    for (const char* text : {"abcd", "abcde", "abcdef"}) {
        const SongState before = stateOf(doc);
        doc.Lines[3] = text;
        history.record(before, doc, 4);
    }
    history.closeGroup();
    const SongState before = stateOf(doc);
    doc.Lines[3] = "abcdefg";
    history.record(before, doc, 4);
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.Lines[3], "abcdef");
    EXPECT_TRUE(doc.Modified);
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.Lines[3], "abc");
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(history.canUndo());
}

// A new template or page layout is one step with the line kinds it turned, and it is the
// step that tells the window to measure the sheet again.
TEST(SongHistory, TemplateAndLayoutChangesAreSteps) {
    SongDocument doc = song();
    const SongDocument original = doc;
    SongHistory history;
    history.markSaved();
    SongState before = stateOf(doc);
    doc.Template.Presentation = 2;
    doc.LineKinds[0] = kDiagramChordLine;
    history.record(before, doc);
    before = stateOf(doc);
    doc.Layout.numColunas = 2;
    history.record(before, doc);
    before = stateOf(doc);
    history.record(before, doc);  // nothing changed: no step
    before = stateOf(doc);
    doc.Lines[3] = "abcd";
    history.record(before, doc);

    EXPECT_FALSE(history.undoChangesSettings());
    ASSERT_TRUE(history.undo(doc));
    EXPECT_TRUE(history.undoChangesSettings());
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.Layout, original.Layout);
    EXPECT_EQ(doc.Template.Presentation, 2);
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.Template, original.Template);
    EXPECT_EQ(doc.LineKinds, original.LineKinds);
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.redoChangesSettings());
    ASSERT_TRUE(history.redo(doc));
    EXPECT_EQ(doc.LineKinds[0], kDiagramChordLine);
}

}  // namespace
}  // namespace trovale
