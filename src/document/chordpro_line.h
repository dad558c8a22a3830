#pragma once
// A ChordPro lyric line with inline chords ("[Am]Vem [G/B]cá") taken apart, and the chord
// line the text editor reads over the lyric.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

struct AcordeNaLetra {
    std::string simbolo;
    std::size_t indice = 0;  // lyric characters before it
};

struct LetraComAcordes {
    std::string letra;  // the line without its chords
    std::vector<AcordeNaLetra> acordes;
};

// A line of chords alone stands over nothing; in a song a chord line stands over the lyric
// line below it. Between the two goes a line holding only the plain-text mark (a
// non-breaking space), which the export knows and leaves out.
inline constexpr std::string_view kSeparadorDeAcordes = "\xA0";

// Non-breaking spaces before the last word become plain ones: under chords the room opened
// for them is the only one of its kind (one at the end is the plain-text mark).
void espacosComunsEntrePalavras(std::string& letra);

// "[" up to the next "]" is a chord; a "[" that no "]" closes before another "[" stays text.
// Empty brackets are dropped.
LetraComAcordes separarAcordes(std::string_view linha);

// A chord line whose symbols stand at the columns of the characters they precede, a symbol
// that would touch the one before it moved to one blank past that one's end.
std::string linhaDeAcordes(const std::vector<AcordeNaLetra>& acordes);

}  // namespace trovale
