#pragma once
// A Windows-1252 character as Unicode code points, and in capitals as Qt writes them for a
// capitals-only font ("ß" becomes "SS", "ÿ" becomes "Ÿ").

#include <string>

namespace trovale::fontes {

char32_t unicodeDeWindows1252(unsigned char byte);
std::u32string maiusculas(char32_t caractere);

}  // namespace trovale::fontes
