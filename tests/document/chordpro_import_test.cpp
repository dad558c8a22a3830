#include "document/chordpro_import.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "document/chordpro_fixture.h"

namespace trovale {
namespace {

using testing::catalogada;
using testing::catalogoDeInterpretacao;
using testing::trastesDaDigitacao;

std::string juntar(const std::vector<std::string>& linhas, char fim = '\n') {
    std::string texto;
    for (const std::string& linha : linhas) texto += linha + fim;
    return texto;
}

// The song the text editor builds when the import is confirmed unchanged: "kind text" per
// line (UTF-8), a chord line as "@column symbol" pairs.
std::string cancaoConfirmada(const ImportacaoChordPro& importacao) {
    AcordesConhecidos conhecidos = importacao.conhecidos;
    const InterpretacaoTexto r =
        PrepararLinhas(importacao.linhas, {catalogoDeInterpretacao(), 5}, conhecidos);
    SongDocument doc;
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    std::string texto;
    for (int i = 0; i < doc.lineCount(); ++i) {
        texto += std::to_string(doc.LineKinds[i]);
        if (!isChordKind(doc.LineKinds[i])) texto += " " + utf8DeWindows1252(doc.Lines[i]);
        for (const PlacedChord& p : decodeChordLine(doc.Lines[i]))
            texto +=
                " @" + std::to_string(p.column) + " " + displaySymbol(doc.Chords.Symbols[p.chord]);
        texto += '\n';
    }
    return texto;
}

std::string repetir(std::string_view texto, int vezes) {
    std::string saida;
    for (int i = 0; i < vezes; ++i) saida += texto;
    return saida;
}

// " @1 C @2 C ...": chords past the end of any lyric, one blank apart.
std::string cesSeguidos(int quantos) {
    std::string saida;
    for (int i = 1; i <= quantos; ++i) saida += " @" + std::to_string(i) + " C";
    return saida;
}

ImportacaoChordPro importar(const std::vector<std::string>& linhas) {
    return importarChordPro(juntar(linhas), {catalogoDeInterpretacao(), 5});
}

TEST(ChordProImport, GivesTheSongTheEditorBuilds) {
    const struct {
        std::vector<std::string> chordPro;
        std::vector<std::string> cancao;
        std::string resumo;
    } casos[] = {
        // Chords over the characters they precede; at the end and touching, one blank apart.
        {{"{title: Vem cá}", "{artist: Fulano}", "[Am]Vem [G/B]cá, [C]meu bem[G][D]", "{c: Bis}"},
         {"0 Vem cá", "1 Fulano", "3 @1 Am @5 G/B @9 C @16 G @17 D", "2 Vem cá, meu bem", "8 Bis"},
         ""},
        // A labelled "Refrão" is a refrain; an empty line inside stays in the section.
        {{"{t:Seções}", "{soc}", "[C]La la", "{eoc}", "{start_of_chorus: refrao}", "Lê", "", "Lá",
          "{end_of_chorus}", "{soc: label=\"REFRÃO\"}", "Li", "{eoc}", "{sov}", "Fim", "{eov}"},
         {"0 Seções", "3 @1 C", "7 La la", "6 Lê", "2 ", "6 Lá", "6 Li", "2 Fim"},
         ""},
        // A tab and lyrics that read as chords or markers keep their words, with the mark.
        {{"{title: Tab}", "{sot}", "Am   G", "e|--[0]--|", "{eot}", "A E", "<C>"},
         {"0 Tab", "2 Am   G\u00A0", "2 e|--[0]--|", "2 A E\u00A0", "2 <C>\u00A0"},
         ""},
        // Damage: every skipped directive counted and named; what reads as no chord kept as
        // written and reported; a later title is a title line too.
        {{"{title: Dano}", "{key: G}", "{comment: sem fim", "[N.C.]Parou [Am", "{title: Outro}",
          "{title:}", "# nota de quem escreveu", "[C(b9)]Raro", "{x_pagetype: a4}"},
         {"0 Dano", "8 Tom: G", "2 [N.C.]Parou [Am", "0 Outro", "3 @1 C(b9)", "2 Raro"},
         "3 diretivas ChordPro ignoradas: comment, title, x_pagetype.\nLinha 4: \"N.C.\" não é "
         "cifra; mantido como texto na letra."},
        // What the song says of itself, in Portuguese; the author written twice is one line;
        // a note keeps its indent.
        {{"{title: T}", "{subtitle: Fulano}", "{artist: Fulano}", "{capo: 2}", "{tempo: 96}",
          "{time: 3/4}", "{duration: 3:25}", "{meta: album Ao vivo}", "{meta: sigla X1}",
          "{c:   recuado}", "[x]Lá"},
         {"0 T", "1 Fulano", "8 Capotraste na 2ª casa", "8 Andamento: 96", "8 Compasso: 3/4",
          "8 Duração: 3:25", "8 Álbum: Ao vivo", "8 sigla: X1", "8   recuado", "2 [x]Lá"},
         "Linha 11: \"x\" não é cifra; mantido como texto na letra."},
        // Without a title the first line is no title; a line of chords alone keeps to
        // itself, a lyric below it apart by a line of the plain-text mark.
        {{"[Am] [G]", "Vem", "", "[C]   [G]   [C(b9)]"},
         {"3 @1 Am @2 G", "2 \u00A0", "2 Vem", "2 ", "3 @1 C @3 G @5 C(b9)"},
         ""},
        // ... and to its chorus.
        {{"{soc}", "[C]La", "[G] [D]", "{eoc}", "Fim"},
         {"3 @1 C", "7 La", "3 @1 G @2 D", "7 \u00A0", "2 Fim"},
         ""},
        {{"{title: Muitas}", repetir("[C]", 26)},
         {"0 Muitas", "3" + cesSeguidos(25)},
         "Linha 2: mais de 25 cifras; as excedentes ficaram de fora."},
    };
    for (const auto& c : casos) {
        const ImportacaoChordPro importacao = importar(c.chordPro);
        EXPECT_EQ(cancaoConfirmada(importacao), juntar(c.cancao)) << c.chordPro[0];
        EXPECT_EQ(importacao.resumo(), c.resumo) << c.chordPro[0];
    }
}

// The editor gets the markers that force a kind, and nothing it would give anyway.
TEST(ChordProImport, EditorLinesCarryTheMarkers) {
    const ImportacaoChordPro importacao =
        importar({"{title: Vem}", "Linha", "{soc}", "[C]Coro", "", "Coro", "{eoc}", "{c: Obs}"});
    EXPECT_EQ(importacao.linhas,
              (std::vector<std::string>{"Vem", "<N>", "Linha", "<C>", "C", "Coro", "", "<C>",
                                        "Coro", "<O>", "Obs"}));
}

// A defined shape is the catalogue's own fingering when one has its frets; built from the
// frets otherwise; and it survives the editor's next interpretation.
TEST(ChordProImport, DefinedFingeringsAreChosen) {
    const ImportacaoChordPro importacao =
        importar({"{define: G base-fret 3 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}",
                  "{chord: Am base-fret 1 frets x 0 2 2 1 1}", "{define: C frets 1 3 5 7 9 11}",
                  "{define: C(b9) frets x 3 2 0 1 0}", "{define: D frets x x 0 2 3 2}",
                  "{define: Em frets 0 2 2}", "[G]Um [Am]dois [C]três [C(b9)]quatro"});
    AcordesConhecidos conhecidos = importacao.conhecidos;
    PrepararLinhas(importacao.linhas, {catalogoDeInterpretacao(), 5}, conhecidos);
    const ChordTable& tabela = conhecidos.tabela();
    std::vector<std::string> trastes;
    for (const char* chave : {"Gf", "Afm", "Cf", "Cf(b9)"})
        trastes.push_back(trastesDaDigitacao(tabela.Fingerings[conhecidos.indice(chave)]));
    EXPECT_EQ(trastes,
              (std::vector<std::string>{"3 5 5 4 3 3", "x 0 2 2 1 1", "x 3 2 0 1 0", "-"}));
    EXPECT_EQ(tabela.Fingerings[conhecidos.indice("Gf")], catalogada("3 5 5 4 3 3"));
    EXPECT_EQ(importacao.resumo(),
              "1 diretiva ChordPro ignorada: define.\n"
              "Linha 6: definição de acorde ilegível.\n"
              "Linha 3: digitação de \"C\" impossível de montar; mantida a do catálogo.\n"
              "Linha 4: \"C(b9)\" não é acorde catalogado; a digitação definida não foi usada.");
    EXPECT_EQ(importacao.resumo(1),
              "1 diretiva ChordPro ignorada: define.\n"
              "Linha 6: definição de acorde ilegível.\n"
              "E mais 2 avisos.");
}

TEST(ChordProImport, WhatIsNoTextIsRefused) {
    std::string aoAcaso(1 << 20, '\0');
    std::uint32_t x = 2463534242;  // xorshift: the same bytes on every run
    for (char& b : aoAcaso) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x & 0xFF);
    }
    for (const std::string& bytes : {std::string(1 << 20, '\0'), aoAcaso}) {
        const ImportacaoChordPro importacao =
            importarChordPro(bytes, {catalogoDeInterpretacao(), 5});
        EXPECT_EQ(importacao.recusa,
                  std::optional<std::string>("O arquivo não é um texto: contém bytes nulos."));
        EXPECT_EQ(importacao.linhas, std::vector<std::string>{});
        EXPECT_EQ(importacao.resumo(), "");
    }
}

