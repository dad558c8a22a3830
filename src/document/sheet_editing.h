#pragma once
// The chord operations of the sheet: dropping a dragged chord on a syllable, throwing it in
// the trash, copying it to the copy panel. They work on the song's lines; the caller lays the
// sheet out again afterwards.

#include <optional>
#include <string>
#include <vector>

#include "document/chord_placement.h"
#include "document/song_document.h"

namespace trovale {

class TextMeasure;

// A chord on its way: from a chord line of this song, or from a copy panel (of this window
// or another one).
struct DraggedChord {
    int line = -1;     // song line of the chord line it leaves; -1 from a copy panel
    int column = 0;    // lyric column it stood over in that line
    std::string symbol;     // without its variant tag
    std::string fingering;  // "0" or three numbers
    std::string typeCode;
};

// The drop point seen from the sheet: the lyric row under it (or below the chord row under
// it) and the chord line above that lyric, with what layout measured of them.
struct DropSite {
    int chordLine = -1;  // song line of the chord line; -1: a new one goes above the lyric
    int lyricLine = -1;  // song line of the lyric; -1 when there is none
    std::vector<ChordExtent> extents;  // of the chord line, left to right
    int x = 0;                         // drop x from the row's left edge
};

// Column c the chord goes to, or nothing with "Erro interno. ..." when the line's columns
// cannot be followed.
struct DropColumn {
    int column = 0;
    bool internalError = false;
};
DropColumn dropColumn(const SongDocument& doc, const DropSite& site, const DraggedChord& chord,
                      const TextMeasure& measure);

inline constexpr const char* kErroInterno = "Erro interno. Tente mover de outra forma.";

enum class DropOutcome {
    Placed,
    Refused,        // occupied, or a 26th chord: a beep
    InternalError,  // after the message
};

struct DropResult {
    DropOutcome outcome = DropOutcome::Refused;
    bool lineInserted = false;  // a new chord line: the sheet must be laid out again
    bool tableChanged = false;  // a new entry: the diagram list must be made again
};

// Places the chord at `site` (column found by dropColumn). A chord leaving a chord line keeps
// its number; one from a copy panel finds or makes its entry, `panel` being this window's
// own copy panel chord when there is one.
DropResult dropChord(SongDocument& doc, const DropSite& site, const DraggedChord& chord,
                     const TextMeasure& measure, const CopyPanelChord* panel = nullptr);

// Takes the chord at `column` of chord line `line` away, freeing its entry when no other use
// remains. True when its entry was freed.
bool trashChord(SongDocument& doc, int line, int column);

// The copy panel's chord after a chord is dropped on it: the entry of the same symbol and
// fingering, or a symbol no entry has.
CopyPanelChord copyForPanel(const SongDocument& doc, const DraggedChord& chord);

// The chord at `column` of chord line `line` becomes another: its old entry is freed when no
// other use remains, the new one found or made. False when nothing stands there.
bool replaceChordAt(SongDocument& doc, int line, int column, const std::string& symbol,
                    const std::string& fingering, const std::string& typeCode);

// The chord at `column` of chord line `line`, as a drag carries it.
std::optional<DraggedChord> chordAt(const SongDocument& doc, int line, int column);

// Number of leading characters of `text` whose width in `kind`'s font fits in `width`.
int charactersFitting(const TextMeasure& measure, int kind, std::string_view text, int width);

}  // namespace trovale
