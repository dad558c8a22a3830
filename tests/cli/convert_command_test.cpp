#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

using ConvertCommand = ComandoComCatalogo;

// A text imported into a song and exported again: what the song kept of it, byte for byte.
TEST_F(ConvertCommand, ATextComesInAsTheEditorImportsIt) {
    std::string longo, longoDeVolta;
    for (int i = 1; i <= 3001; ++i) {
        longo += "linha " + std::to_string(i) + "\r";
        if (i <= 3000) longoDeVolta += "linha " + std::to_string(i) + "\r\n";
    }
    const struct {
        std::string bytes;
        std::string volta;
        std::string aviso;  // after the file's name
    } casos[] = {
        // Chords aligned with tabs stay over their syllables.
        {"Vem\r\n\tC\tG\r\n\tVem c\xC3\xA1\r\n\tAm\r\n\t\tmais\r\n",
         linhasCrLf({"Vem", "        C       G", "        Vem c\xE1", "        Am",
                     "                mais"}),
         ""},
        {"\xEF\xBB\xBF"
         "Can\xC3\xA7\xC3\xA3o\rAm   C\rSol de ver\xC3\xA3o\r",
         linhasCrLf({"Can\xE7\xE3o", "Am   C", "Sol de ver\xE3o"}), ""},
        {"Can\xE7\xE3o\nAm   C\nSol de ver\xE3o\n",
         linhasCrLf({"Can\xE7\xE3o", "Am   C", "Sol de ver\xE3o"}), ""},
        {"Sol \xE2\x98\x80\r\nAm\r\n\xE2\x80\x9C"
         "Ol\xC3\xA1\xE2\x80\x9D \xE2\x84\x96 1\r\n",
         linhasCrLf({"Sol ?", "Am", "\x93Ol\xE1\x94 ? 1"}),
         "Atenção: 2 caracteres sem equivalente foram substituídos por \"?\"."},
        {longo, longoDeVolta, "Atenção: arquivo muito longo. Conteúdo truncado na linha 3000."},
    };
    for (const auto& c : casos) {
        const auto texto = pasta.gravar("entrada.txt", c.bytes);
        const auto cancao = pasta.caminho() / "cancao.dec";
        const auto volta = pasta.caminho() / "volta.txt";
        ResultadoCli r = executar({"convert", texto.string(), cancao.string()});
        EXPECT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.erros, c.aviso.empty() ? "" : texto.string() + ": " + c.aviso + "\n");
        r = executar({"convert", cancao.string(), volta.string()});
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(lerBytes(volta), c.volta) << c.bytes.substr(0, 40);
    }
}

}  // namespace
}  // namespace trovale::testing
