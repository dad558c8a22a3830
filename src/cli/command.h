#pragma once
// What every subcommand of trovale-cli receives and returns.

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "base/text_codec.h"

namespace CLI {
class App;
}

namespace trovale::cli {

// Exit status: the answer was given; the catalogue could not give it; an argument was refused.
inline constexpr int kSaidaOk = 0;
inline constexpr int kSaidaCatalogo = 1;
inline constexpr int kSaidaArgumento = 2;
// The songbook was written, but without the songs that could not be read.
inline constexpr int kSaidaCadernoIncompleto = 3;
// Returned, with nothing written anywhere, when a song needs Qt to be drawn: trovale-cli then
// hands the whole command to trovale-cli-desenho.
inline constexpr int kSaidaPedeDesenho = -1;

struct Ambiente {
    std::filesystem::path pasta;
    std::ostream& saida;
    std::ostream& erros;
    // convert --capo: every song read or built is given this capo.
    std::optional<int> capotraste = std::nullopt;
};

// A registered subcommand: the parser's node and what runs once it was chosen.
struct Comando {
    CLI::App* subcomando = nullptr;
    std::function<int(const Ambiente&)> executar;
};

// Headings are written here in UTF-8 but tables hold Windows-1252 cells.
inline std::string w1252(std::string_view utf8) {
    return windows1252DeUtf8(utf8);
}
inline std::string utf8(std::string_view texto) {
    return utf8DeWindows1252(texto);
}

}  // namespace trovale::cli
