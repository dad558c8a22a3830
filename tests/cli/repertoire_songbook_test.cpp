// trovale-cli songbook --repertoire: the book of an evening, each song in the key and with the
// capo its entry asks for, a missing song reported, and no song file touched.
#include <gtest/gtest.h>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

class RepertoireSongbook : public ComandoComCatalogo {};

TEST_F(RepertoireSongbook, EverySongIsPlayedAsItsEntrySays) {
    if (saidaDoComando("command -v pdftotext").empty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const auto texto = pasta.gravar("sol.txt", linhasCrLf({"Sol", "Am   C   G", "Sol de ver\xE3o"}));
    ASSERT_EQ(executar({"convert", texto.string(), (pasta.caminho() / "sol.dec").string()}).status, 0);
    const std::string antes = lerBytes(pasta.caminho() / "sol.dec");
    pasta.gravar("noite.rep", "# s\xC3\xA1" "bado\nsol.dec\t+2\t-\nsol.dec\t0\t3\nsumiu.dec\n");
    const auto pdf = pasta.caminho() / "noite.pdf";
    const ResultadoCli r = executar(
        {"songbook", "--repertoire", (pasta.caminho() / "noite.rep").string(), pdf.string()});
    EXPECT_EQ(r.status, 3) << r.erros;
    EXPECT_NE(r.erros.find("sumiu.dec"), std::string::npos) << r.erros;
    const std::string palavras = saidaDoComando("pdftotext -layout '" + pdf.string() + "' -");
    // Up a tone; then the same sound with the capo on 3, the shapes a minor third down.
    EXPECT_NE(palavras.find("Bm"), std::string::npos) << palavras;
    EXPECT_NE(palavras.find("F#m"), std::string::npos) << palavras;
    EXPECT_NE(palavras.find("Capotraste na 3\xC2\xAA casa"), std::string::npos) << palavras;
    EXPECT_NE(palavras.find("noite"), std::string::npos) << "the book is named after the repertoire";
    EXPECT_EQ(lerBytes(pasta.caminho() / "sol.dec"), antes);
}

}  // namespace
}  // namespace trovale::testing
