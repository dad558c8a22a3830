// Chord placement on a chord row, as drawing, printing and the hit test all see it.
#include "document/chord_placement.h"

#include <algorithm>

#include "document/text_measure.h"

namespace trovale {

namespace {

// The walk along one row: x runs on once a chord stood past the lyric or no lyric follows.
struct Walk {
    int previousColumn = 1;
    int previousEnd = 0;
    int x = 0;
    int offset = 0;
};

struct Lyric {
    std::string_view text;
    int kind = kLyricLine;
    int width = 0;
    int length() const { return static_cast<int>(text.size()); }
};

// A chord following another that already left the lyric (or with no lyric below).
void continueAfterPrevious(Walk& walk, int column, int rowKind, int space, int gap) {
    walk.offset = 2;
    if (rowKind == kChordLine)
        walk.x += (column - walk.previousColumn) * space;
    else if (column > 1)
        walk.x += gap;
    if (walk.x == 0) {
        walk.offset = 0;
        walk.x = 2;
    }
}

// The first chord past the end of the lyric: counted from the lyric's or the last chord's end.
void passLyricEnd(Walk& walk, int column, Lyric& lyric, int space) {
    walk.offset = 2;
    lyric.width = std::max(lyric.width, walk.previousEnd);
    if (walk.previousColumn < lyric.length()) walk.previousColumn = lyric.length() + 1;
    walk.x = (column - walk.previousColumn) * space + lyric.width;
    if (walk.x == 0) {
        walk.offset = 0;
        walk.x = 2;
    }
}

}  // namespace

int chordWidth(const ChordTable& chords, int chord, int rowKind, int diagramSide,
               const TextMeasure& measure) {
    if (chord < 0 || chord >= chords.size() || chords.isFree(chord)) return 0;
    const int symbol = measure.chordSymbolWidth(displaySymbol(chords.Symbols[chord]));
    return rowKind == kDiagramChordLine ? std::max(diagramSide, symbol) : symbol;
}

ChordPlacement placeChords(std::string_view chordRow, int rowKind, const ChordRowContext& context,
                           const ChordTable& chords, const TextMeasure& measure) {
    const bool overLyric = isLyricKind(context.nextKind);
    Lyric lyric;
    if (overLyric) {
        lyric.text = context.nextText;
        lyric.kind = context.nextKind;
    }
    lyric.width = measure.textWidth(lyric.kind, lyric.text);
    const int space = measure.textWidth(kChordLine, " ");

    ChordPlacement placement;
    Walk walk;
    for (const PlacedChord& placed : decodeChordLine(chordRow)) {
        const int column = placed.column;
        if (!overLyric || walk.x != 0) {
            continueAfterPrevious(walk, column, rowKind, space, context.diagramGap);
        } else if (column > lyric.length()) {
            passLyricEnd(walk, column, lyric, space);
        } else if (column > kMaxLineLength && walk.offset > context.columnTextWidth) {
            // Over an overlong lyric and past the column's edge, as the chord before it: as
            // hidden as that one, and measuring every prefix of a pasted blob takes minutes.
        } else {
            // Over the lyric: on the first pixel of its character.
            walk.offset = measure.textWidth(lyric.kind, lyric.text.substr(0, column - 1)) + 2;
        }
        const int width = chordWidth(chords, placed.chord, rowKind, context.diagramSide, measure);
        placement.extents.push_back({walk.x + walk.offset, width});
        walk.previousEnd = walk.x + walk.offset + width;
        if (walk.previousEnd > context.columnTextWidth) placement.overflows = true;
        if (walk.x > 0) walk.x = walk.offset != 0 ? walk.x + width : width;
        walk.previousColumn = column;
    }
    return placement;
}

}  // namespace trovale
