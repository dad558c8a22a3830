#pragma once
// A Windows-1252 character as Unicode code points, and in capitals as Qt writes them for a
// capitals-only font ("ß" becomes "SS", "ÿ" becomes "Ÿ").

#include <string>
#include <string_view>

#include "base/text_codec.h"

namespace trovale {

std::u32string maiusculas(char32_t caractere);
// A Windows-1252 text in capitals, as UTF-8.
std::string maiusculasUtf8(std::string_view windows1252);

}  // namespace trovale
