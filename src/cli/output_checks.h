#pragma once
// An output is checked before anything is written: a forgotten output name must not turn the
// first input into a PDF, nor a typo write a picture over a song.

#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace trovale::cli {

// The extension in lower case (".pdf"), empty when there is none.
std::string extensaoMinuscula(const std::filesystem::path& arquivo);

// Whether `saida` is one of `entradas`: the same file, links resolved; the message naming
// it is written when it is.
bool saidaEhEntrada(const std::filesystem::path& saida,
                    const std::vector<std::filesystem::path>& entradas, std::ostream& erros);

// False, with a message naming the file, when `saida` lacks `extensao` (".png") or is one
// of `entradas`.
bool saidaAceita(const std::filesystem::path& saida, std::string_view extensao,
                 const std::vector<std::filesystem::path>& entradas, std::ostream& erros);

}  // namespace trovale::cli
