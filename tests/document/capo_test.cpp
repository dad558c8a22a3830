// The capo: read from its notes line, put on and taken off, named as it sounds, and stored as
// nothing but that line.

#include "document/capo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "document/interpretation_catalogue.h"
#include "document/song_file.h"
#include "document/sounding_chords.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"
#include "settings/page_layout.h"
#include "settings/template.h"

namespace trovale {
namespace {

using testing::catalogoDeInterpretacao;

// A song as the text editor builds it from these lines (UTF-8).
SongDocument cancao(const std::string& texto) {
    const Catalogo& catalogo = catalogoDeInterpretacao();
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r = PrepararLinhas(linhasDoTexto(texto), {catalogo, 5}, conhecidos);
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    doc.Modified = false;
    return doc;
}

// "kind text" per line, UTF-8.
std::vector<std::string> linhas(const SongDocument& doc) {
    std::vector<std::string> saida;
    for (int i = 0; i < doc.lineCount(); ++i)
        saida.push_back(std::to_string(doc.LineKinds[i]) + " " +
                        (isChordKind(doc.LineKinds[i]) ? "@" : utf8DeWindows1252(doc.Lines[i])));
    return saida;
}

TEST(Capo, ReadFromTheLinesMusiciansWrite) {
    const std::pair<std::string, std::optional<int>> casos[] = {
        {"Capotraste na 2\xAA casa", 2},
        {"Capotraste: 2\xAA casa", 2},  // as ChordPro import wrote it before
        {"  CAPOTRASTE NA 11a CASA", 11},
        {"Capo: 3", 3},
        {"capo 5", 5},
        {"Capotraste na casa 4", 4},
        {"Capotraste na 1\xBA traste (afina\xE7\xE3o normal)", 1},
        {"Capotraste 7\xAA casa", 7},
        {"Capotraste na 12\xAA casa", std::nullopt},
        {"Capotraste na 0\xAA casa", std::nullopt},
        {"Capotraste: sem", std::nullopt},
        {"Capoeira 2", std::nullopt},
        {"Capo: 2 vezes o refr\xE3o", std::nullopt},
        {"Tom: D", std::nullopt},
    };
    for (const auto& [linha, casa] : casos) EXPECT_EQ(casaDoCapotraste(linha), casa) << linha;
    EXPECT_EQ(linhaDoCapotraste(2), "Capotraste na 2\xAA casa");
}

TEST(Capo, PutOnMovedAndTakenOffAtTheTop) {
    const struct {
        const char* caso;
        std::string texto;
        int casa;
        std::vector<std::string> depois;
    } casos[] = {
        {"after title, author and key", "<T>\nAsa Branca\n<A>\nLuiz Gonzaga\n<O>\nTom: G\n<N>\nG\nOi\n",
         2,
         {"0 Asa Branca", "1 Luiz Gonzaga", "8 Tom: G", "8 Capotraste na 2ª casa", "3 @", "2 Oi"}},
        {"a song with no title starts with it", "<N>\nG\nOi\n", 3,
         {"8 Capotraste na 3ª casa", "3 @", "2 Oi"}},
        {"a capo written the sites' way is written again", "<T>\nT\n<O>\nCapo: 3\n<N>\nOi\n", 5,
         {"0 T", "8 Capotraste na 5ª casa", "2 Oi"}},
        {"taken off", "<T>\nT\n<O>\nCapotraste na 2ª casa\n<N>\nOi\n", 0, {"0 T", "2 Oi"}},
    };
    for (const auto& c : casos) {
        SongDocument doc = cancao(c.texto);
        ASSERT_TRUE(definirCapotraste(doc, c.casa)) << c.caso;
        EXPECT_EQ(linhas(doc), c.depois) << c.caso;
        EXPECT_EQ(capotrasteDaCancao(doc), c.casa) << c.caso;
        EXPECT_TRUE(doc.Modified) << c.caso;
    }
    SongDocument doc = cancao("Oi\n");
    EXPECT_FALSE(definirCapotraste(doc, 12));
    EXPECT_TRUE(definirCapotraste(doc, 0));
    EXPECT_FALSE(doc.Modified) << "no capo taken off a song without one";
}

TEST(Capo, StoredAsOneNotesLineAndNothingElse) {
    const SongDocument sem = cancao("<T>\nAsa Branca\n<N>\nG     D\nQuando olhei\n");
    SongDocument com = sem;
    ASSERT_TRUE(definirCapotraste(com, 2));
    // What any reader of the song format sees: a notes line, no other byte changed.
    const auto lida = parseSongFile(songFileText(com), modeloDeFabrica());
    ASSERT_TRUE(lida);
    EXPECT_EQ(lida->doc.Lines[1], "Capotraste na 2\xAA casa");
    EXPECT_EQ(lida->doc.LineKinds[1], kNotesLine);
    EXPECT_EQ(capotrasteDaCancao(lida->doc), 2);
    SongDocument tirado = lida->doc;
    ASSERT_TRUE(definirCapotraste(tirado, 0));
    EXPECT_EQ(songFileText(tirado), songFileText(sem));
}

TEST(Capo, ChordsNamedAsTheySound) {
    const struct {
        const char* caso;
        std::string texto;
        std::vector<std::string> soantes;  // in table order
    } casos[] = {
        {"capo 2, shapes in C", "<O>\nCapotraste na 2ª casa\n<N>\nC   G/B  Am7  F\nOi\n",
         {"D", "A/C#", "Bm7", "G"}},
        {"capo 1, flat key after a key line", "<O>\nTom: Bb\n<O>\nCapo: 1\n<N>\nA   D   E7\nOi\n",
         {"Bb", "Eb", "F7"}},
        {"capo 3, minor shapes", "<O>\nCapotraste na 3ª casa\n<N>\nEm  C  D\nOi\n",
         {"Gm", "Eb", "F"}},
        {"no capo: as written", "C   G\nOi\n", {"C", "G"}},
    };
    for (const auto& c : casos) {
        const SongDocument doc = cancao(c.texto);
        const ChordTable t = acordesSoantes(doc, catalogoDeInterpretacao().tipos);
        std::vector<std::string> nomes;
        for (int k = 0; k < t.size(); ++k) nomes.push_back(displaySymbol(t.Symbols[k]));
        EXPECT_EQ(nomes, c.soantes) << c.caso;
        if (capotrasteDaCancao(doc) > 0) {
            for (const std::string& f : t.Fingerings) EXPECT_EQ(f, "0") << c.caso;
        }
    }
}

TEST(Capo, TheKeyLineFindsTheShapeThatSoundsIt) {
    std::vector<LinhaTransposicao> linhas(3);
    linhas[0].simbolo = "Afm";
    linhas[1].simbolo = "Cf";
    linhas[2].simbolo = "Gf";
    EXPECT_EQ(linhaDoTom(linhas, "G", 0), 2);
    EXPECT_EQ(linhaDoTom(linhas, "D", 2), 1);   // C shape, capo 2
    EXPECT_EQ(linhaDoTom(linhas, "Bm", 2), 0);  // Am shape
    EXPECT_EQ(linhaDoTom(linhas, "Dm", 2), 0);  // no D minor sounds: the first
    EXPECT_EQ(linhaDoTom(linhas, "", 2), 0);
}

TEST(Capo, TheKeyLineFollowsATransposition) {
    const struct {
        std::string linha;
        int semitons;
        std::string depois;
    } casos[] = {
        {"Tom: D", 2, "Tom: E"},
        {"Tom: D", 12, "Tom: D"},
        {"Tom: C", 1, "Tom: Db"},
        {"Tom: A", -1, "Tom: Ab"},
        {"TOM:  F#m (forma dos acordes no tom de Em)", -1, "TOM:  Fm (forma dos acordes no tom de Em)"},
        {"Tom: Bb", 1, "Tom: B"},
        {"Tom: C7M", 2, "Tom: D7M"},
    };
    for (const auto& c : casos) {
        SongDocument doc = cancao("<T>\nT\n<O>\n" + c.linha + "\n<N>\nOi\n");
        EXPECT_EQ(transporLinhaDoTom(doc, c.semitons), c.semitons % 12 != 0) << c.linha;
        EXPECT_EQ(doc.Lines[1], c.depois) << c.linha;
    }
    SongDocument semTom = cancao("<T>\nT\n<O>\nTomara\n");
    EXPECT_FALSE(transporLinhaDoTom(semTom, 2));
    EXPECT_EQ(semTom.Lines[1], "Tomara");
}

}  // namespace
}  // namespace trovale
