#pragma once
// Reducing a written chord symbol to its canonical token string.

#include <string>

namespace trovale {

// Returns the canonical tokens; the text keeps whatever could not be consumed.
std::string NormalizarCifra(std::string& simbolo);

}  // namespace trovale
