#pragma once
// The parser's refusals in the program's words: it composes them in English.

#include <string>

namespace CLI {
class ParseError;
}

namespace trovale::cli {

// What a usage mistake is, in Portuguese: the names and values the user gave kept as they
// are, the parser's sentence around them translated.
std::string mensagemDeUso(const CLI::ParseError& erro);

}  // namespace trovale::cli
