// trovale-cli layout: the song laid out on the no-printer A4 page, as scripts read it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "command_fixture.h"
#include "png_size.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(__FILE__).parent_path().parent_path() / "document" / "golden";

class LayoutCommand : public ComandoComCatalogo {
  protected:
    nlohmann::ordered_json layoutJson(std::vector<std::string> argumentos) {
        argumentos.insert(argumentos.begin(), {"layout", "--json"});
        const ResultadoCli r = executar(argumentos);
        EXPECT_EQ(r.status, 0) << r.erros;
        return nlohmann::ordered_json::parse(r.saida, nullptr, false);
    }
};

TEST_F(LayoutCommand, JsonHoldsEveryRowWithItsChords) {
    const nlohmann::ordered_json j = layoutJson({(kGolden / "asa_branca_v1.dec").string()});
    ASSERT_TRUE(j.is_object());
    std::vector<std::string> chaves;
    for (const auto& item : j.items()) chaves.push_back(item.key());
    EXPECT_EQ(chaves,
              (std::vector<std::string>{"dpi", "usableHeight", "pageCount", "rowHeights",
                                        "pageHeights", "pageFillers", "truncated", "columns", "capo"}));
    EXPECT_EQ(j["dpi"], 96);
    // The no-printer page is 2104 pixels at 180 dpi, 296.9 mm; margins of 30 and 25 mm:
    // Trunc(96 × 241.9 / 25.4).
    EXPECT_EQ(j["usableHeight"], 914);
    EXPECT_EQ(j["pageCount"], 1);
    EXPECT_EQ(j["rowHeights"].size(), 9u);
    ASSERT_EQ(j["columns"].size(), 1u);
    const nlohmann::ordered_json& coluna = j["columns"][0];
    EXPECT_EQ(coluna["left"], 0);
    // 160 mm: Trunc(96 / 25.4 × 160 + 0.5) + 4.
    EXPECT_EQ(coluna["textWidth"], 609);
    EXPECT_EQ(coluna["songRows"], 7);
    std::vector<int> tipos;
    std::vector<std::vector<std::string>> cifras;
    for (const auto& linha : coluna["rows"]) {
        tipos.push_back(linha["kind"]);
        EXPECT_EQ(linha["page"], 1);
        if (&linha != &coluna["rows"].back()) {
            EXPECT_EQ(linha["height"], j["rowHeights"][linha["kind"].get<int>()]);
        }
        std::vector<std::string> simbolos;
        if (linha.contains("chords"))
            for (const auto& c : linha["chords"]) simbolos.push_back(c["symbol"]);
        cifras.push_back(simbolos);
    }
    // Title, author, chords over lyrics, the diagram list without the chord that has no
    // fingering, and the closing empty row of height 0 after it.
    EXPECT_EQ(coluna["rows"].back()["height"], 0);
    EXPECT_EQ(tipos, (std::vector<int>{0, 1, 3, 2, 3, 2, 2, 4, 2}));
    EXPECT_EQ(cifras[2], (std::vector<std::string>{"G", "C"}));
    EXPECT_EQ(cifras[4], (std::vector<std::string>{"G*", "G", "C"}));
    EXPECT_EQ(cifras[7], (std::vector<std::string>{"G", "G*"}));
    EXPECT_EQ(coluna["rows"][3]["text"], "Quando olhei a terra ardendo");
    EXPECT_EQ(coluna["rows"][6]["text"], "Qual fogueira de São João");
    // A chord over the lyric stands on the first pixel of its letter, 2 pixels in.
    EXPECT_EQ(coluna["rows"][2]["chords"][0]["x"], 2);
}

TEST_F(LayoutCommand, TheDpiScalesTheSheet) {
    const nlohmann::ordered_json a = layoutJson({(kGolden / "asa_branca_v1.dec").string()});
    const nlohmann::ordered_json b =
        layoutJson({"--dpi", "192", (kGolden / "asa_branca_v1.dec").string()});
    EXPECT_EQ(b["dpi"], 192);
    EXPECT_EQ(b["usableHeight"], 1828);
    EXPECT_EQ(b["columns"][0]["textWidth"], 1213);
    EXPECT_GT(b["rowHeights"][2].get<int>(), a["rowHeights"][2].get<int>() * 3 / 2);
}

std::pair<std::uint32_t, std::uint32_t> dimensoesDoArquivo(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return dimensoesPng(std::string(std::istreambuf_iterator<char>(entrada), {}));
}

