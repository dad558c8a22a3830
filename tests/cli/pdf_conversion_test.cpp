// trovale-cli convert SONG.dec OUT.pdf read back with poppler: the pages of the layout, each
// text row of a page as one line of that page, chords standing over their syllables.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "command_fixture.h"
#include "pdf_words.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;
const fs::path kFontes = fs::path(__FILE__).parent_path().parent_path().parent_path();

// The characters of a UTF-8 text: chord columns count characters, not bytes.
std::vector<std::string> caracteres(const std::string& s) {
    std::vector<std::string> lista;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
        lista.push_back(s.substr(i, n));
        i += n;
    }
    return lista;
}

bool ehTexto(int tipo) {
    return tipo != 3 && tipo != 4 && tipo != 5;
}

class PdfConversion : public ComandoComCatalogo {};

TEST_F(PdfConversion, PagesLinesAndChordsOfEverySong) {
    if (saidaDoComando("command -v pdftotext").empty())
        GTEST_SKIP() << "poppler-utils is not installed";
    std::vector<fs::path> cancoes;
    for (const fs::path& pasta :
         {kFontes / "data" / "songs", kFontes / "tests" / "document" / "golden"})
        for (const auto& e : fs::directory_iterator(pasta))
            if (e.path().extension() == ".dec") cancoes.push_back(e.path());
    ASSERT_GE(cancoes.size(), 5u);
    for (const fs::path& cancao : cancoes) {
        SCOPED_TRACE(cancao.filename().string());
        const fs::path pdf = pasta.caminho() / "saida.pdf";
        const ResultadoCli convertida = executar({"convert", cancao.string(), pdf.string()});
        ASSERT_EQ(convertida.status, 0) << convertida.erros;
        const ResultadoCli disposta = executar({"layout", "--json", cancao.string()});
        ASSERT_EQ(disposta.status, 0) << disposta.erros;
        const auto folha = nlohmann::json::parse(disposta.saida);
        const int paginas = folha["pageCount"];
        EXPECT_NE(saidaDoComando("pdfinfo '" + pdf.string() + "'")
                      .find("Pages:           " + std::to_string(paginas) + "\n"),
                  std::string::npos);
        for (int p = 1; p <= paginas; ++p) {
            const std::vector<Palavra> naPagina = palavrasDaPagina(pdf, p);
            for (const auto& coluna : folha["columns"]) {
                const auto& linhas = coluna["rows"];
                for (std::size_t r = 0; r < linhas.size(); ++r) {
                    const auto& linha = linhas[r];
                    const std::vector<std::string> palavras = palavrasDoTexto(linha["text"]);
                    if (linha["page"] != p || !ehTexto(linha["kind"]) || palavras.empty()) continue;
                    const auto achada = acharLinha(naPagina, palavras, true);
                    ASSERT_TRUE(achada) << "page " << p << ": " << linha["text"];
                    if (r == 0 || linhas[r - 1]["kind"] != 3 || linhas[r - 1]["page"] != p)
                        continue;
                    // Each chord over a character of this row stands over that character.
                    const std::vector<std::string> texto = caracteres(linha["text"]);
                    const std::string celulas = linhas[r - 1]["text"];
                    std::size_t acorde = 0;
                    for (std::size_t c = 25; c < celulas.size(); ++c) {
                        if (celulas[c] == ' ') continue;
                        const auto& simbolo = linhas[r - 1]["chords"][acorde++]["symbol"];
                        const std::size_t letra = c - 25;
                        if (letra >= texto.size() || texto[letra] == " ") continue;
                        std::size_t palavra = 0, inicio = 0;
                        for (std::size_t k = 1; k <= letra; ++k)
                            if (texto[k] != " " && texto[k - 1] == " ") ++palavra, inicio = k;
                        if (texto[0] == " ") --palavra;
                        const Palavra& w = (*achada)[palavra];
                        const double largura =
                            (w.x1 - w.x0) / static_cast<double>(caracteres(w.texto).size());
                        const double esperado =
                            w.x0 + largura * static_cast<double>(letra - inicio);
                        const bool sobre =
                            std::any_of(naPagina.begin(), naPagina.end(), [&](const Palavra& a) {
                                return a.y1 <= w.y0 + 1 && a.y1 > w.y0 - 3 * (w.y1 - w.y0) &&
                                       std::abs(a.x0 - esperado) <= largura &&
                                       a.texto.front() == std::string(simbolo).front();
                            });
                        EXPECT_TRUE(sobre) << "page " << p << ": " << simbolo << " over \""
                                           << linha["text"] << "\" at " << letra;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace trovale::testing
