#pragma once
// Splitting a written chord name into root, symbol and bass.

#include <string>
#include <string_view>

namespace trovale {

// Takes the root letter and a following "b" or "#" off the front of the text.
std::string ExtrairRaiz(std::string& texto);

// Takes the bass ("/" or "\" plus note) and the variant mark off the end of the text.
// Returns the bass (or the root, without a bass) followed by the variant mark, or the empty
// text when the bass sounds the same as the root.
std::string ExtrairBaixo(std::string& texto, std::string_view raiz);

// Pitch class of a spelled note (Cb, B#, Fb, E# included), ignoring anything from a "*" on;
// 0 when none.
int ValorNota(std::string_view texto);

// The variant number a bass-with-mark asks for: 1 without "*", 2 for a final "*",
// otherwise the letter after "*" ("a" = 1).
int numeroVariante(std::string_view baixoComMarca);

// The bass text without its variant mark.
std::string semMarcaVariante(std::string_view baixoComMarca);

}  // namespace trovale
