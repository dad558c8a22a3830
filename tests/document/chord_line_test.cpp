// Chord lines as the song file stores them: high digits in the 25-character prefix, low
// digits at the lyric columns.
#include <gtest/gtest.h>

#include "document/song_document.h"

namespace trovale {
namespace {

const std::string kPrefix(25, '3');

std::string withByte(std::string line, std::size_t position1, unsigned char code) {
    if (line.size() < position1) line.resize(position1, ' ');
    line[position1 - 1] = static_cast<char>(code);
    return line;
}

TEST(ChordLine, Decoding) {
    struct Case {
        const char* name;
        std::string line;
        std::vector<PlacedChord> expected;
    };
    const std::string twoChords = withByte(withByte(kPrefix + " ", 26, 51), 31, 60);
    const std::vector<Case> cases = {
        {"prefix alone", kPrefix, {}},
        {"shorter than 26", "3333", {}},
        {"empty", "", {}},
        {"code 52 at position 30", withByte(kPrefix, 30, 52), {{5, 1}}},
        {"high 53 with low 61", withByte(withByte(kPrefix, 1, 53), 26, 61), {{1, 410}}},
        {"two chords pair with prefix order",
         withByte(withByte(twoChords, 2, 54), 1, 52),
         {{1, 200}, {6, 3 * 200 + 9}}},
        {"digit below 3 is no chord", withByte(kPrefix, 27, 50), {{2, kBadChord}}},
        {"low digit above 250", withByte(kPrefix, 27, 251), {{2, kBadChord}}},
        {"high digit below 3", withByte(withByte(kPrefix, 1, ' '), 27, 51), {{2, kBadChord}}},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeChordLine(c.line), c.expected) << c.name;
}

TEST(ChordLine, TwentySixthChordHasNoHighDigit) {
    std::string line = kPrefix + std::string(26, '3');
    const auto chords = decodeChordLine(line);
    ASSERT_EQ(chords.size(), 26u);
    EXPECT_EQ(chords[24], (PlacedChord{25, 0}));
    EXPECT_EQ(chords[25], (PlacedChord{26, kBadChord}));
}

TEST(ChordLine, EncodingRoundTrips) {
    const std::vector<std::vector<PlacedChord>> cases = {
        {},
        {{1, 0}},
        {{5, 1}, {12, 410}, {40, 199}, {41, 200}},
        {{230, kMaxChordNumber}},
    };
    for (const auto& chords : cases) {
        const std::string line = encodeChordLine(chords);
        EXPECT_EQ(line.substr(0, 25).size(), 25u);
        EXPECT_EQ(decodeChordLine(line), chords);
    }
    EXPECT_EQ(encodeChordLine({}), kPrefix);
    EXPECT_EQ(encodeChordLine({{5, 1}}), withByte(kPrefix, 30, 52));
    EXPECT_EQ(encodeChordLine({{3, 410}, {1, 0}}),
              withByte(withByte(kPrefix + "3 =", 2, 53), 1, 51));
}

TEST(ChordLine, PlacingKeepsThePrefixAtTwentyFive) {
    std::string line = emptyChordLine();
    ASSERT_TRUE(placeChord(line, 10, 7));
    ASSERT_TRUE(placeChord(line, 3, 450));  // goes before: its high digit is inserted first
    ASSERT_TRUE(placeChord(line, 20, 2));
    EXPECT_EQ(line.size(), 25u + 20u);
    EXPECT_EQ(line.substr(0, 4), "5333");
    EXPECT_EQ(decodeChordLine(line), (std::vector<PlacedChord>{{3, 450}, {10, 7}, {20, 2}}));
    ASSERT_TRUE(placeChord(line, 10, 201));  // replaces the chord over column 10
    EXPECT_EQ(decodeChordLine(line), (std::vector<PlacedChord>{{3, 450}, {10, 201}, {20, 2}}));
    EXPECT_EQ(removeChord(line, 3), 450);
    EXPECT_EQ(line.substr(0, 25), "4" + std::string(24, '3'));
    EXPECT_EQ(decodeChordLine(line), (std::vector<PlacedChord>{{10, 201}, {20, 2}}));
    EXPECT_EQ(removeChord(line, 20), 2);
    EXPECT_EQ(line.size(), 25u + 10u);  // trailing blanks of the body go
    EXPECT_EQ(removeChord(line, 11), kBadChord);
    EXPECT_EQ(removeChord(line, 10), 201);
    EXPECT_EQ(line, kPrefix);
}

TEST(ChordLine, TwentySixthChordIsRefusedWithoutLosingAny) {
    std::vector<PlacedChord> full;
    for (int k = 0; k < 25; ++k) full.push_back({2 * k + 1, 200 * (k % 3) + k});
    std::string line = encodeChordLine(full);
    const std::string before = line;
    EXPECT_FALSE(placeChord(line, 2, 99));   // between two chords
    EXPECT_FALSE(placeChord(line, 80, 99));  // past the last one
    EXPECT_EQ(line, before);
    EXPECT_TRUE(placeChord(line, 1, 99));  // replacing one is still allowed
    full[0].chord = 99;
    EXPECT_EQ(decodeChordLine(line), full);
}

TEST(ChordLine, PlacingOnAShortLineBuildsThePrefix) {
    std::string line;
    ASSERT_TRUE(placeChord(line, 1, 0));
    EXPECT_EQ(line, kPrefix + "3");
    EXPECT_FALSE(placeChord(line, 0, 1));
    EXPECT_FALSE(placeChord(line, 2, kMaxChordNumber + 1));
}

}  // namespace
}  // namespace trovale
