// Long answers are streamed; they must stay the very bytes a JSON tree would print.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "document" / "golden";

// 3000 lines: chord lines and lyrics with quotes, backslashes and accents, refrain markers.
std::string cancaoDe3000Linhas() {
    const char* const acordes[] = {"Am", "C", "G/B", "C7", "C+", "Dm", "Am/G"};
    std::string texto = "Can\xE7\xE3o \"comprida\"\r\nAutor \\ Algu\xE9m\r\n";
    for (int i = 2; i < 3000; i += 2) {
        if (i % 50 == 0) texto += "<R>";
        for (int k = 0; k < 5; ++k) texto += std::string(acordes[(i + k) % 7]) + "     ";
        texto += "\r\nVerso " + std::to_string(i) + " do \"ver\xE3o\" \\ fim\r\n";
    }
    return texto;
}

// A version 1 song whose lyric holds control characters, quotes and a backslash.
std::string cancaoComControles() {
    std::string bytes = lerBytes(kGolden / "asa_branca_v1.dec");
    const std::string verso = "Quando olhei a terra ardendo";
    bytes.replace(bytes.find(verso), verso.size(), "Quando\x01olhei\x1f\"a\" terra\\\x7f");
    return bytes;
}

using JsonOutput = ComandoComCatalogo;

TEST_F(JsonOutput, LongAnswersAreWhatTheTreeWouldPrint) {
    const auto texto = pasta.gravar("longa.txt", cancaoDe3000Linhas());
    const auto cancao = pasta.caminho() / "longa.dec";
    ASSERT_EQ(executar({"convert", texto.string(), cancao.string()}).status, 0);
    const auto controles = pasta.gravar("controles.dec", cancaoComControles());
    const struct {
        std::vector<std::string> argumentos;
        std::size_t linhas;
        const char* tabela;  // the list of the song's chords
        std::size_t acordes;
    } casos[] = {
        {{"interpret", "--json", texto.string()}, 3000, "chords", 7},
        {{"show", "--json", cancao.string()}, 3000, "chordTable", 7},
        {{"show", "--json", controles.string()}, 7, "chordTable", 4},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.argumentos.back());
        const ResultadoCli r = executar(c.argumentos);
        ASSERT_EQ(r.status, 0) << r.erros;
        ASSERT_TRUE(r.saida.ends_with("\n"));
        const std::string linha = r.saida.substr(0, r.saida.size() - 1);
        const auto arvore = nlohmann::ordered_json::parse(linha);
        EXPECT_EQ(arvore["lines"].size(), c.linhas);
        EXPECT_EQ(arvore[c.tabela].size(), c.acordes);
        EXPECT_EQ(arvore.dump(), linha);
    }
}

}  // namespace
}  // namespace trovale::testing
