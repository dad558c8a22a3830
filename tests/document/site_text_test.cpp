// Songs as the chord sites write them, pasted into the program: what the text editor makes of
// them.

#include "document/site_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_codec.h"
#include "document/interpretation_catalogue.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"

namespace trovale {
namespace {

using testing::catalogoDeInterpretacao;

// The pasted text (UTF-8, CR LF or LF) as the song the editor's confirm builds: "kind text"
// per line (UTF-8), a chord line as "kind @column symbol" pairs.
std::vector<std::string> colada(const std::string& texto) {
    const Catalogo& catalogo = catalogoDeInterpretacao();
    std::vector<std::string> linhas = lerCifraDeSite(linhasDoTexto(texto), catalogo.tipos);
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r = PrepararLinhas(std::move(linhas), {catalogo, 5}, conhecidos);
    SongDocument doc;
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    std::vector<std::string> saida;
    for (int i = 0; i < doc.lineCount(); ++i) {
        std::string linha = std::to_string(doc.LineKinds[i]);
        if (!isChordKind(doc.LineKinds[i]))
            linha += " " + utf8DeWindows1252(doc.Lines[i]);
        else
            for (const PlacedChord& p : decodeChordLine(doc.Lines[i]))
                linha += " @" + std::to_string(p.column) + " " +
                         displaySymbol(doc.Chords.Symbols[p.chord]);
        saida.push_back(linha.substr(0, linha.find_last_not_of(' ') + 1));
    }
    return saida;
}

TEST(SiteText, PastedSongsReadAsTheSitesMeanThem) {
    const struct {
        const char* caso;
        std::string texto;
        std::vector<std::string> cancao;
    } casos[] = {
        {"key, capo and an intro's chords, CR LF",
         "Asa Branca\r\nLuiz Gonzaga\r\n\r\nTom: G\r\nCapotraste na 2\xC2\xAA casa\r\n\r\n"
         "[Intro] G D Em C\r\n\r\nG       C\r\nQuando olhei\r\n",
         {"0 Asa Branca", "1 Luiz Gonzaga", "2", "8 Tom: G", "8 Capotraste na 2\xC2\xAA casa", "2",
          "8 Intro", "3 @1 G @2 D @3 Em @4 C", "2", "3 @1 G @9 C", "2 Quando olhei"}},
        {"a refrain up to the blank line, then normal again",
         "T\nFulano\n\n[Refr\xC3\xA3o]\nC   G\nLa la\n\nFim\n",
         {"0 T", "1 Fulano", "2", "8 Refr\xC3\xA3o", "3 @1 C @5 G", "6 La la", "2", "2 Fim"}},
        {"a chorus, labels in any case and without accents",
         "T\nFulano\n\n[CORO]\nLe le\n[Primeira Parte]\nEu vim\n[REFRAO]\nOi\n",
         {"0 T", "1 Fulano", "2", "8 CORO", "7 Le le", "8 Primeira Parte", "2 Eu vim", "8 REFRAO",
          "6 Oi"}},
        {"an intro's chords stay off the lyric below",
         "T\nFulano\n[Intro] Am  G\nVem\n",
         {"0 T", "1 Fulano", "8 Intro", "3 @1 Am @3 G", "2 \xC2\xA0", "2 Vem"}},
        {"tablature is text, never chords",
         "T\nFulano\n\n[Solo]\nE|-----3---|\nB|--1-----0|\nG|---------|\nD|--2--2--2|\nA|--3--3--3|"
         "\n"
         "E|---------|\n",
         {"0 T", "1 Fulano", "2", "8 Solo", "2 E|-----3---|\xC2\xA0", "2 B|--1-----0|\xC2\xA0",
          "2 G|---------|\xC2\xA0", "2 D|--2--2--2|\xC2\xA0", "2 A|--3--3--3|\xC2\xA0",
          "2 E|---------|\xC2\xA0"}},
        {"the composer is the author line",
         "Peixe vivo\nComposi\xC3\xA7\xC3\xA3o de Dom\xC3\xADnio P\xC3\xBA"
         "blico\nComo pode\n",
         {"0 Peixe vivo",
          "1 Composi\xC3\xA7\xC3\xA3o de Dom\xC3\xADnio P\xC3\xBA"
          "blico",
          "2 Como pode"}},
        {"capo written short, key with the shapes' key after it",
         "T\nFulano\nCapo: 3\nTom: C (forma dos acordes no tom de A)\nC\nOi\n",
         {"0 T", "1 Fulano", "8 Capotraste na 3\xC2\xAA casa", "8 Tom: C (forma dos acordes no tom de A)", "3 @1 C",
          "2 Oi"}},
        {"a chord in brackets is no label",
         "T\nFulano\n[G]\nOi\n",
         {"0 T", "1 Fulano", "2 [G]", "2 Oi"}},
        {"a label followed by words is a note as written",
         "T\nFulano\n[Solo: viol\xC3\xA3o]\n",
         {"0 T", "1 Fulano", "8 Solo: viol\xC3\xA3o"}},
        {"this program's own text form is left as it is",
         "<T>\nT\n<O>\n[Intro]\n",
         {"0 T", "8 [Intro]"}},
    };
    for (const auto& c : casos) EXPECT_EQ(colada(c.texto), c.cancao) << c.caso;
}

TEST(SiteText, TheKeyOfATomLine) {
    const std::pair<std::string, std::string> casos[] = {
        {"Tom: G", "G"},
        {"  TOM:   F#m (forma dos acordes no tom de Em)", "F#m"},
        {"Tomando um caf\xE9", ""},
        {"Tom:", ""},
    };
    for (const auto& [linha, tom] : casos) EXPECT_EQ(tomDaLinha(linha), tom) << linha;
}

}  // namespace
}  // namespace trovale
