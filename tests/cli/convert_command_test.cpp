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

// A ChordPro song comes in as the text editor would take it, with what was skipped on the
// error stream, and goes out again with its chords inline and its fingerings defined.
TEST_F(ConvertCommand, ChordProComesInAndGoesOut) {
    const std::string chordPro =
        "{title: Vem c\xC3\xA1}\n{artist: Fulano}\n{capo: 2}\n"
        "{define: C base-fret 3 frets x 1 3 3 3 1}\n"
        "[Am]Vem [C]c\xC3\xA1[G]\n{soc}\n[C]Coro\n{eoc}\n[N.C.]\n";
    const std::string deVolta =
        "{title: Vem c\xC3\xA1}\n{artist: Fulano}\n"
        "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
        "{define: C base-fret 3 frets x 1 3 3 3 1}\n"
        "{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
        "[Am]Vem [C]c\xC3\xA1[G]\n{start_of_chorus}\n[C]Coro\n{end_of_chorus}\n";
    const struct {
        std::string entrada;
        std::string saida;
    } casos[] = {
        {"cancao.cho", "volta.cho"}, {"CANCAO.PRO", "volta.chordpro"}, {"cancao.txt", "volta.crd"}};
    for (const auto& c : casos) {
        const auto entrada = pasta.gravar(c.entrada, chordPro);
        const auto cancao = pasta.caminho() / "cancao.dec";
        ResultadoCli r = executar({"convert", entrada.string(), cancao.string()});
        EXPECT_EQ(r.status, 0) << r.erros;
        const std::string prefixo = entrada.string() + ": ";
        EXPECT_EQ(r.erros, prefixo + "1 diretiva ChordPro ignorada.\n" + prefixo +
                               "Linha 9: cifra \"N.C.\" n\xC3\xA3o reconhecida, deixada de "
                               "fora.\n");
        const auto volta = pasta.caminho() / c.saida;
        r = executar({"convert", cancao.string(), volta.string()});
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(lerBytes(volta), deVolta) << c.entrada;
    }
}

TEST_F(ConvertCommand, OnlySongFilesConvertToAndFromChordPro) {
    const std::string lista =
        " (use .dec e .txt, .dec e ChordPro (.cho, .crd, .chopro, .chordpro, .pro), ou .dec e "
        ".pdf).\n";
    const struct {
        std::string entrada;
        std::string saida;
    } casos[] = {{"a.cho", "b.txt"}, {"a.txt", "b.cho"}, {"a.cho", "b.pro"}, {"a.cho", "b.pdf"}};
    for (const auto& c : casos) {
        const std::string de = c.entrada.substr(1), para = c.saida.substr(1);
        const ResultadoCli r =
            executar({"convert", c.entrada, (pasta.caminho() / c.saida).string()});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.erros, "Convers\xC3\xA3o n\xC3\xA3o suportada: de \"" + de + "\" para \"" +
                               para + "\"" + lista);
    }
}

}  // namespace
}  // namespace trovale::testing
