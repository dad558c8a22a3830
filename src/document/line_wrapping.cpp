#include "document/line_wrapping.h"

#include <algorithm>

#include "document/text_measure.h"
#include "document/text_truncation.h"

namespace trovale {

namespace {

constexpr std::string_view kIndentBlanks = "   ";

// The longest start of `text` that fits `width`, at least one character.
std::size_t fittingCharacters(const TextMeasure& measure, int kind, std::string_view text,
                              int width) {
    if (textFits(measure, kind, text, width)) return text.size();
    // charactersBeforeEllipsis finds the longest prefix with "..." after it: the prefix
    // alone may hold a character or two more.
    std::size_t n = charactersBeforeEllipsis(measure, kind, text, width);
    while (n < text.size() && textFits(measure, kind, text.substr(0, n + 1), width)) ++n;
    return std::max<std::size_t>(n, 1);
}

}  // namespace

int wrapIndent(const TextMeasure& measure, int kind) {
    return measure.textWidth(kind, kIndentBlanks);
}

std::vector<LinePiece> wrapLine(const TextMeasure& measure, int kind, std::string_view text,
                                int columnWidth) {
    std::vector<LinePiece> pieces;
    const int indent = wrapIndent(measure, kind);
    std::size_t start = 0;
    while (true) {
        const int width = pieces.empty() ? columnWidth : columnWidth - indent;
        const std::string_view rest = text.substr(start);
        const std::size_t fits = fittingCharacters(measure, kind, rest, width);
        if (fits >= rest.size() || width <= indent) {
            pieces.push_back({start, rest.size()});
            return pieces;
        }
        // At the last blank that leaves a word on this row; else inside the word.
        std::size_t end = fits;
        const std::size_t blank = rest.substr(0, fits + 1).find_last_of(' ');
        if (blank != std::string_view::npos && rest.find_first_not_of(' ') < blank) end = blank;
        std::size_t next = end;
        while (next < rest.size() && rest[next] == ' ') ++next;
        std::size_t length = end;
        while (length > 0 && rest[length - 1] == ' ') --length;
        pieces.push_back({start, length});
        if (next >= rest.size()) return pieces;
        start += next;
    }
}

std::string chordsOfPiece(std::string_view chordLine, std::size_t start, std::size_t nextStart) {
    std::vector<PlacedChord> chords;
    for (const PlacedChord& placed : decodeChordLine(chordLine)) {
        const auto index = static_cast<std::size_t>(placed.column - 1);
        if (index < start || index >= nextStart || placed.chord < 0) continue;
        chords.push_back({placed.column - static_cast<int>(start), placed.chord});
    }
    return encodeChordLine(std::move(chords));
}

}  // namespace trovale
