// The capo from the command line: set by convert and transpose, shown by show and layout,
// carried by ChordPro both ways.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "command_fixture.h"
#include "document/song_document.h"

namespace trovale::testing {
namespace {

class CapoCommands : public ComandoComCatalogo {
  protected:
    void SetUp() override {
        ComandoComCatalogo::SetUp();
        const auto texto = pasta.gravar("sol.txt", linhasCrLf({"Am   C   G", "Sol de ver\xE3o"}));
        ASSERT_EQ(executar({"convert", texto.string(), cancao.string()}).status, 0);
    }
    int capoMostrado(const std::filesystem::path& arquivo) {
        const ResultadoCli r = executar({"show", "--json", arquivo.string()});
        EXPECT_EQ(r.status, 0) << r.erros;
        return nlohmann::json::parse(r.saida).at("capo").get<int>();
    }
    std::string cifras(const std::filesystem::path& arquivo) {
        const ResultadoCli r = executar({"show", "--json", arquivo.string()});
        const nlohmann::json json = nlohmann::json::parse(r.saida);
        std::string texto;
        for (const auto& c : json.at("chordTable"))
            texto += displaySymbol(c.at("symbol").get<std::string>()) + " ";
        return texto;
    }
    std::filesystem::path caminho(const std::string& nome) { return pasta.caminho() / nome; }
    const std::filesystem::path cancao = pasta.caminho() / "sol.dec";
};

TEST_F(CapoCommands, ConvertPutsItOnAndTakesItOffByteForByte) {
    const auto com = caminho("com.dec"), sem = caminho("sem.dec");
    ASSERT_EQ(executar({"convert", "--capo", "2", cancao.string(), com.string()}).status, 0);
    EXPECT_EQ(capoMostrado(com), 2);
    EXPECT_EQ(capoMostrado(cancao), 0);
    const ResultadoCli texto = executar({"show", com.string()});
    EXPECT_NE(texto.saida.find("\nCapotraste na 2ª casa\n"), std::string::npos) << texto.saida;
    ASSERT_EQ(executar({"convert", "--capo", "0", com.string(), sem.string()}).status, 0);
    EXPECT_EQ(lerBytes(sem), lerBytes(cancao));
    for (const char* fora : {"12", "-1", "x"}) {
        const ResultadoCli r = executar({"convert", "--capo", fora, cancao.string(), com.string()});
        EXPECT_EQ(r.status, 2) << fora;
    }
}

TEST_F(CapoCommands, ChordProCarriesItBothWays) {
    const auto cho = pasta.gravar("capo.cho", "{title: Sol}\n{capo: 3}\n[Am]Sol de [C]ver\xC3\xA3o\n");
    const auto dec = caminho("capo.dec"), volta = caminho("volta.cho");
    ASSERT_EQ(executar({"convert", cho.string(), dec.string()}).status, 0);
    EXPECT_EQ(capoMostrado(dec), 3);
    ASSERT_EQ(executar({"convert", dec.string(), volta.string()}).status, 0);
    EXPECT_NE(lerBytes(volta).find("\n{capo: 3}\n"), std::string::npos) << lerBytes(volta);
}

TEST_F(CapoCommands, TransposeMovesTheCapoAndTheShapesMakeUpTheRest) {
    const struct {
        std::vector<std::string> opcoes;
        int capo;
        std::string cifras;
    } casos[] = {
        // Same sound, capo on 3: the shapes go down three semitones.
        {{"--capo", "3"}, 3, "F#m A E "},
        // Up a tone, capo on 2: the shapes stay.
        {{"--by", "2", "--capo", "2"}, 2, "Am C G "},
        // Up a tone without the capo: as before.
        {{"--by", "2"}, 0, "Bm D A "},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.opcoes[0] + c.opcoes[1]);
        const auto saida = caminho("nova.dec");
        std::vector<std::string> argumentos = {"transpose"};
        argumentos.insert(argumentos.end(), c.opcoes.begin(), c.opcoes.end());
        argumentos.insert(argumentos.end(), {cancao.string(), saida.string()});
        const ResultadoCli r = executar(argumentos);
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(capoMostrado(saida), c.capo);
        EXPECT_EQ(cifras(saida), c.cifras);
    }
    // From a capo song: down to its sounding key without the capo.
    const auto com = caminho("com.dec"), sem = caminho("sem.dec");
    ASSERT_EQ(executar({"transpose", "--capo", "3", cancao.string(), com.string()}).status, 0);
    const ResultadoCli r = executar({"transpose", "--capo", "0", com.string(), sem.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida.substr(0, r.saida.find('\n')), "Sem capotraste");
    EXPECT_EQ(cifras(sem), "Am C G ");
    EXPECT_EQ(executar({"transpose", cancao.string(), sem.string()}).status, 2);
}

TEST_F(CapoCommands, LayoutShowsTheCapoLineAndItsValue) {
    const auto com = caminho("com.dec");
    ASSERT_EQ(executar({"convert", "--capo", "5", cancao.string(), com.string()}).status, 0);
    const ResultadoCli r = executar({"layout", "--json", com.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    const auto json = nlohmann::json::parse(r.saida);
    EXPECT_EQ(json.at("capo"), 5);
    EXPECT_EQ(json.at("columns")[0].at("rows")[0].at("shown"), "Capotraste na 5ª casa");
}

}  // namespace
}  // namespace trovale::testing
