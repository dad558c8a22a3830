// Songs in plain text or ChordPro go straight to paper: `convert` makes the same PDF from them
// in one step as through a song file, and a songbook takes them beside song files.
#include <gtest/gtest.h>

#include <filesystem>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

class TextSongs : public ComandoComCatalogo {
  protected:
    void SetUp() override {
        ComandoComCatalogo::SetUp();
        if (saidaDoComando("command -v pdftotext").empty())
            GTEST_SKIP() << "poppler-utils is not installed";
    }
    std::string texto(const std::filesystem::path& pdf) {
        return saidaDoComando("pdftotext -layout '" + pdf.string() + "' -");
    }
};

TEST_F(TextSongs, OneStepGivesThePagesOfTwo) {
    const struct {
        const char* nome;
        std::string conteudo;
    } casos[] = {
        {"sol.txt", linhasCrLf({"Sol", "Am   C   G", "Sol de ver\xE3o", "", "F    G", "Vai embora"})},
        {"lua.cho", "{title: Lua}\n{artist: Ana}\n[D]Lua de [A7]prata\n{c: Refr\xC3\xA3o}\n[G]Volta [D]logo\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto fonte = pasta.gravar(c.nome, c.conteudo);
        const auto direto = pasta.caminho() / "direto.pdf";
        const auto dec = pasta.caminho() / "passo.dec";
        const auto emDois = pasta.caminho() / "em_dois.pdf";
        const ResultadoCli r = executar({"convert", fonte.string(), direto.string()});
        ASSERT_EQ(r.status, 0) << r.erros;
        ASSERT_EQ(executar({"convert", fonte.string(), dec.string()}).status, 0);
        ASSERT_EQ(executar({"convert", dec.string(), emDois.string()}).status, 0);
        EXPECT_FALSE(texto(direto).empty());
        EXPECT_EQ(texto(direto), texto(emDois));
    }
}

TEST_F(TextSongs, ABookTakesThemBesideSongFiles) {
    const auto txt = pasta.gravar("sol.txt", linhasCrLf({"Sol", "Am   C   G", "Sol de ver\xE3o"}));
    const auto cho = pasta.gravar("lua.cho", "{title: Lua}\n[D]Lua de [A7]prata\n");
    const auto dec = pasta.caminho() / "mar.dec";
    pasta.gravar("mar.txt", linhasCrLf({"Mar", "E    G", "Mar sem fim"}));
    ASSERT_EQ(executar({"convert", (pasta.caminho() / "mar.txt").string(), dec.string()}).status, 0);
    const auto livro = pasta.caminho() / "livro.pdf";
    const ResultadoCli r =
        executar({"songbook", livro.string(), txt.string(), cho.string(), dec.string()});
    EXPECT_EQ(r.status, 0) << r.erros;
    const std::string palavras = texto(livro);
    for (const char* esperado : {"Sol de ver\xC3\xA3o", "Lua de prata", "Mar sem fim", "A7"})
        EXPECT_NE(palavras.find(esperado), std::string::npos) << esperado << "\n" << palavras;
}

}  // namespace
}  // namespace trovale::testing
