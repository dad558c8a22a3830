// Hand-written ChordPro, as musicians write it, through the program and out again: every
// chord stays on the character it was written before.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "document/chordpro_export.h"
#include "document/chordpro_line.h"
#include "document/chordpro_fixture.h"
#include "document/chordpro_import.h"

namespace trovale {
namespace {

using testing::catalogoDeInterpretacao;

// The song the text editor builds when the import is confirmed unchanged.
SongDocument importada(const std::string& chordPro) {
    const ImportacaoChordPro importacao =
        importarChordPro(chordPro, {catalogoDeInterpretacao(), 5});
    AcordesConhecidos conhecidos = importacao.conhecidos;
    const InterpretacaoTexto r =
        PrepararLinhas(importacao.linhas, {catalogoDeInterpretacao(), 5}, conhecidos);
    SongDocument doc;
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    return doc;
}

// The lines of a ChordPro text that are no directives.
std::vector<std::string> letras(const std::string& chordPro) {
    std::vector<std::string> saida;
    std::size_t inicio = 0;
    while (inicio < chordPro.size()) {
        const std::size_t fim = chordPro.find('\n', inicio);
        const std::string linha = chordPro.substr(inicio, fim - inicio);
        if (!linha.starts_with("{")) saida.push_back(linha);
        inicio = fim == std::string::npos ? chordPro.size() : fim + 1;
    }
    return saida;
}

TEST(ChordProRoundTrip, CrowdedChordsStayOnTheirSyllables) {
    const struct {
        std::string chordPro;  // one lyric line, UTF-8
        std::string letra;     // the song's lyric line (Windows-1252), room opened
    } casos[] = {
        {"[Dm7]Fos[G7(13)]se mi[C7M]nha, eu", "Fos-\xA0se mi-\xA0nha, eu"},
        // a chord per syllable, long jazz symbols over short words
        {"[C]Um [G7(13)]a[Am7(9)]b[D7(9)]c de",
         "Um a-\xA0\xA0\xA0\xA0\xA0"
         "b-\xA0\xA0\xA0\xA0\xA0"
         "c de"},
        {"[F#m7(b5)]a[B7(b9)]é [Em]sol",
         "a-\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xE9 \xA0\xA0\xA0\xA0\xA0sol"},
        // before a blank, after a hyphen of the lyric's own, two chords on one character
        {"[Am7(9)]a[G] b", "a\xA0\xA0\xA0\xA0\xA0\xA0 b"},
        {"[Dm7(9)]bem-[G7]vindo", "bem-\xA0\xA0\xA0\xA0vindo"},
        {"[C]dei[Am7(9)]xa-[G7(13)]me", "deixa-\xA0\xA0\xA0\xA0me"},
        {"[C][G7(13)]a[D]b",
         "\xA0\xA0"
         "a-\xA0\xA0\xA0\xA0\xA0"
         "b"},
        // chords that fit keep the lyric as it is, past its end too
        {"[C]Na [G]beira [Am]do [F]mar [C] [G]", "Na beira do mar"},
        // chords alone over a lyric without chords stay apart from it
        {"[G] [D] [Em]\nVem", "\xA0"},
    };
    for (const auto& c : casos) {
        const std::string arquivo = "{title: T}\n" + c.chordPro + "\n";
        const SongDocument doc = importada(arquivo);
        ASSERT_GE(doc.lineCount(), 3) << c.chordPro;
        EXPECT_EQ(doc.Lines[2], c.letra) << c.chordPro;
        EXPECT_EQ(letras(chordProDaCancao(doc)), letras(c.chordPro + "\n"));
    }
}

// A ChordPro text with every {define} as its name and absolute frets: the same fingering
// may be written from another base fret.
std::string comTrastesAbsolutos(const std::string& texto) {
    std::string saida;
    std::istringstream linhas(texto);
    for (std::string linha; std::getline(linhas, linha);) {
        std::istringstream palavras(linha);
        std::string define, nome, chave;
        int base = 0;
        if (linha.starts_with("{define:") && palavras >> define >> nome >> chave >> base >> chave) {
            linha = nome;
            for (std::string traste; palavras >> traste;) {
                if (traste.ends_with("}")) traste.pop_back();
                const bool numero = traste.find_first_not_of("0123456789") == std::string::npos;
                linha +=
                    ' ' + (numero && traste != "0" ? std::to_string(std::stoi(traste) + base - 1)
                                                   : traste);
            }
        }
        saida += linha + '\n';
    }
    return saida;
}

// The files this program wrote for the golden and example songs read back into the same
// lyrics, chords and fingerings.
TEST(ChordProRoundTrip, OurOwnFilesComeBackTheSame) {
    const std::filesystem::path pasta =
        std::filesystem::path(__FILE__).parent_path() / "golden_chordpro";
    int lidos = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta)) {
        const std::string arquivo = testing::lerArquivo(entrada.path());
        EXPECT_EQ(comTrastesAbsolutos(chordProDaCancao(importada(arquivo))),
                  comTrastesAbsolutos(arquivo))
            << entrada.path().filename();
        ++lidos;
    }
    EXPECT_EQ(lidos, 6);
}

// Titles, the author, what the song says of itself, an indented note, variants and a chord
// left without a fingering: all of it comes back as it was written.
// Chords alone before a line kept as plain text, which goes out in a tab block: they stay
// apart from it through every round trip, as the fuzzer found they did not.
TEST(ChordProRoundTrip, ChordsAloneBeforeATabBlockStayApart) {
    for (const std::string arquivo : {"[Bb7/F]\nolha o tab\t\xC2\xA0\n",
                                      "{soc}\n     [A]\nE|--3--\xC2\xA0\n{eoc}\n"}) {
        const std::string ida = chordProDaCancao(importada(arquivo));
        EXPECT_EQ(chordProDaCancao(importada(ida)), ida) << arquivo;
        const SongDocument doc = importada(ida);
        EXPECT_EQ(doc.Lines[1], std::string(kSeparadorDeAcordes)) << arquivo;
    }
}

