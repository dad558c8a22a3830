// trovale-cli songbook read back with poppler: the contents, the page each song starts on,
// the numbers at the foot of the pages, the bookmarks, and pages drawn as the song's own PDF.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <tuple>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;
const fs::path kFontes = fs::path(__FILE__).parent_path().parent_path().parent_path();

std::string aspas(const fs::path& p) {
    return "'" + p.string() + "'";
}

std::string textoDaPagina(const fs::path& pdf, int p, const std::string& opcoes = "") {
    const std::string n = std::to_string(p);
    return saidaDoComando("pdftotext " + opcoes + " -f " + n + " -l " + n + " " + aspas(pdf) +
                          " - 2>&1");
}

// Upper case of the Latin letters the songs use: title rows may be drawn in capitals.
std::string maiusculas(std::string s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') s[i] = static_cast<char>(c - 32);
        if (c == 0xC3 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0xA0)
            s[i + 1] = static_cast<char>(static_cast<unsigned char>(s[i + 1]) - 0x20);
    }
    return s;
}

using Entradas = std::vector<std::pair<std::string, int>>;  // title, page

// The rows of the contents pages: title, author in its own column, page number.
Entradas indice(const fs::path& pdf, int paginas) {
    static const std::regex linha(R"(^\s*(\S.*?)\s{2,}(?:\S.*?\s{2,})?(\d+)\s*$)");
    Entradas entradas;
    for (int p = 2; p < 2 + paginas; ++p) {
        std::istringstream texto(textoDaPagina(pdf, p, "-layout"));
        std::smatch m;
        for (std::string l; std::getline(texto, l);)
            if (std::regex_match(l, m, linha)) entradas.emplace_back(m[1], std::stoi(m[2]));
    }
    return entradas;
}

// The bookmarks in reading order, each with how deep it is nested.
std::vector<std::tuple<int, std::string, int>> marcadores(const fs::path& pdf) {
    const std::string xml = saidaDoComando("pdftohtml -xml -stdout -i -q " + aspas(pdf));
    static const std::regex marca(R"re(<(/?)outline>|<item page="(\d+)">([^<]*)</item>)re");
    std::vector<std::tuple<int, std::string, int>> lista;
    int nivel = -1;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), marca); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        if (m[2].matched)
            lista.emplace_back(nivel, m[3], std::stoi(m[2]));
        else
            nivel += m[1].length() ? -1 : 1;
    }
    return lista;
}

int paginasDoPdf(const fs::path& pdf) {
    static const std::regex paginas(R"(Pages:\s+(\d+))");
    std::smatch m;
    const std::string info = saidaDoComando("pdfinfo " + aspas(pdf));
    return std::regex_search(info, m, paginas) ? std::stoi(m[1]) : -1;
}

// The lowest word of a page and its centre across, in points, with the page's width.
struct Rodape {
    std::string texto;
    double centro = 0, largura = 0;
};

Rodape rodape(const fs::path& pdf, int p) {
    const std::string html = textoDaPagina(pdf, p, "-bbox");
    static const std::regex pagina(R"re(<page width="([\d.]+)")re");
    static const std::regex palavra(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    Rodape r;
    std::smatch m;
    if (std::regex_search(html, m, pagina)) r.largura = std::stod(m[1]);
    double maisBaixa = -1;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), palavra);
         it != std::sregex_iterator(); ++it) {
        if (std::stod((*it)[2]) <= maisBaixa) continue;
        maisBaixa = std::stod((*it)[2]);
        r.texto = (*it)[4];
        r.centro = (std::stod((*it)[1]) + std::stod((*it)[3])) / 2;
    }
    return r;
}

class Songbook : public ComandoComCatalogo {
  protected:
    void SetUp() override {
        if (saidaDoComando("command -v pdftohtml").empty())
            GTEST_SKIP() << "poppler-utils is not installed";
        if (executarCli({"--help"}).saida.find("songbook") == std::string::npos)
            GTEST_SKIP() << "trovale-cli built without drawing";
        ComandoComCatalogo::SetUp();
    }
    int paginasDaMusica(const fs::path& cancao) {
        auto [onde, nova] = paginas_.try_emplace(cancao, 0);
        if (nova) {
            const ResultadoCli r = executar({"layout", "--json", cancao.string()});
            onde->second = nlohmann::json::parse(r.saida)["pageCount"];
        }
        return onde->second;
    }
    // A song of `versos` lyric lines, written as text and converted.
    fs::path cancao(const std::string& titulo, int versos = 1) {
        std::string texto = titulo + "\r\nAlguém\r\n";
        for (int i = 1; i <= versos; ++i) texto += "Verso " + std::to_string(i) + " da canção\r\n";
        const fs::path txt = pasta.gravar(titulo + ".txt", texto);
        fs::path dec = txt;
        executar({"convert", txt.string(), dec.replace_extension(".dec").string()});
        return dec;
    }
    // What the book must hold: the songs in this order after the cover and the contents.
    Entradas esperado(const std::vector<std::pair<std::string, fs::path>>& musicas,
                      int paginasIndice = 1) {
        Entradas e;
        int pagina = 2 + paginasIndice;
        for (const auto& [titulo, arquivo] : musicas) {
            e.emplace_back(titulo, pagina);
            pagina += paginasDaMusica(arquivo);
        }
        return e;
    }
    fs::path saida() const { return pasta.caminho() / "livro.pdf"; }

