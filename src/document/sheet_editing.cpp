#include "document/sheet_editing.h"

#include <algorithm>

#include "document/text_measure.h"

namespace trovale {

namespace {

constexpr int kBodyStart = kChordPrefixLength;  // body character of column c is at 25 + c - 1

struct LyricOf {
    std::string_view text;
    int kind = kLyricLine;
};

LyricOf lyricOf(const SongDocument& doc, int line) {
    if (line < 0 || line >= doc.lineCount()) return {};
    return {doc.Lines[line], doc.LineKinds[line]};
}

// The chords the drop column is reckoned from: those of the line, less the dragged one.
struct Counted {
    int column;
    ChordExtent extent;
};

std::vector<Counted> countedChords(const SongDocument& doc, const DropSite& site,
                                   const DraggedChord& chord) {
    std::vector<Counted> counted;
    if (site.chordLine < 0) return counted;
    const std::vector<PlacedChord> chords = decodeChordLine(doc.Lines[site.chordLine]);
    for (std::size_t i = 0; i < chords.size() && i < site.extents.size(); ++i) {
        if (chord.line == site.chordLine && chords[i].column == chord.column) continue;
        counted.push_back({chords[i].column, site.extents[i]});
    }
    return counted;
}

// A chord past the end of the lyric goes with the spaces after it, so that the chords
// after it keep their distances; one over the lyric leaves a space.
void removeFromBody(std::string& line, int column, int lyricLength) {
    const std::size_t at = static_cast<std::size_t>(kBodyStart + column - 1);
    removeChord(line, column);
    if (column <= lyricLength || at >= line.size()) return;
    std::size_t end = at + 1;
    while (end < line.size() && line[end] == ' ') ++end;
    line.erase(at, end - at);
}

void trimBody(std::string& line) {
    const std::size_t last = line.find_last_not_of(' ');
    line.resize(std::max<std::size_t>(kBodyStart, last == std::string::npos ? 0 : last + 1));
}

bool occupied(const std::string& line, int column) {
    const std::size_t at = static_cast<std::size_t>(kBodyStart + column - 1);
    return at < line.size() && line[at] != ' ';
}

// The table entry for a chord from a copy panel: the same chord if the song has it.
int entryForPanelChord(SongDocument& doc, const DraggedChord& chord, const CopyPanelChord* panel,
                       bool& added) {
    const int position = FindSameChord(doc, chord.symbol, chord.fingering, panel);
    const std::string symbol = MakeUniqueSymbol(doc, position, chord.symbol, panel);
    const FoundChord found = FindOrAddChord(doc, symbol, chord.fingering, chord.typeCode);
    added = found.added;
    return found.chord;
}

int chordNumberAt(const std::string& line, int column) {
    for (const PlacedChord& placed : decodeChordLine(line))
        if (placed.column == column) return placed.chord;
    return kBadChord;
}

}  // namespace

int charactersFitting(const TextMeasure& measure, int kind, std::string_view text, int width) {
    int n = 0;
    while (n < static_cast<int>(text.size()) &&
           measure.textWidth(kind, text.substr(0, static_cast<std::size_t>(n) + 1)) <= width)
        ++n;
    return n;
}

DropColumn dropColumn(const SongDocument& doc, const DropSite& site, const DraggedChord& chord,
                      const TextMeasure& measure) {
    const LyricOf lyric = lyricOf(doc, site.lyricLine);
    const int n = static_cast<int>(lyric.text.size());
    const int lyricWidth = measure.textWidth(lyric.kind, lyric.text) + 2;
    if (n > 0 && site.x < lyricWidth)
        return {1 + charactersFitting(measure, lyric.kind, lyric.text, site.x - 2), false};

    std::vector<Counted> counted = countedChords(doc, site, chord);
    std::optional<int> nextColumn;
    const auto next = std::find_if(counted.begin(), counted.end(),
                                   [&](const Counted& c) { return c.extent.x > site.x; });
    if (next != counted.end()) nextColumn = next->column;
    counted.erase(next, counted.end());

    int overhang = 0, referenceEnd = 0, referenceColumn = 0;
    const auto straddles = [&](const ChordExtent& e) {
        return e.x < lyricWidth && e.x + e.width > lyricWidth;
    };
    if (!counted.empty() && straddles(counted.back().extent))
        overhang = counted.back().extent.x + counted.back().extent.width - lyricWidth;
    for (auto it = counted.rbegin(); it != counted.rend(); ++it) {
        if (straddles(it->extent)) continue;
        referenceEnd = it->extent.x + it->extent.width;
        referenceColumn = it->column;
        break;
    }
    int baseX = lyricWidth, baseColumn = n + 1;
    if (referenceEnd > lyricWidth) {
        if (referenceColumn <= 0) return {0, true};
        baseX = referenceEnd;
        baseColumn = referenceColumn;
    }
    const int space = std::max(1, measure.textWidth(kChordLine, " "));
    int column = baseColumn + std::max(0, (site.x - baseX - overhang) / space);
    if (nextColumn && column > *nextColumn) column = *nextColumn;
    return {column, false};
}

DropResult dropChord(SongDocument& doc, const DropSite& site, const DraggedChord& chord,
                     const TextMeasure& measure, const CopyPanelChord* panel) {
    DropResult result;
    const DropColumn where = dropColumn(doc, site, chord, measure);
    if (where.internalError) {
        result.outcome = DropOutcome::InternalError;
        return result;
    }
    const int column = std::clamp(where.column, 1, kMaxLineLength);
    std::string target = site.chordLine >= 0 ? doc.Lines[site.chordLine] : emptyChordLine();
    if (occupied(target, column)) return result;

    // The chord leaves its old place first; the same line is then edited as it now stands.
    int number = kBadChord;
    std::optional<std::string> leftLine;  // the line the chord leaves, when another one
    if (chord.line >= 0) {
        number = chordNumberAt(doc.Lines[chord.line], chord.column);
        if (number == kBadChord) return result;
        if (chord.line == site.chordLine) {
            // Columns were reckoned with this line as it stands: the old place only blanks.
            removeChord(target, chord.column);
        } else {
            leftLine = doc.Lines[chord.line];
            removeFromBody(*leftLine, chord.column,
                           static_cast<int>(lyricOf(doc, chord.line + 1).text.size()));
            trimBody(*leftLine);
        }
    } else if (static_cast<int>(decodeChordLine(target).size()) >= kMaxChordsPerLine) {
        return result;  // a 26th chord, refused before any entry is made for it
    }
    if (chord.line < 0) number = entryForPanelChord(doc, chord, panel, result.tableChanged);
    if (!placeChord(target, column, number)) return result;
    trimBody(target);
    if (leftLine) doc.Lines[chord.line] = std::move(*leftLine);

    if (site.chordLine >= 0) {
        doc.Lines[site.chordLine] = std::move(target);
    } else {
        const auto at = static_cast<std::ptrdiff_t>(site.lyricLine);
        const std::uint8_t kind = doc.Template.Presentation == 2 ? kDiagramChordLine : kChordLine;
        doc.Lines.insert(doc.Lines.begin() + at, std::move(target));
        doc.LineKinds.insert(doc.LineKinds.begin() + at, kind);
        result.lineInserted = true;
    }
    doc.Modified = true;
    result.outcome = DropOutcome::Placed;
    return result;
}

bool trashChord(SongDocument& doc, int line, int column) {
    if (line < 0 || line >= doc.lineCount() || !isChordKind(doc.LineKinds[line])) return false;
    const int number = chordNumberAt(doc.Lines[line], column);
    if (number == kBadChord) return false;
    const int lyricLength = static_cast<int>(lyricOf(doc, line + 1).text.size());
    removeFromBody(doc.Lines[line], column, lyricLength);
    trimBody(doc.Lines[line]);
    doc.Modified = true;
    return FreeChordIfUnused(doc, number);
}

bool replaceChordAt(SongDocument& doc, int line, int column, const std::string& symbol,
                    const std::string& fingering, const std::string& typeCode) {
    if (line < 0 || line >= doc.lineCount() || !isChordKind(doc.LineKinds[line])) return false;
    std::string& text = doc.Lines[line];
    const int old = chordNumberAt(text, column);
    if (old == kBadChord) return false;
    removeChord(text, column);
    FreeChordIfUnused(doc, old);
    const std::string base(withoutVariantTag(symbol));
    const int position = FindSameChord(doc, base, fingering);
    const FoundChord found =
        FindOrAddChord(doc, MakeUniqueSymbol(doc, position, base), fingering, typeCode);
    placeChord(text, column, found.chord);
    doc.Modified = true;
    return true;
}

CopyPanelChord copyForPanel(const SongDocument& doc, const DraggedChord& chord) {
    const int position = FindSameChord(doc, chord.symbol, chord.fingering);
    return {MakeUniqueSymbol(doc, position, chord.symbol), chord.fingering};
}

std::optional<DraggedChord> chordAt(const SongDocument& doc, int line, int column) {
    if (line < 0 || line >= doc.lineCount() || !isChordKind(doc.LineKinds[line])) return {};
    const int number = chordNumberAt(doc.Lines[line], column);
    if (number < 0 || number >= doc.Chords.size() || doc.Chords.isFree(number)) return {};
    return DraggedChord{line, column, std::string(withoutVariantTag(doc.Chords.Symbols[number])),
                        doc.Chords.Fingerings[number], doc.Chords.TypeCodes[number]};
}

}  // namespace trovale
