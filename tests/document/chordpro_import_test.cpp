#include "document/chordpro_import.h"

#include <gtest/gtest.h>

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
        // Damage: every skipped directive counted, an unreadable chord reported.
        {{"{title: Dano}", "{key: G}", "{comment: sem fim", "[N.C.]Parou [Am", "{title: Outro}",
          "{title:}", "# nota de quem escreveu", "[C(b9)]Raro"},
         {"0 Dano", "2 Parou [Am", "3 @1 C(b9)", "2 Raro"},
         "4 diretivas ChordPro ignoradas.\nLinha 4: cifra \"N.C.\" não reconhecida, deixada de "
         "fora."},
        // Without a title the first line is no title; a line of chords alone.
        {{"[Am] [G]", "Vem", "", "[C]   [G]   [C(b9)]"},
         {"3 @1 Am @4 G", "2 Vem", "2 ", "3 @1 C @3 G @5 C(b9)"},
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
              "1 diretiva ChordPro ignorada.\n"
              "Linha 6: definição de acorde ilegível.\n"
              "Linha 3: digitação de \"C\" impossível de montar; mantida a do catálogo.\n"
              "Linha 4: \"C(b9)\" não é acorde catalogado; a digitação definida não foi usada.");
    EXPECT_EQ(importacao.resumo(1),
              "1 diretiva ChordPro ignorada.\n"
              "Linha 6: definição de acorde ilegível.\n"
              "E mais 2 avisos.");
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
