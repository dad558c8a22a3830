#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
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
        // UTF-16 saved without its byte-order mark.
        {std::string("T\0\xED\0t\0u\0l\0o\0:\0 \0C\0a\0n\0\xE7\0\xE3\0o\0\r\0\n\0"
                     "A\0m\0 \0 \0C\0\r\0\n\0",
                     46),
         linhasCrLf({"T\xEDtulo: Can\xE7\xE3o", "Am  C"}), ""},
        {std::string("\0T\0\xED\0t\0u\0l\0o", 12), linhasCrLf({"T\xEDtulo"}), ""},
        // A pasted blob is cut to a song line.
        {"Vem\r\n" + std::string(300000, 'a') + "\r\n", linhasCrLf({"Vem", std::string(255, 'a')}),
         "Atenção: 1 linha com mais de 255 caracteres foi cortada."},
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
    // The capo is a notes line in the song, "[N.C.]" the text it was.
    const std::string deVolta =
        "{title: Vem c\xC3\xA1}\n{subtitle: Fulano}\n{artist: Fulano}\n"
        "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
        "{define: C base-fret 3 frets x 1 3 3 3 1}\n"
        "{define: G base-fret 1 frets 3 2 0 0 0 3}\n{capo: 2}\n"
        "[Am]Vem [C]c\xC3\xA1[G]\n{start_of_chorus}\n[C]Coro\n{end_of_chorus}\n"
        "{start_of_tab}\n[N.C.]\n{end_of_tab}\n";
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
        EXPECT_EQ(r.erros, prefixo +
                               "Linha 9: \"N.C.\" n\xC3\xA3o \xC3\xA9 cifra; mantido como "
                               "texto na letra.\n");
        const auto volta = pasta.caminho() / c.saida;
        r = executar({"convert", cancao.string(), volta.string()});
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(lerBytes(volta), deVolta) << c.entrada;
    }
}

// A file that is no text is refused with one message; the song it would have made is not
// written, and one that was there is left as it was.
TEST_F(ConvertCommand, WhatIsNoTextIsRefusedAndNothingIsWritten) {
    std::string aoAcaso(1 << 20, '\0');
    std::uint32_t x = 88172645;  // xorshift: the same bytes on every run
    for (char& b : aoAcaso) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x >> 24);
    }
    std::string semNulos = aoAcaso.substr(0, 4096);
    std::replace(semNulos.begin(), semNulos.end(), '\0', '\x01');
    const struct {
        std::string bytes;
        std::string mensagem;
    } conteudos[] = {
        {std::string(1 << 20, '\0'), "O arquivo não é um texto: contém bytes nulos."},
        {aoAcaso, "O arquivo não é um texto: contém bytes nulos."},
        {semNulos, "O arquivo não é um texto: tem caracteres de controle ou inválidos demais."},
    };
    const std::string antiga = "uma can\xE7\xE3o que j\xE1 estava\r\n";
    for (const auto& c : conteudos) {
        for (const char* nome : {"x.txt", "x.cho"}) {
            for (const bool existia : {false, true}) {
                const auto entrada = pasta.gravar(nome, c.bytes);
                const auto saida = pasta.caminho() / "y.dec";
                std::filesystem::remove(saida);
                if (existia) pasta.gravar("y.dec", antiga);
                const ResultadoCli r = executar({"convert", entrada.string(), saida.string()});
                EXPECT_EQ(r.status, 1) << nome;
                EXPECT_EQ(r.erros, entrada.string() + ": " + c.mensagem + "\n") << nome;
                EXPECT_EQ(std::filesystem::exists(saida), existia) << nome;
                if (existia) {
                    EXPECT_EQ(lerBytes(saida), antiga) << nome;
                }
            }
        }
    }
}

TEST_F(ConvertCommand, OnlySongFilesConvertToAndFromChordPro) {
    const std::string lista =
        " (use .dec e .txt, .dec e ChordPro (.cho, .crd, .chopro, .chordpro, .pro), ou .dec, .txt "
        "ou ChordPro para .pdf).\n";
    const struct {
        std::string entrada;
        std::string saida;
    } casos[] = {{"a.cho", "b.txt"}, {"a.txt", "b.cho"}, {"a.cho", "b.pro"}, {"a.pdf", "b.cho"}};
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
