// The streamed JSON of trovale-cli must print what a tree's compact dump printed before.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

namespace trovale::cli {
namespace {

TEST(JsonWriter, TextsAreEscapedAsTheTreeDumpsThem) {
    const std::string textos[] = {"",
                                  "Canção do Sol",
                                  "aspas \"duplas\" e \\barra\\ e /",
                                  "\b\f\n\r\t",
                                  std::string("\x00\x01\x1f", 3),
                                  "\x7f apagar",
                                  "Refrão duas vezes – e fim ♪ 🎸"};
    for (const std::string& texto : textos) {
        std::ostringstream saida;
        {
            EscritorJson json(saida);
            json.valor(texto);
        }
        EXPECT_EQ(saida.str(), nlohmann::json(texto).dump()) << texto;
    }
}

}  // namespace
}  // namespace trovale::cli
