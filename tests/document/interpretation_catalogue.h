#pragma once
// A small catalogue for the text tests: the common chord types and a few fingerings whose
// choice can be told apart (two G majors with G in the bass, one with B).

#include <filesystem>
#include <string>

#include "catalogue/catalogue.h"

namespace trovale::testing {

// C major: x32010, x35553; G major: 320003, x20003, 355433; A minor: x02210.
const Catalogo& catalogoDeInterpretacao();

// The frets of a fingering text ("1243 3018 2701" -> "x 0 2 2 1 0"), "-" for "0".
std::string trastesDaDigitacao(const std::string& texto);

// Bytes of a file of the test data folder tests/document/golden_text.
std::filesystem::path pastaGoldenTexto();
std::string lerArquivo(const std::filesystem::path& caminho);

}  // namespace trovale::testing
