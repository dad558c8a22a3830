#pragma once
// Frets notation: six tokens, string 6 (low E) first, "x" not struck, "0" open, else the
// absolute fret; for example "x 3 2 0 1 0".

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/fingering.h"

namespace trovale {

inline constexpr int kCordaNaoTocada = -1;

// Index 0 is string 6, index 5 is string 1.
using TrastesAbsolutos = std::array<int, kCordas>;

TrastesAbsolutos trastesDe(const TDigitacao& digitacao);
std::string escreverTrastes(const TrastesAbsolutos& trastes);

// Six blank-separated tokens, or the compact six-character form ("x32010") when every fret
// is a single digit. Frets above 24 are refused.
std::optional<TrastesAbsolutos> lerTrastes(std::string_view texto);

}  // namespace trovale
