#pragma once
// The capo. The song keeps it as a notes line at its top, "Capotraste na 2ª casa", so that a
// song without one is stored as before and a program that knows nothing of capos still shows
// it. The chords on the sheet are the shapes the player fingers; what sounds is each shape
// moved up by the capo's fret.

#include <optional>
#include <string>
#include <string_view>

#include "document/song_document.h"

namespace trovale {

inline constexpr int kMaxCapotraste = 11;

// The fret a line names as the capo's: "Capotraste na 2ª casa", "Capotraste: 2ª casa",
// "Capo: 2", "capotraste na casa 3 (afinação normal)"; nothing for any other line or for a
// fret outside 1..11. Windows-1252.
std::optional<int> casaDoCapotraste(std::string_view linha);

// The line the program writes for a capo on `casa` (1..11): "Capotraste na 2ª casa".
std::string linhaDoCapotraste(int casa);

// The song's capo: the first notes line that names one; 0 without it.
int capotrasteDaCancao(const SongDocument& doc);
// Which line that is.
std::optional<std::size_t> linhaDoCapotrasteNaCancao(const SongDocument& doc);

// Puts the capo on `casa` (0 takes it off): its line is written again, removed, or added as a
// notes line after the title, author and "Tom: ..." lines at the top. Marks the song modified
// when something changed. False, with the song untouched, for a fret outside 0..11 or a song
// already at its line limit.
bool definirCapotraste(SongDocument& doc, int casa);

// "2ª casa", as the windows name a capo position; "Sem capotraste" for 0. UTF-8.
std::string nomeDaCasa(int casa);

}  // namespace trovale
