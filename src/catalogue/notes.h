#pragma once
// Pitch classes ("notas") 1..12 counted from A; 0 means no note.

#include <array>
#include <string>
#include <string_view>

namespace trovale {

inline constexpr int kNotasPorOitava = 12;

// Index 1..12; index 0 is an empty spelling.
inline constexpr std::array<std::string_view, 13> NotasSustenido = {
    "", "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};
inline constexpr std::array<std::string_view, 13> NotasBemol = {
    "", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab"};
// The other spelling of a natural that a chord symbol may use (Cb = B, B# = C, Fb = E,
// E# = F); empty where there is none.
inline constexpr std::array<std::string_view, 13> NotasEnarmonicas = {
    "", "", "", "Cb", "B#", "", "", "", "Fb", "E#", "", "", ""};

// Brings any sum of pitch classes and semitones back into 1..12.
constexpr int reduzirNota(int n) {
    n %= kNotasPorOitava;
    return n <= 0 ? n + kNotasPorOitava : n;
}

// Pitch class of a spelled note, sharp spellings first; 0 when it is no note.
int notaDaGrafia(std::string_view grafia);

// Like notaDaGrafia, but also reads Cb, B#, Fb and E#, as chord symbols may write them.
int notaDaGrafiaDeCifra(std::string_view grafia);

// Spelling of a pitch class, sharp or flat; empty for 0 or out of range.
std::string GrafiaNota(int nota, bool bemol);

// Cb, B#, Fb or E# for B, C, E or F; empty for any other pitch class.
std::string GrafiaEnarmonica(int nota);

}  // namespace trovale
