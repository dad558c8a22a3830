#pragma once
// The parser's refusals in the program's words: it composes them in English.

#include <string>
#include <string_view>

namespace CLI {
class ParseError;
}

namespace trovale::cli {

// What a usage mistake is, in Portuguese: the names and values the user gave kept as they
// are, the parser's sentence around them translated.
std::string mensagemDeUso(const CLI::ParseError& erro);

// The line every usage mistake ends with.
inline constexpr std::string_view kUseAjuda = "Use --help para ver os comandos e suas opções.\n";

}  // namespace trovale::cli
