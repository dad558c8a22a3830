#pragma once
// A song in memory: its lines with their kinds, the table of the distinct chords it uses, its
// presentation template and its page layout. Every text is Windows-1252 bytes exactly as the
// song file stores them; nothing is re-encoded between a load and a save.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/page_layout.h"
#include "settings/template.h"

namespace trovale {

// Line kinds, as the song file numbers them.
inline constexpr std::uint8_t kTitleLine = 0;
inline constexpr std::uint8_t kAuthorLine = 1;
inline constexpr std::uint8_t kLyricLine = 2;
inline constexpr std::uint8_t kChordLine = 3;         // chord symbols over the next lyric
inline constexpr std::uint8_t kDiagramChordLine = 4;  // chord line when diagrams go between lines
inline constexpr std::uint8_t kGeneratedLine = 5;     // sheet rows only, never in Lines
inline constexpr std::uint8_t kRefrainLine = 6;
inline constexpr std::uint8_t kChorusLine = 7;
inline constexpr std::uint8_t kNotesLine = 8;
inline constexpr int kLineKindCount = 9;

inline constexpr int kMaxLines = 3000;
inline constexpr int kMaxLineLength = 255;  // lines read from a file may be longer and are kept
inline constexpr int kChordPrefixLength = 25;
inline constexpr int kMaxChordsPerLine = 25;
inline constexpr char kFirstDigit = '3';  // code 51: chord digits run from here upward
// High digits may use every byte up to 255, low ones stop at 250.
inline constexpr int kMaxChordNumber = (255 - 51) * 200 + 199;

inline constexpr std::string_view kFreeSymbol = " ";
inline constexpr std::string_view kNoFingering = "0";
inline constexpr std::string_view kUntitled = "Sem título";  // UTF-8, as the UI shows it

// Kinds 3 and 4 hold encoded chords.
bool isChordKind(int kind);
// Kinds 2, 6, 7 and 8: the lines a chord line can stand over.
bool isLyricKind(int kind);

// The distinct chords of a song; a chord's number is its position from 0. Entries are never
// removed, so numbers stay valid; an entry no longer used is freed instead.
struct ChordTable {
    std::vector<std::string> Symbols;     // stored form ("Cf", "Csm7", "Af*c"), " " when free
    std::vector<std::string> TypeCodes;   // chord type number as decimal text
    std::vector<std::string> Fingerings;  // "0" or three decimal words

    int size() const { return static_cast<int>(Symbols.size()); }
    bool isFree(int chord) const { return Symbols[chord] == kFreeSymbol; }
    void append(std::string symbol, std::string typeCode, std::string fingering);
};

struct SongDocument {
    std::string FileName{kUntitled};  // UTF-8 path, or "Sem título" for a song never saved
    std::vector<std::string> Lines;
    std::vector<std::uint8_t> LineKinds;  // one per line
    ChordTable Chords;
    Modelo Template;    // Presentation, DiagramListOrder and the nine fonts
    PageLayout Layout;  // ten values in millimetres, orientation last
    bool Modified = false;