std::string cortadas(int n) {
    if (n == 1) return "Atenção: 1 linha com mais de 255 caracteres foi cortada.";
    return "Atenção: " + std::to_string(n) + " linhas com mais de 255 caracteres foram cortadas.";
}

// A raw line holds its chords in brackets: the lyric and the chord line made of it are cut,
// each to a song line, and a chord that would not end within its line goes.
TEST(ChordProImport, LinesAreCutAfterTheirChordsAreTakenOut) {
    const std::string a255(255, 'a');
    std::string umMega;  // without a line end, a chord every hundred characters
    while (umMega.size() < 1000000) umMega += "[G]" + std::string(100, 'a');
    const std::string longe = "A" + std::string(253, ' ');
    const struct {
        std::vector<std::string> chordPro;
        std::vector<std::string> linhas;
        std::string resumo;
    } casos[] = {
        // 300 characters in brackets and lyric: the lyric alone is short, nothing is cut.
        {{repetir("[G/B]lalala ", 25)},
         {"<N>", repetir("G/B    ", 24) + "G/B", repetir("lalala ", 25)},
         ""},
        {{umMega},
         {"<N>", "G" + std::string(99, ' ') + "G" + std::string(99, ' ') + "G", a255},
         cortadas(1)},
        // "Am" would end past column 255, moved as it is past the "G" it touches.
        {{"[C]" + std::string(252, 'a') + "[G]b[Am]c"},
         {"<N>", "C" + std::string(251, ' ') + "G", std::string(252, 'a') + "bc"},
         cortadas(1)},
        // Directive values and tabs are lines too.
        {{"{title: " + std::string(300, 't') + "}", "{c: " + std::string(256, 'c') + "}", "{sot}",
          std::string(255, '-') + "  ", std::string(300, '-') + "|", "{eot}"},
         {std::string(255, 't'), "<O>", std::string(255, 'c'), "<N>", std::string(255, '-'),
          std::string(255, '-')},
         cortadas(3)},
        // A lyric that reads as chords gives its last character to the plain-text mark.
        {{"x", longe + "E"}, {"<N>", "x", longe + "\xA0"}, cortadas(1)},
        {{"x", longe + " "}, {"<N>", "x", longe + "\xA0"}, ""},
    };
    // Without a title the first line is none: "<N>" says so.
    for (const auto& c : casos) {
        const ImportacaoChordPro importacao = importar(c.chordPro);
        EXPECT_EQ(importacao.linhas, c.linhas) << c.chordPro[0].substr(0, 40);
        EXPECT_EQ(importacao.resumo(), c.resumo) << c.chordPro[0].substr(0, 40);
    }
}

