// Paper equals window: every text row that `trovale-cli layout --json` shows (whole, or cut
// with "...") is the same line of words in the PDF that `convert` draws, for common fonts at
// every size, one to three columns, on every shipped and golden song.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "command_fixture.h"
#include "document/song_file.h"
#include "example_songs.h"
#include "pdf_words.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

class PapelIgualJanela : public ComandoComCatalogo,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(PapelIgualJanela, EveryTextRowIsPrintedAsTheLayoutShowsIt) {
    if (saidaDoComando("command -v pdftotext").empty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const fs::path cancao = pasta.caminho() / "cancao.dec";
    const fs::path pdf = pasta.caminho() / "cancao.pdf";
    int cortadas = 0;
    for (const fs::path& exemplo : cancoesDeExemplo())
        for (int pontos = 9; pontos <= 16; ++pontos)
            for (int colunas = 1; colunas <= 3; ++colunas) {
                const std::string caso = exemplo.filename().string() + " " + GetParam() + " " +
                                         std::to_string(pontos) + " pt, " +
                                         std::to_string(colunas) + " colunas";
                SCOPED_TRACE(caso);
                pasta.gravar("cancao.dec", cancaoCom(exemplo, GetParam(), pontos, colunas));
                const ResultadoCli disposta = executar({"layout", "--json", cancao.string()});
                ASSERT_EQ(disposta.status, 0) << disposta.erros;
                const ResultadoCli convertida =
                    executar({"convert", cancao.string(), pdf.string()});
                ASSERT_EQ(convertida.status, 0) << convertida.erros;
                const auto folha = nlohmann::json::parse(disposta.saida);
                const auto paginas = palavrasDasPaginas(pdf);
                ASSERT_EQ(paginas.size(), folha["pageCount"].get<std::size_t>());
                for (const auto& coluna : folha["columns"])
                    for (const auto& linha : coluna["rows"]) {
                        if (!linha.contains("shown")) continue;
                        const std::string mostrada = linha["shown"];
                        const auto palavras = palavrasDoTexto(mostrada);
                        if (palavras.empty()) continue;
                        cortadas += mostrada.ends_with("...") && !linha["text"].get<std::string>()
                                                                      .ends_with("...");
                        const int p = linha["page"];
                        EXPECT_TRUE(acharLinha(paginas[static_cast<std::size_t>(p - 1)], palavras))
                            << "page " << p << ": \"" << mostrada << "\"";
                    }
            }
    // The table reaches the columns' edges: some rows are cut.
    EXPECT_GT(cortadas, 0);
}

INSTANTIATE_TEST_SUITE_P(Fontes, PapelIgualJanela,
                         ::testing::Values("Liberation Sans", "Liberation Serif", "DejaVu Sans",
                                           "DejaVu Serif"),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::erase(nome, ' ');
                             return nome;
                         });

}  // namespace
}  // namespace trovale::testing