    int lineCount() const { return static_cast<int>(Lines.size()); }
};

// A new song: no lines, untitled, with the default template and page layout.
SongDocument newSongDocument(const Modelo& defaultTemplate, const PageLayout& defaultLayout);

// ---- Chord line encoding ----------------------------------------------------------------
// Characters 1..25 are the prefix of high digits, in the order of the chords; the body from
// character 26 on has, at position 25 + c, the low digit of the chord over lyric column c.
// Chord number = (high - 51) * 200 + (low - 51).

// One chord of a chord line: the 1-based lyric column it stands over, and its number.
// `chord` is kBadChord when the line cannot name a chord there (a digit below "3", or more
// than 25 chords so that the chord has no high digit).
struct PlacedChord {
    int column = 0;
    int chord = 0;
    friend bool operator==(const PlacedChord&, const PlacedChord&) = default;
};
inline constexpr int kBadChord = -1;

// The chords of a chord line, left to right.
std::vector<PlacedChord> decodeChordLine(std::string_view line);
// 25 times "3": a chord line without chords.
std::string emptyChordLine();
// A chord line holding these chords (any order; one per column; at most 25; numbers within
// 0..kMaxChordNumber). Unused prefix positions hold "3".
std::string encodeChordLine(std::vector<PlacedChord> chords);
// The two digits of a chord number.
char highDigit(int chord);
char lowDigit(int chord);

// Places `chord` over `column`, replacing a chord already there. False, with the line left
// as it was, when the line already holds 25 other chords.
bool placeChord(std::string& line, int column, int chord);
// Removes the chord over `column`; returns its number, or kBadChord when there was none.
int removeChord(std::string& line, int column);

// ---- Stored chord symbols ----------------------------------------------------------------

// Everything before the first "*": the symbol without its variant tag.
std::string_view withoutVariantTag(std::string_view symbol);
// The variant tag for the n-th entry of the same symbol (n from 1): "", "*", "*c", "*d", ...
std::string variantTag(int n);
// Display form: a second character "s" shows as "#", "f" is removed, "b" stays; tag kept.
std::string displaySymbol(std::string_view stored);
// Stored form of a typed symbol: "C" -> "Cf", "C#m" -> "Csm", "Bb" -> "Bb", "Am" -> "Afm".
std::string storedSymbol(std::string_view typed);

// ---- Operations on the chord table ---------------------------------------------------------

struct FoundChord {
    int chord = 0;
    bool added = false;
};
// An entry with exactly this symbol is returned unchanged; otherwise the first free entry is
// reused or a new one appended, with the three fields set.
FoundChord FindOrAddChord(SongDocument& doc, std::string_view symbol, std::string_view fingering,
                          std::string_view typeCode);

// The copy panel's chord takes part in the search as one entry past the end of the table.
struct CopyPanelChord {
    std::string symbol;
    std::string fingering;
};
// 1-based position of the last entry whose symbol without tag is `baseSymbol` and whose
// fingering is `fingering`, searching from the end; 0 when none. With a copy panel chord,
// position size()+1 stands for it and is searched first.
int FindSameChord(const SongDocument& doc, std::string_view baseSymbol, std::string_view fingering,
                  const CopyPanelChord* copyPanel = nullptr);
// For a position found by FindSameChord, that entry's symbol (the copy panel's one for
// size()+1); for 0, `symbol` with the first of "", "*", "*c", "*d", ... that no entry (and
// not the copy panel) has.
std::string MakeUniqueSymbol(const SongDocument& doc, int position, std::string_view symbol,
                             const CopyPanelChord* copyPanel = nullptr);
// Frees the entry when no chord line uses it any longer. True when it was freed.
bool FreeChordIfUnused(SongDocument& doc, int chord);
// Changes what chord number `chord` is; every use follows.
void ReplaceChordEverywhere(SongDocument& doc, int chord, std::string_view symbol,
                            std::string_view fingering, std::string_view typeCode);
// True when some chord line uses this chord number.
bool isChordUsed(const SongDocument& doc, int chord);

// ---- Building a song from text -------------------------------------------------------------

// The text editor's result after interpretation: its lines as typed, which of them are
// chord lines, the kind of every other line, and the table of the chords that occur
// (every symbol of a chord line in stored form, with its fingering and type code).
struct EditorText {
    std::vector<std::string> lines;   // Windows-1252
    std::vector<bool> chordLines;     // one per line
    std::vector<std::uint8_t> kinds;  // one per line; ignored where chordLines is true
    ChordTable chords;
};

// Encodes the chord lines of the text (symbols found in `chords` by stored form) and takes
// the other lines without trailing spaces. Implemented with the text conversion.
std::vector<std::string> TextToSong(const EditorText& text);

// Replaces the song's lines and chord table by the text's: chord lines get kind 3 (4 when
// the template presents diagrams between the lines). The song is marked modified.
void BuildFromText(SongDocument& doc, const EditorText& text);

}  // namespace trovale