// The picture holds the sheet as laid out: as wide as its column, as tall as its rows.
TEST_F(LayoutCommand, RenderDrawsTheSheetAtItsLaidOutSize) {
    const std::string cancao = (kGolden / "asa_branca_v1.dec").string();
    const nlohmann::ordered_json j = layoutJson({cancao});
    int altura = 1;
    for (const auto& linha : j["columns"][0]["rows"]) altura += linha["height"].get<int>();
    const fs::path png = pasta.caminho() / "folha.png";
    const ResultadoCli r = executar({"render", cancao, png.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(dimensoesDoArquivo(png),
              std::make_pair(j["columns"][0]["textWidth"].get<std::uint32_t>(),
                             static_cast<std::uint32_t>(altura)));
    const ResultadoCli segunda = executar({"render", "--page", "2", cancao, png.string()});
    EXPECT_EQ(segunda.status, 2);
    EXPECT_NE(segunda.erros.find("Página inexistente: 2 (a música tem 1).\n"), std::string::npos);
}

// A song file written out line by line: version 01.00, factory fonts, the given page layout.
std::string arquivoCancao(const std::vector<std::string>& linhas,
                          const std::vector<std::string>& acordes, const std::string& pagina) {
    std::string bytes = "Trovale 01.00 Teste\r\n\r\n1 2 " + std::to_string(acordes.size()) + " " +
                        std::to_string(linhas.size()) + "\r\n" + pagina + "\r\n";
    for (const char* fonte : {"12 0 1 0 Arial", "8 0 0 0 Arial", "11 0 0 0 Arial",
                              "9 32768 0 0 Arial", "20 0 0 0 Arial", "8 0 1 0 Arial"})
        bytes += std::string(fonte) + "\r\n";
    for (const std::string& linha : linhas) bytes += linha + "\r\n";
    for (const std::string& acorde : acordes) bytes += acorde + "\r\n";
    return bytes;
}

// Songs at the edges: the longest, the widest lines, the most chords, none at all.
TEST_F(LayoutCommand, SongsAtTheEdgesAreLaidOut) {
    const std::string pagina = "30 20 30 25 10\r\n3 50 50 50 0";
    std::vector<std::string> longa, muitosAcordes;
    for (int i = 0; i < 3000; ++i) longa.push_back("2 " + std::string(1000, 'a' + i % 26));
    std::vector<std::string> tabela;
    for (int i = 0; i < 200; ++i) {
        const char raiz[] = {static_cast<char>('A' + i % 7), 'f', '\0'};
        tabela.push_back(std::string(raiz) + std::string(i / 7 + 1, '*') + " 1 763 5118 3001");
        const int alto = 51 + i / 200, baixo = 51 + i % 200;
        std::string cifras(25, static_cast<char>(alto));
        cifras += static_cast<char>(baixo);
        muitosAcordes.push_back("3 " + cifras);
        muitosAcordes.push_back("2 letra");
    }
    const struct {
        const char* nome;
        std::string bytes;
        bool cortada;
    } casos[] = {
        {"3000 lines of 1000 characters", arquivoCancao(longa, {}, pagina), true},
        {"200 chords", arquivoCancao(muitosAcordes, tabela, pagina), false},
        {"no line at all", arquivoCancao({}, {}, pagina), false},
    };
    for (const auto& c : casos) {
        const auto arquivo = pasta.gravar("borda.dec", c.bytes);
        const nlohmann::ordered_json j = layoutJson({arquivo.string()});
        ASSERT_TRUE(j.is_object()) << c.nome;
        EXPECT_EQ(j["truncated"], c.cortada) << c.nome;
        EXPECT_GE(j["pageCount"].get<int>(), 1) << c.nome;
    }
}

TEST_F(LayoutCommand, Refusals) {
    const std::string nenhum = (pasta.caminho() / "nenhum.dec").string();
    const struct {
        std::vector<std::string> argumentos;
        int status;
        std::string erro;
    } casos[] = {
        {{"layout", nenhum},
         1,
         nenhum + ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.\n"},
        {{"layout", "--dpi", "0", nenhum}, 2, ""},
        {{"layout", "--width", "-5", nenhum}, 2, ""},
    };
    for (const auto& c : casos) {
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, c.status) << c.argumentos[1];
        EXPECT_EQ(r.saida, "");
        if (!c.erro.empty()) {
            EXPECT_EQ(r.erros, c.erro);
        }
    }
}

}  // namespace
}  // namespace trovale::testing
