// The encoding of chord lines: high digits in a 25-character prefix, low digits in the body
// at the lyric columns.
#include <algorithm>

#include "document/song_document.h"

namespace trovale {

namespace {

constexpr unsigned char kDigitBase = 51;
constexpr unsigned char kLastLowDigit = 250;

unsigned char byteAt(std::string_view line, std::size_t i) {
    return static_cast<unsigned char>(line[i]);
}

int chordFromDigits(unsigned char high, unsigned char low) {
    if (high < kDigitBase || low < kDigitBase || low > kLastLowDigit) return kBadChord;
    return (high - kDigitBase) * 200 + (low - kDigitBase);
}

// Number of chords in the body before byte index `end`.
int chordsBefore(std::string_view line, std::size_t end) {
    int count = 0;
    for (std::size_t i = kChordPrefixLength; i < end && i < line.size(); ++i)
        if (line[i] != ' ') ++count;
    return count;
}

// Pads a short line to its prefix and a body reaching `column`.
void widenTo(std::string& line, int column) {
    if (line.size() < static_cast<std::size_t>(kChordPrefixLength))
        line.resize(kChordPrefixLength, kFirstDigit);
    const std::size_t needed = kChordPrefixLength + static_cast<std::size_t>(column);
    if (line.size() < needed) line.resize(needed, ' ');
}

}  // namespace

char highDigit(int chord) {
    return static_cast<char>(kDigitBase + chord / 200);
}

char lowDigit(int chord) {
    return static_cast<char>(kDigitBase + chord % 200);
}

std::string emptyChordLine() {
    return std::string(kChordPrefixLength, kFirstDigit);
}

std::vector<PlacedChord> decodeChordLine(std::string_view line) {
    std::vector<PlacedChord> chords;
    for (std::size_t i = kChordPrefixLength; i < line.size(); ++i) {
        if (line[i] == ' ') continue;
        const std::size_t k = chords.size();
        const int column = static_cast<int>(i) - kChordPrefixLength + 1;
        const int chord =
            k < kChordPrefixLength ? chordFromDigits(byteAt(line, k), byteAt(line, i)) : kBadChord;
        chords.push_back({column, chord});
    }
    return chords;
}

std::string encodeChordLine(std::vector<PlacedChord> chords) {
    std::sort(chords.begin(), chords.end(),
              [](const PlacedChord& a, const PlacedChord& b) { return a.column < b.column; });
    std::string line = emptyChordLine();
    for (std::size_t k = 0; k < chords.size() && k < kMaxChordsPerLine; ++k) {
        widenTo(line, chords[k].column);
        line[k] = highDigit(chords[k].chord);
        line[kChordPrefixLength + chords[k].column - 1] = lowDigit(chords[k].chord);
    }
    return line;
}

bool placeChord(std::string& line, int column, int chord) {
    if (column < 1 || chord < 0 || chord > kMaxChordNumber) return false;
    std::string changed = line;
    widenTo(changed, column);
    const std::size_t at = kChordPrefixLength + column - 1;
    const int k = chordsBefore(changed, at);
    if (k >= kMaxChordsPerLine) return false;
    if (changed[at] == ' ') {
        if (chordsBefore(changed, changed.size()) >= kMaxChordsPerLine) return false;
        // The new high digit goes in at k; the 26th falls off the end of the prefix.
        changed.insert(changed.begin() + k, highDigit(chord));
        changed.erase(kChordPrefixLength, 1);
    } else {
        changed[k] = highDigit(chord);
    }
    changed[at] = lowDigit(chord);
    line = std::move(changed);
    return true;
}

int removeChord(std::string& line, int column) {
    if (column < 1) return kBadChord;
    const std::size_t at = kChordPrefixLength + column - 1;
    if (at >= line.size() || line[at] == ' ') return kBadChord;
    const int k = chordsBefore(line, at);
    const int chord =
        k < kChordPrefixLength ? chordFromDigits(byteAt(line, k), byteAt(line, at)) : kBadChord;
    if (k < kChordPrefixLength) {
        line.erase(k, 1);
        line.insert(line.begin() + (kChordPrefixLength - 1), kFirstDigit);
    }
    line[at] = ' ';
    const std::size_t last = line.find_last_not_of(' ');
    const std::size_t keep =
        std::max<std::size_t>(kChordPrefixLength, last == std::string::npos ? 0 : last + 1);
    if (line.size() > keep) line.resize(keep);
    return chord;
}

}  // namespace trovale