// Frets are checked before they are added up: a fret of ten digits overflowed that sum.
TEST(ChordProImport, DefinesPastWhatAFingeringHoldsAreSkipped) {
    const std::string alem =
        "1 diretiva ChordPro ignorada: define.\nLinha 1: definição de acorde além da casa 16, "
        "ignorada.";
    const struct {
        std::string definicao;
        std::string trastes;  // of G's fingering, "-" for the catalogue's
        std::string resumo;
    } casos[] = {
        {"{define: G base-fret 1 frets 2147483647 0 0 0 0 0}", "-", alem},
        {"{define: G base-fret 24 frets 2147483630 0 0 0 0 0}", "-", alem},
        {"{define: G frets 0 0 0 0 0 99999999999999999999}", "-", alem},
        {"{define: G base-fret 2147483647 frets 1 0 0 0 0 0}", "-", alem},
        {"{define: G BASE-FRET 13 FRETS 5 x x x x x}", "-", alem},
        {"{define: G frets 17 x x x x x fingers 1 0 0 0 0 0}", "-", alem},
        {"{define: G base-fret 17 frets 0 0 0 0 0 0}", "-", alem},
        // Up to fret 16 a fingering may hold it.
        {"{define: G base-fret 12 frets 1 1 1 1 1 5}", "12 12 12 12 12 16", ""},
        {"{define: G base-fret 10 frets x 1 3 3 3 1 fingers 0 1 3 3 3 1}", "x 10 12 12 12 10", ""},
    };
    for (const auto& c : casos) {
        const ImportacaoChordPro importacao = importar({c.definicao, "[G]Um"});
        AcordesConhecidos conhecidos = importacao.conhecidos;
        PrepararLinhas(importacao.linhas, {catalogoDeInterpretacao(), 5}, conhecidos);
        const std::string digitacao = conhecidos.tabela().Fingerings[conhecidos.indice("Gf")];
        EXPECT_EQ(c.trastes == "-" ? catalogada(trastesDaDigitacao(digitacao))
                                   : trastesDaDigitacao(digitacao),
                  c.trastes == "-" ? digitacao : c.trastes)
            << c.definicao;
        EXPECT_EQ(importacao.resumo(), c.resumo) << c.definicao;
    }
}