  private:
    std::map<fs::path, int> paginas_;
};

// Every song starts on the page the contents and its bookmark (under the book's) give, its
// title there; every page but the cover carries its number, centred at the foot.
void conferirLivro(const fs::path& pdf, const Entradas& esperadas, int totalPaginas,
                   const std::string& titulo = "Caderno de cifras") {
    EXPECT_EQ(indice(pdf, 1), esperadas);
    std::vector<std::tuple<int, std::string, int>> arvore{{0, titulo, 1}, {1, "Índice", 2}};
    for (const auto& [musica, pagina] : esperadas) arvore.emplace_back(1, musica, pagina);
    EXPECT_EQ(marcadores(pdf), arvore);
    ASSERT_EQ(paginasDoPdf(pdf), totalPaginas);
    for (const auto& [titulo, pagina] : esperadas)
        EXPECT_NE(maiusculas(textoDaPagina(pdf, pagina)).find(maiusculas(titulo)),
                  std::string::npos)
            << titulo << " on page " << pagina;
    EXPECT_FALSE(std::regex_search(textoDaPagina(pdf, 1), std::regex(R"(\d)")));
    for (int p = 2; p <= totalPaginas; ++p) {
        const Rodape r = rodape(pdf, p);
        EXPECT_EQ(r.texto, std::to_string(p));
        EXPECT_NEAR(r.centro, r.largura / 2, 1.5) << "page " << p;
    }
}

TEST_F(Songbook, ExampleSongsSortedWithSongsLeftOut) {
    const fs::path exemplos = kFontes / "data" / "songs";
    const fs::path golden = kFontes / "tests" / "document" / "golden";
    const fs::path faltando = pasta.caminho() / "faltando.dec";
    const fs::path lixo = pasta.gravar("lixo.dec", "nada disso\r\n");
    const std::vector<std::pair<std::string, fs::path>> ordenadas = {
        {"Asa Branca", golden / "asa_branca_v1.dec"},
        {"Cantiga da tarde", kFontes / "tests" / "ui" / "golden" / "cantiga_da_tarde.dec"},
        {"Ciranda, Cirandinha", exemplos / "Ciranda, cirandinha.dec"},
        {"Coração de Estudante", golden / "coracao_de_estudante_v2.dec"},
        {"O Cravo Brigou com a Rosa", exemplos / "O cravo brigou com a rosa.dec"},
        {"Peixe Vivo", exemplos / "Peixe vivo.dec"}};
    std::vector<std::string> argumentos = {"songbook", saida().string(), faltando.string()};
    for (auto it = ordenadas.rbegin(); it != ordenadas.rend(); ++it)
        argumentos.push_back(it->second.string());
    argumentos.push_back(lixo.string());

    const ResultadoCli r = executar(argumentos);
    ASSERT_EQ(r.status, 3) << r.erros;  // written, without the songs left out
    EXPECT_EQ(r.saida, "");
    EXPECT_EQ(r.erros,
              "Caderno: 0/8\nCaderno: 3/8\nCaderno: 4/8\nCaderno: 5/8\nCaderno: 6/8\n"
              "Caderno: 7/8\nCaderno: 8/8\n" +
                  faltando.string() +
                  ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.\n" +
                  lixo.string() + ": Arquivo incompatível ou defeituoso\n");
    const Entradas entradas = esperado(ordenadas);
    conferirLivro(saida(), entradas, entradas.back().second);
    EXPECT_EQ(textoDaPagina(saida(), 1), "Caderno de cifras\n\n\f");
}

