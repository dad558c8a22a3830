#include "base/accent_folding.h"

#include <array>
#include <utility>

namespace trovale {

namespace {

constexpr std::array<std::pair<char32_t, char32_t>, 30> kDobras = {{
    {U'À', U'A'}, {U'Á', U'A'}, {U'Ã', U'A'}, {U'È', U'E'}, {U'É', U'E'}, {U'Ê', U'E'},
    {U'Ì', U'I'}, {U'Í', U'I'}, {U'Ñ', U'N'}, {U'Ò', U'O'}, {U'Ó', U'O'}, {U'Ô', U'O'},
    {U'Õ', U'O'}, {U'Ù', U'U'}, {U'Ú', U'U'}, {U'à', U'a'}, {U'á', U'a'}, {U'ã', U'a'},
    {U'è', U'e'}, {U'é', U'e'}, {U'ê', U'e'}, {U'ì', U'i'}, {U'í', U'i'}, {U'ñ', U'n'},
    {U'ò', U'o'}, {U'ó', U'o'}, {U'ô', U'o'}, {U'õ', U'o'}, {U'ù', U'u'}, {U'ú', U'u'},
}};

}  // namespace

char32_t letraSemAcento(char32_t letra) {
    for (const auto& [acentuada, simples] : kDobras)
        if (letra == acentuada) return simples;
    return letra;
}

std::string primeiraLetraSemAcento(std::string_view utf8) {
    // Every folded letter is two bytes in UTF-8 (C3 xx) and its plain letter one.
    if (utf8.size() < 2 || static_cast<unsigned char>(utf8[0]) != 0xC3) return std::string(utf8);
    const char32_t letra = 0xC0 + (static_cast<unsigned char>(utf8[1]) & 0x3F);
    const char32_t simples = letraSemAcento(letra);
    if (simples == letra) return std::string(utf8);
    return static_cast<char>(simples) + std::string(utf8.substr(2));
}

}  // namespace trovale