TEST(ChordProImport, RecognisesChordProFiles) {
    const struct {
        std::string nome;
        std::string texto;
        bool chordPro;
    } casos[] = {
        {".cho", "", true},
        {"song.CRD", "", true},
        {".ChordPro", "", true},
        {"a.chopro", "", true},
        {"b.pro", "", true},
        {"c.txt", "Am  G\nVem cá\n", false},
        {".txt", "x\n  {Title: Y}\n", true},
        {".txt", "{t:Y}", true},
        {".txt", "{tempo: 90}\n", false},
        {".txt", "[Am]Vem [G]cá", true},
        {".txt", "[Am]Vem [x]cá [ G]", false},
        {"", "[1] [2]", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ehChordPro(c.nome, c.texto), c.chordPro) << c.nome << c.texto;
}

TEST(ChordProImport, TitleAndAuthorForTheFileList) {
    const auto ler = [](std::vector<std::string> linhas) { return tituloEAutorChordPro(linhas); };
    using Par = std::pair<std::string, std::string>;
    EXPECT_EQ(ler({"{st: Sub}", "{title: Um}", "{artist: Dois}", "{t: Tres}"}), Par("Um", "Sub"));
    EXPECT_EQ(ler({"{composer: C}", "[Am]la"}), Par("", "C"));
    EXPECT_EQ(ler({"{title: sem fim", "título"}), Par("", ""));
}

}  // namespace
}  // namespace trovale
