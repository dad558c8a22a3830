#pragma once
// Long lines that wrap: a text line wider than its column goes on in the next rows, broken
// where a word ends (inside a word only when the word alone is wider than the column), each
// continuation indented a little. Its chord line breaks at the same characters.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/song_document.h"

namespace trovale {

class TextMeasure;

// One row of a wrapped line: `length` characters from `start` are shown; the blanks where it
// broke belong to no piece.
struct LinePiece {
    std::size_t start = 0;
    std::size_t length = 0;
    friend bool operator==(const LinePiece&, const LinePiece&) = default;
};

// The indent of the continuation rows of a line of kind `kind`: three blanks of its font.
int wrapIndent(const TextMeasure& measure, int kind);

// The pieces of `text` (kind `kind`) in a column `columnWidth` pixels wide; one piece, the
// whole text, when it fits.
std::vector<LinePiece> wrapLine(const TextMeasure& measure, int kind, std::string_view text,
                                int columnWidth);

// The chords of a chord line that stand over the piece starting at `start`, at columns counted
// from there: those before `nextStart`, the next piece's start (npos for the last piece, which
// also keeps the chords past the lyric's end). A chord over the blanks where the line broke
// stays with the piece before them.
std::string chordsOfPiece(std::string_view chordLine, std::size_t start, std::size_t nextStart);

}  // namespace trovale
