#pragma once
// Blanks around a piece of text: song lines and directives are padded with plain spaces.

#include <string_view>

namespace trovale {

// The text without the spaces before and after it.
inline std::string_view aparar(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

}  // namespace trovale
