#pragma once
// Where the chords of a chord row stand: over the first pixel of their lyric character, and
// past the lyric's end at their column distances counted in spaces of the chord font.

#include <string_view>
#include <vector>

#include "document/song_document.h"

namespace trovale {

class TextMeasure;

// One drawn chord: its left x in the row and its width, in pixels.
struct ChordExtent {
    int x = 0;
    int width = 0;
    friend bool operator==(const ChordExtent&, const ChordExtent&) = default;
};

struct ChordPlacement {
    std::vector<ChordExtent> extents;  // one per chord of the row, left to right
    bool overflows = false;            // some chord ends past the column's text width
};

// What lies around the chord row.
struct ChordRowContext {
    std::string_view nextText;  // the row below
    int nextKind = -1;          // its kind; -1 when the row is the column's last
    int columnTextWidth = 0;
    int diagramSide = 0;  // D, the least width of a chord on a diagram row
    int diagramGap = 0;   // G, between consecutive diagrams
};

// Places the chords of a row of kind 3 (symbols) or 4 (diagrams). A free entry or a chord
// number the table does not hold takes no width.
ChordPlacement placeChords(std::string_view chordRow, int rowKind, const ChordRowContext& context,
                           const ChordTable& chords, const TextMeasure& measure);

// Width one chord takes on a row of this kind: its symbol, and at least the diagram on kind 4.
int chordWidth(const ChordTable& chords, int chord, int rowKind, int diagramSide,
               const TextMeasure& measure);

}  // namespace trovale
