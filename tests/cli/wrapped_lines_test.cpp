// Long lines that wrap, on paper: at one to three columns every lyric row of every shipped and
// golden song is printed whole as the layout shows it, none cut, and a chord that stands at the
// start of a word stands over that word in the PDF, on the wrapped rows as on the first.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <map>
#include <regex>
#include <set>

#include "base/text_codec.h"
#include "command_fixture.h"
#include "document/song_file.h"
#include "example_songs.h"
#include "pdf_words.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kTolerancia = 1.5;  // points between a chord's left edge and its word's

// Every font DejaVu Sans at 13 points, the long lines wrapping.
std::string quebrada(const fs::path& arquivo, int colunas) {
    return cancaoCom(arquivo, "DejaVu Sans", 13, colunas) + std::string(kMarcaQuebrarLinhas) + "\r\n";
}

bool ehLetra(int tipo) {
    return tipo == kLyricLine || tipo == kRefrainLine || tipo == kChorusLine || tipo == kNotesLine;
}

// How many words of `texto` (Windows-1252) start before character `indice`, when a word starts
// there; nothing otherwise.
std::optional<std::size_t> palavraNoInicio(const std::string& texto, std::size_t indice) {
    if (indice >= texto.size() || texto[indice] == ' ' || (indice > 0 && texto[indice - 1] != ' '))
        return std::nullopt;
    std::size_t palavras = 0;
    for (std::size_t i = 0; i < indice; ++i)
        palavras += texto[i] != ' ' && (i == 0 || texto[i - 1] == ' ');
    return palavras;
}

// Each chord of a chord row standing at the start of a word of the row below is printed over
// that word; how many were checked.
int conferirAcordes(const nlohmann::json& cifras, const nlohmann::json& letra,
                    const std::vector<Palavra>& pagina, const std::vector<Palavra>& achada) {
    static const std::regex simples("[A-G][#b]?m?7?");
    const std::string texto = windows1252DeUtf8(letra["text"].get<std::string>());
    const auto acordes = decodeChordLine(cifras["text"].get<std::string>());
    const auto& simbolos = cifras["chords"];
    int conferidos = 0;
    for (std::size_t k = 0; k < acordes.size() && k < simbolos.size(); ++k) {
        const std::string simbolo = simbolos[k]["symbol"];
        const auto n = palavraNoInicio(texto, static_cast<std::size_t>(acordes[k].column - 1));
        if (!n || !std::regex_match(simbolo, simples)) continue;
        const Palavra& alvo = achada[*n];
        const bool acima = std::any_of(pagina.begin(), pagina.end(), [&](const Palavra& p) {
            return p.texto == simbolo && std::abs(p.x0 - alvo.x0) < kTolerancia &&
                   p.y1 <= alvo.y0 + 1 && p.y1 > alvo.y0 - 30;
        });
        EXPECT_TRUE(acima) << simbolo << " over \"" << alvo.texto << "\" in \""
                           << letra["shown"].get<std::string>() << "\"";
        ++conferidos;
    }
    return conferidos;
}

class LinhasQuebradas : public ComandoComCatalogo {};

TEST_F(LinhasQuebradas, EveryPieceIsPrintedWholeWithItsChordsOverTheirWords) {
    if (saidaDoComando("command -v pdftotext").empty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const fs::path cancao = pasta.caminho() / "cancao.dec";
    const fs::path pdf = pasta.caminho() / "cancao.pdf";
    int pedacos = 0, acordesConferidos = 0;
    for (const fs::path& exemplo : cancoesDeExemplo())
        for (int colunas = 1; colunas <= 3; ++colunas) {
            SCOPED_TRACE(exemplo.filename().string() + ", " + std::to_string(colunas) + " colunas");
            pasta.gravar("cancao.dec", quebrada(exemplo, colunas));
            const ResultadoCli disposta = executar({"layout", "--json", cancao.string()});
            ASSERT_EQ(disposta.status, 0) << disposta.erros;
            ASSERT_EQ(executar({"convert", cancao.string(), pdf.string()}).status, 0);
            const auto folha = nlohmann::json::parse(disposta.saida);
            const auto paginas = palavrasDasPaginas(pdf);
            const auto lida = parseSongFile(lerBytes(cancao), modeloDeFabrica());
            ASSERT_TRUE(lida);
            int linhasDeLetra = 0, linhasMostradas = 0;
            std::set<std::string> inteiras;
            for (std::size_t i = 0; i < lida->doc.LineKinds.size(); ++i) {
                linhasDeLetra += ehLetra(lida->doc.LineKinds[i]);
                if (ehLetra(lida->doc.LineKinds[i])) inteiras.insert(utf8DeWindows1252(lida->doc.Lines[i]));
            }
            for (const auto& coluna : folha["columns"]) {
                const auto& linhas = coluna["rows"];
                // Where a whole line starts on each page; a continuation stands in from there.
                std::map<int, double> margem;
                for (std::size_t r = 0; r < coluna["songRows"].get<std::size_t>(); ++r) {
                    const auto& linha = linhas[r];
                    const int tipo = linha["kind"];
                    if (!ehLetra(tipo) || linha["height"] == 0) continue;
                    ++linhasMostradas;
                    const std::string mostrada = linha["shown"];
                    EXPECT_FALSE(mostrada.ends_with("...") && !linha["text"].get<std::string>().ends_with("..."))
                        << mostrada;
                    const auto palavras = palavrasDoTexto(mostrada);
                    if (palavras.empty()) continue;
                    const auto& pagina = paginas[linha["page"].get<std::size_t>() - 1];
                    const auto achada = acharLinha(pagina, palavras);
                    EXPECT_TRUE(achada) << "\"" << mostrada << "\"";
                    const std::string pedaco = linha["text"];
                    const bool primeira = std::any_of(inteiras.begin(), inteiras.end(), [&](const std::string& l) {
                        return l.starts_with(pedaco);
                    });
                    if (achada && inteiras.count(pedaco) && !pedaco.starts_with(" ")) {
                        margem.try_emplace(linha["page"], achada->front().x0);
                    } else if (achada && !primeira && margem.count(linha["page"])) {
                        EXPECT_GT(achada->front().x0 - margem[linha["page"]], 4.0)
                            << "continuation not indented: \"" << mostrada << "\"";
                    }
                    if (achada && r > 0 && linhas[r - 1]["kind"] == kChordLine)
                        acordesConferidos += conferirAcordes(linhas[r - 1], linha, pagina, *achada);
                }
            }
            pedacos += linhasMostradas - linhasDeLetra;
        }
    // The table reaches the columns' edges: some lines wrap, and chords were checked.
    EXPECT_GT(pedacos, 20);
    EXPECT_GT(acordesConferidos, 25);
}

}  // namespace
}  // namespace trovale::testing
