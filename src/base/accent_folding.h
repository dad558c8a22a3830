#pragma once
// The accent folding of the song lists: sorted by title or author, "Água" stands with the A's.

#include <string>
#include <string_view>

namespace trovale {

// The plain letter of À Á Ã, È É Ê, Ì Í, Ñ, Ò Ó Ô Õ, Ù Ú and their lower-case forms; any other
// character as it is. The file window has always folded exactly these.
char32_t letraSemAcento(char32_t letra);

// A UTF-8 text with its first character folded so; the rest is left alone.
std::string primeiraLetraSemAcento(std::string_view utf8);

}  // namespace trovale