TEST_F(Songbook, OrderTitleAndLongSongs) {
    const fs::path z = cancao("Zabumba"), e = cancao("Éramos", 130), b = cancao("banana"),
                   a = cancao("Água", 70), c = cancao("Abacate");
    const struct {
        std::vector<std::string> opcoes;
        std::vector<std::pair<std::string, fs::path>> ordem;
    } casos[] = {
        {{}, {{"Abacate", c}, {"Água", a}, {"banana", b}, {"Éramos", e}, {"Zabumba", z}}},
        {{"--keep-order", "--title", "Festa junina"},
         {{"Zabumba", z}, {"Éramos", e}, {"banana", b}, {"Água", a}, {"Abacate", c}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::PrintToString(caso.opcoes));
        std::vector<std::string> argumentos = {"songbook"};
        argumentos.insert(argumentos.end(), caso.opcoes.begin(), caso.opcoes.end());
        for (const fs::path& f : {saida(), z, e, b, a, c}) argumentos.push_back(f.string());
        const ResultadoCli r = executar(argumentos);
        ASSERT_EQ(r.status, 0) << r.erros;
        const Entradas entradas = esperado(caso.ordem);
        ASSERT_GT(paginasDaMusica(e), 1);
        const std::string titulo = caso.opcoes.empty() ? "Caderno de cifras" : "Festa junina";
        conferirLivro(saida(), entradas,
                      entradas.back().second + paginasDaMusica(caso.ordem.back().second) - 1,
                      titulo);
        EXPECT_NE(
            saidaDoComando("pdfinfo " + aspas(saida())).find("Title:           " + titulo + "\n"),
            std::string::npos);
    }
}

// A contents page holds 33 rows, the next ones 36: 40 songs take two.
TEST_F(Songbook, ContentsOverSeveralPages) {
    const fs::path musica = cancao("Refrão");
    std::vector<std::string> argumentos = {"songbook", "--keep-order", saida().string()};
    std::vector<std::pair<std::string, fs::path>> ordem(40, {"Refrão", musica});
    for (int i = 0; i < 40; ++i) argumentos.push_back(musica.string());
    ASSERT_EQ(executar(argumentos).status, 0);
    Entradas entradas = esperado(ordem, 2);
    EXPECT_EQ(indice(saida(), 2), entradas);
    EXPECT_EQ(indice(saida(), 1).size(), 33u);
    EXPECT_EQ(paginasDoPdf(saida()), 43);
}

TEST_F(Songbook, NoBookWrittenOnFailure) {
    const fs::path boa = kFontes / "data" / "songs" / "Peixe vivo.dec";
    const fs::path semPasta = pasta.caminho() / "nao" / "livro.pdf";
    const struct {
        std::vector<std::string> argumentos;
        long limite;
        int status;
        std::string fimDosErros;
    } casos[] = {
        {{"songbook", saida().string(), "a.dec", "b.dec"},
         -1,
         1,
         "Nenhuma música pôde ser lida; o caderno não foi gravado.\n"},
        {{"songbook", semPasta.string(), boa.string()},
         -1,
         1,
         semPasta.string() + ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou "
                             "protegido contra gravação).\n"},
        {{"songbook", saida().string(), boa.string()},
         4096,
         1,
         saida().string() + ": Dispositivo defeituoso ou com espaço insuficiente.\n"},
        {{"songbook", saida().string()},
         -1,
         2,
         "trovale-cli: falta ARQUIVOS.\nUse --help para ver os comandos e suas opções.\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
        std::vector<std::string> argumentos = {"--dir", pasta.texto()};
        argumentos.insert(argumentos.end(), c.argumentos.begin(), c.argumentos.end());
        CondicoesCli condicoes;
        condicoes.limiteArquivo = c.limite;
        const ResultadoCli r = executarCli(argumentos, {}, condicoes);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.erros.ends_with(c.fimDosErros)) << r.erros;
        const std::vector<std::string> nomes = {"ACORDES.TIP", "POSICOES.DIG"};
        EXPECT_EQ(pasta.nomes(), nomes);
    }
}

// A PGM picture of one page, as poppler draws it.
std::string imagemDaPagina(const fs::path& pdf, int p) {
    const std::string n = std::to_string(p);
    return saidaDoComando("pdftoppm -gray -r 60 -f " + n + " -l " + n + " " + aspas(pdf));
}

#ifdef TROVALE_CLI_DESENHO_PATH
// Only the foot of the page, where the book's number stands, may differ from the song's own PDF
// as the program prints it (through Qt, as the book is: trovale-cli-desenho's).
TEST_F(Songbook, SongPagesAreDrawnAsTheSongsOwnPdf) {
    const fs::path musicas[] = {
        kFontes / "tests" / "document" / "golden" / "coracao_de_estudante_v2.dec",
        kFontes / "data" / "songs" / "Peixe vivo.dec"};
    std::vector<std::string> argumentos = {"songbook", "--keep-order", saida().string()};
    for (const fs::path& m : musicas) argumentos.push_back(m.string());
    ASSERT_EQ(executar(argumentos).status, 0);
    const fs::path sozinha = pasta.caminho() / "sozinha.pdf";
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(
            executarCli({"--dir", pasta.texto(), "convert", musicas[i].string(), sozinha.string()},
                        {}, TROVALE_CLI_DESENHO_PATH)
                .status,
            0);
        const std::string propria = imagemDaPagina(sozinha, 1);
        const std::string noLivro = imagemDaPagina(saida(), 3 + i);
        ASSERT_EQ(noLivro.size(), propria.size());
        // Header "P5\nW H\n255\n", then a byte per pixel, row by row.
        std::istringstream cabecalho(propria);
        std::string tipo;
        int largura = 0, altura = 0;
        cabecalho >> tipo >> largura >> altura;
        const std::size_t dados = propria.size() - static_cast<std::size_t>(largura) * altura;
        const std::size_t rodape = dados + static_cast<std::size_t>(largura) * (altura * 92 / 100);
        EXPECT_EQ(noLivro.substr(0, rodape), propria.substr(0, rodape)) << musicas[i];
        EXPECT_NE(noLivro.substr(rodape), propria.substr(rodape));
    }
}
#endif

}  // namespace
}  // namespace trovale::testing