// Lines of chords alone that open a chorus stay in it, as the fuzzer found they did not.
TEST(ChordProRoundTrip, ChordsAloneKeepTheirChorus) {
    const struct {
        std::string arquivo;
        std::string corpo;  // what goes out after the definitions
    } casos[] = {
        {"{soc}\n[B]\n[G]\n{eoc}\n", "{start_of_chorus}\n[B]\n[G]\n{end_of_chorus}\n"},
        {"{soc}\n\xC2\xA0[B]\n[G]\n", "{start_of_chorus}\n [B]\n[G]\n{end_of_chorus}\n"},
        {"[C]\n{soc}\n[B]\n[G]\nVem\n{eoc}\n",
         "[C]\n{start_of_chorus}\n[B]\n[G]\nVem\n{end_of_chorus}\n"},
        {"[C]\n[D]\n{soc}\nVem\n{eoc}\n", "[C]\n[D]\n{start_of_chorus}\nVem\n{end_of_chorus}\n"},
        {"{soc}\n\xC2\xA0[F]\nQ[G]\n", "{start_of_chorus}\n [F]\nQ[G]\n{end_of_chorus}\n"},
        {"{soc}\n[F]\n\nVem\n{eoc}\n", "{start_of_chorus}\n[F]\n\nVem\n{end_of_chorus}\n"},
        {"{soc}\n[C][\n", "{start_of_chorus}\n[C]\n{start_of_tab}\n[\n{end_of_tab}\n{end_of_chorus}\n"},
        {"{soc}\nf\n{eoc}\n\xC2\xA0[B]\n\n{soc}\nr\n",
         "{start_of_chorus}\nf\n{end_of_chorus}\n [B]\n\xC2\xA0\n\n{start_of_chorus}\nr\n"
         "{end_of_chorus}\n"},
        {"[C]\n{soc}\n[C][\n",
         "[C]\n{start_of_chorus}\n[C]\n{start_of_tab}\n[\n{end_of_tab}\n{end_of_chorus}\n"},
        {"{soc}\n[C]\n[[C]\n",
         "{start_of_chorus}\n[C]\n [C]\n{start_of_tab}\n[\n{end_of_tab}\n{end_of_chorus}\n"},
    };
    for (const auto& c : casos) {
        const std::string ida = chordProDaCancao(importada(c.arquivo));
        EXPECT_TRUE(ida.ends_with(c.corpo)) << c.arquivo << "\n" << ida;
        EXPECT_EQ(chordProDaCancao(importada(ida)), ida) << c.arquivo;
    }
}

// Found by the fuzzer: what the import reads differently from how the song holds it goes out
// as the import would read it, so that the file stays the same from the first export on.
TEST(ChordProRoundTrip, TheFirstExportIsStable) {
    for (const std::string arquivo :
         {"[F]\n\t\xC2\xA0]\n", "{st: Fulano}\n{st Fulano}\n", "{st: A}\n{artist: A}\n{st: A}\n",
          " [G*\xC2\xA0]\n"}) {
        const std::string ida = chordProDaCancao(importada(arquivo));
        EXPECT_EQ(chordProDaCancao(importada(ida)), ida) << arquivo;
    }
    EXPECT_EQ(importada("{st: A}\n{artist: A}\n{st: A}\n").Lines.size(), 2u);
}

TEST(ChordProRoundTrip, NothingIsDropped) {
    const std::string arquivo =
        "{title: Primeira}\n{title: Segunda}\n"
        "{subtitle: Fulano}\n{artist: Fulano}\n"
        "{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
        "{define: G* base-fret 1 frets 3 5 5 4 3 3}\n"
        "{define: Am base-fret 1 frets x x x x x x}\n"
        "{define: C\xC2\xB0 base-fret 1 frets x 3 4 2 4 x}\n"
        "{capo: 2}\n{key: G}\n{tempo: 96}\n{time: 3/4}\n{duration: 3:25}\n"
        "{meta: album Ao vivo}\n{comment:   recuado}\n"
        "[G]Vem [G*]c\xC3\xA1, [Am]meu [C\xC2\xB0]bem\n";
    const SongDocument doc = importada(arquivo);
    EXPECT_EQ(chordProDaCancao(doc), arquivo);
    EXPECT_EQ(doc.Lines[0], "Primeira");
    EXPECT_EQ(doc.Lines[1], "Segunda");
    EXPECT_EQ(doc.LineKinds[1], kTitleLine);
    EXPECT_EQ(doc.Lines[3], "Capotraste na 2\xAA casa");
    EXPECT_EQ(doc.Lines[9], "  recuado");
    // the variant plays its own fingering, and Am none
    const ChordTable& t = doc.Chords;
    for (int i = 0; i < t.size(); ++i) {
        if (t.Symbols[i] == "Gf*")
            EXPECT_EQ(testing::trastesDaDigitacao(t.Fingerings[i]), "3 5 5 4 3 3");
        if (t.Symbols[i] == "Afm") EXPECT_EQ(t.Fingerings[i], "0");
        // the diminished chord in this program's own spelling
        EXPECT_NE(std::find(t.Symbols.begin(), t.Symbols.end(), "Cf\xBA"), t.Symbols.end());
    }
}

}  // namespace
}  // namespace trovale
