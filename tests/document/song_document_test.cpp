// The chord table of a song: adding, finding, naming and freeing chords.
#include <gtest/gtest.h>

#include "document/song_document.h"

namespace trovale {
namespace {

SongDocument songWithChords(std::vector<std::pair<std::string, std::string>> entries) {
    SongDocument doc;
    for (auto& [symbol, fingering] : entries) doc.Chords.append(symbol, "1", fingering);
    return doc;
}

void addChordLine(SongDocument& doc, std::vector<PlacedChord> chords) {
    doc.Lines.push_back(encodeChordLine(std::move(chords)));
    doc.LineKinds.push_back(kChordLine);
    doc.Lines.push_back("letra");
    doc.LineKinds.push_back(kLyricLine);
}

TEST(StoredSymbol, DisplayAndStoredForms) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {{"C", "Cf"},       {"Am", "Afm"},      {"C#m7", "Csm7"},
                          {"Bb", "Bb"},      {"Bb7/F", "Bb7/F"}, {"A*", "Af*"},
                          {"Dm*c", "Dfm*c"}, {"G/B", "Gf/B"},    {"F#", "Fs"}};
    for (const Case& c : cases) {
        EXPECT_EQ(storedSymbol(c.typed), c.stored) << c.typed;
        EXPECT_EQ(displaySymbol(c.stored), c.typed) << c.stored;
    }
    EXPECT_EQ(withoutVariantTag("Afm*c"), "Afm");
    EXPECT_EQ(withoutVariantTag("Afm"), "Afm");
    const std::vector<std::string> tags = {"", "*", "*c", "*d", "*e", "*z"};
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(variantTag(n), tags[n - 1]);
    EXPECT_EQ(variantTag(26), "*z");
}

TEST(ChordTableOperations, FindOrAddReusesFreeEntries) {
    SongDocument doc = songWithChords({{"Cf", "0"}, {" ", "0"}, {"Gf", "0"}});
    EXPECT_EQ(FindOrAddChord(doc, "Gf", "1 2 3", "9").chord, 2);
    EXPECT_EQ(doc.Chords.Fingerings[2], "0");  // an existing entry is returned unchanged
    EXPECT_FALSE(doc.Modified);
    const FoundChord reused = FindOrAddChord(doc, "Afm", "4 5 6", "12");
    EXPECT_EQ(reused.chord, 1);
    EXPECT_TRUE(reused.added);
    EXPECT_EQ(doc.Chords.Symbols[1], "Afm");
    EXPECT_EQ(doc.Chords.TypeCodes[1], "12");
    EXPECT_EQ(doc.Chords.Fingerings[1], "4 5 6");
    const FoundChord appended = FindOrAddChord(doc, "Df", "0", "1");
    EXPECT_EQ(appended.chord, 3);
    EXPECT_EQ(doc.Chords.size(), 4);
    EXPECT_EQ(doc.Chords.TypeCodes.size(), 4u);
    EXPECT_EQ(doc.Chords.Fingerings.size(), 4u);
    EXPECT_TRUE(doc.Modified);
}

TEST(ChordTableOperations, FindSameChordSearchesFromTheEnd) {
    const SongDocument doc =
        songWithChords({{"Afm", "1 1 1"}, {"Cf", "1 1 1"}, {"Afm*", "2 2 2"}, {"Afm*c", "1 1 1"}});
    struct Case {
        const char* base;
        const char* fingering;
        int expected;
    };
    const Case cases[] = {{"Afm", "1 1 1", 4},
                          {"Afm", "2 2 2", 3},
                          {"Afm", "3 3 3", 0},
                          {"Cf", "1 1 1", 2},
                          {"Afm*", "2 2 2", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(FindSameChord(doc, c.base, c.fingering), c.expected) << c.base << c.fingering;
    const CopyPanelChord panel{"Afm*d", "3 3 3"};
    EXPECT_EQ(FindSameChord(doc, "Afm", "3 3 3", &panel), 5);
    EXPECT_EQ(FindSameChord(doc, "Afm", "1 1 1", &panel), 4);
}

TEST(ChordTableOperations, MakeUniqueSymbolAddsVariantTags) {
    SongDocument doc = songWithChords({{"Afm", "1 1 1"}});
    EXPECT_EQ(MakeUniqueSymbol(doc, 0, "Cf"), "Cf");
    EXPECT_EQ(MakeUniqueSymbol(doc, 0, "Afm"), "Afm*");
    EXPECT_EQ(MakeUniqueSymbol(doc, 1, "whatever"), "Afm");
    doc.Chords.append("Afm*", "1", "2 2 2");
    EXPECT_EQ(MakeUniqueSymbol(doc, 0, "Afm"), "Afm*c");
    doc.Chords.append("Afm*c", "1", "3 3 3");
    const CopyPanelChord panel{"Afm*d", "9 9 9"};
    EXPECT_EQ(MakeUniqueSymbol(doc, 0, "Afm", &panel), "Afm*e");
    EXPECT_EQ(MakeUniqueSymbol(doc, 4, "Afm", &panel), "Afm*d");
}

TEST(ChordTableOperations, DeletingTheLastUseFreesTheEntry) {
    SongDocument doc = songWithChords({{"Cf", "1 2 3"}, {"Gf", "0"}});
    addChordLine(doc, {{1, 0}, {4, 1}});
    addChordLine(doc, {{2, 1}});
    EXPECT_FALSE(FreeChordIfUnused(doc, 1));
    removeChord(doc.Lines[0], 1);
    EXPECT_TRUE(FreeChordIfUnused(doc, 0));
    EXPECT_EQ(doc.Chords.Symbols[0], " ");
    EXPECT_EQ(doc.Chords.Fingerings[0], "0");
    EXPECT_EQ(doc.Chords.TypeCodes[0], "1");  // the type code stays
    EXPECT_EQ(FindOrAddChord(doc, "Df", "0", "2").chord, 0);
    // Lyric lines that happen to hold digits are not chord lines.
    doc.Lines[1] = encodeChordLine({{1, 0}});
    removeChord(doc.Lines[0], 4);
    removeChord(doc.Lines[2], 2);
    EXPECT_TRUE(FreeChordIfUnused(doc, 0));
    EXPECT_TRUE(FreeChordIfUnused(doc, 1));
}

TEST(ChordTableOperations, ReplaceChordEverywhere) {
    SongDocument doc = songWithChords({{"Afm", "1 1 1"}, {"Cf", "2 2 2"}, {"Cf*", "3 3 3"}});
    ReplaceChordEverywhere(doc, 2, "Cf", "4 4 4", "7");  // same chord: only the fingering
    EXPECT_EQ(doc.Chords.Symbols[2], "Cf*");
    EXPECT_EQ(doc.Chords.Fingerings[2], "4 4 4");
    EXPECT_EQ(doc.Chords.TypeCodes[2], "1");
    ReplaceChordEverywhere(doc, 0, "Cf", "5 5 5", "3");  // another chord: a unique symbol
    EXPECT_EQ(doc.Chords.Symbols[0], "Cf*c");
    EXPECT_EQ(doc.Chords.Fingerings[0], "5 5 5");
    EXPECT_EQ(doc.Chords.TypeCodes[0], "3");
    EXPECT_TRUE(doc.Modified);
}

TEST(ChordTableOperations, BuildFromTextEncodesChordLines) {
    EditorText text;
    text.lines = {"Can\xE7\xE3o", "Am    C", "Era uma vez  "};
    text.chordLines = {false, true, false};
    text.kinds = {kTitleLine, kLyricLine, kRefrainLine};
    text.chords.append("Afm", "12", "0");
    text.chords.append("Cf", "1", "0");
    for (int presentation : {1, 2}) {
        SongDocument doc;
        doc.Template.Presentation = presentation;
        BuildFromText(doc, text);
        ASSERT_EQ(doc.lineCount(), 3);
        EXPECT_EQ(
            doc.LineKinds,
            (std::vector<std::uint8_t>{
                kTitleLine, static_cast<std::uint8_t>(presentation == 2 ? 4 : 3), kRefrainLine}));
        EXPECT_EQ(decodeChordLine(doc.Lines[1]), (std::vector<PlacedChord>{{1, 0}, {7, 1}}));
        EXPECT_EQ(doc.Lines[2], "Era uma vez");
        EXPECT_EQ(doc.Chords.Symbols, text.chords.Symbols);
        EXPECT_TRUE(doc.Modified);
    }
}

}  // namespace
}  // namespace trovale
