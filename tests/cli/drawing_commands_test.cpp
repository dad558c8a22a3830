// trovale-cli diagram and name: PNG files a user can put on a web page.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

#include "catalogue_folder.h"
#include "cli_process.h"
#include "png_size.h"

namespace trovale::testing {
namespace {

// The reviewed reference images of the drawing tests.
const std::filesystem::path kReferencias =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "render" / "golden";

std::string ler(const std::filesystem::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

// Width and height from a PNG's header; 0, 0 when the bytes are no PNG.
class DrawingCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        // Builds without the desktop program have no drawing commands.
        if (executarCli({"--help"}).saida.find("diagram") == std::string::npos)
            GTEST_SKIP() << "trovale-cli built without drawing";
        pasta.gravar("ACORDES.TIP", tiposExemplo());
        pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    }
    ResultadoCli executar(std::vector<std::string> argumentos) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos);
    }
    std::string saida(const char* nome) const { return (pasta.caminho() / nome).string(); }
    PastaTemporaria pasta;
};

// The command draws exactly what the reviewed reference images show.
TEST_F(DrawingCommands, DiagramMatchesTheReferenceImages) {
    const struct {
        std::vector<std::string> opcoes;
        const char* referencia;
    } casos[] = {
        {{"x32010"}, "open_c.png"},
        {{"x 5 7 7 7 5"}, "barre_fret5_label.png"},
        {{"--size", "40", "x 3 2 0 1 0"}, "tiny_c.png"},
        {{"--size", "100", "--fret-rows", "4", "xx0232"}, "four_casas_d.png"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.referencia);
        std::vector<std::string> argumentos{"diagram"};
        argumentos.insert(argumentos.end(), c.opcoes.begin(), c.opcoes.end());
        argumentos.push_back(saida("d.png"));
        const ResultadoCli r = executar(argumentos);
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.saida, "");
        EXPECT_TRUE(ler(saida("d.png")) == ler(kReferencias / c.referencia));
    }
}

TEST_F(DrawingCommands, DiagramRefusals) {
    const struct {
        std::vector<std::string> argumentos;
        int status;
        std::string erro;
    } casos[] = {
        {{"diagram", "x3201", saida("a.png")},
         2,
         "Trastes inválidos: \"x3201\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n"},
        {{"diagram", "1 3 5 7 9 11", saida("a.png")},
         2,
         "Digitação impossível de montar: exige mais de quatro dedos ou pestanas, ou mais de "
         "cinco casas de abertura.\n"},
        {{"diagram", "--fret-rows", "4", "x 1 3 3 5 x", saida("a.png")},
         2,
         "A digitação ocupa cinco casas; use --fret-rows 5.\n"},
        // Reaching the fifth row only, it moves up a fret and is drawn.
        {{"diagram", "--fret-rows", "4", "x 3 5 5 4 3", saida("c.png")}, 0, ""},
        {{"diagram", "x32010", saida("nenhuma/pasta/a.png")},
         1,
         saida("nenhuma/pasta/a.png") +
             ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido "
             "contra gravação).\n"},
    };
    for (const auto& c : casos) {
        const ResultadoCli r = executar(c.argumentos);
        EXPECT_EQ(r.status, c.status) << c.argumentos[1];
        EXPECT_NE(r.erros.find(c.erro), std::string::npos) << r.erros;
        EXPECT_FALSE(std::filesystem::exists(saida("a.png")));
    }
}

TEST_F(DrawingCommands, NameDrawsAChordAndGrowsWithTheSize) {
    ASSERT_EQ(executar({"name", "Am", saida("am.png")}).status, 0);
    ASSERT_EQ(executar({"name", "Am/G", saida("am_g.png")}).status, 0);
    ASSERT_EQ(executar({"name", "--size", "48", "Am", saida("am48.png")}).status, 0);
    const auto am = dimensoesPng(ler(saida("am.png")));
    const auto comBaixo = dimensoesPng(ler(saida("am_g.png")));
    const auto grande = dimensoesPng(ler(saida("am48.png")));
    EXPECT_GT(am.first, 0u);
    EXPECT_GT(comBaixo.first, am.first);  // "/G" adds width
    EXPECT_EQ(comBaixo.second, am.second);
    EXPECT_GT(grande.first, am.first * 3 / 2);
    EXPECT_GT(grande.second, am.second * 3 / 2);

    const ResultadoCli r = executar({"name", "Xyz", saida("x.png")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erros.find("Cifra não reconhecida: \"Xyz\".\n"), std::string::npos) << r.erros;
    EXPECT_FALSE(std::filesystem::exists(saida("x.png")));
}

}  // namespace
}  // namespace trovale::testing
