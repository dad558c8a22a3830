#include "document/chord_rewriting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trovale {
namespace {

// A chord line, and the lyric line below it when there is one.
struct CasoReescrita {
    const char* nome;
    std::vector<std::string> linhas;
    std::vector<bool> acordes;
    std::vector<TrocaDeSigla> trocas;
    std::string esperada;  // the first line afterwards
};

TEST(ChordRewriting, KeepsTheColumnsOverTheLyrics) {
    const std::string letra = "Quando eu vim de minha terra";
    const CasoReescrita casos[] = {
        {"three blanks make room", {"Am   G", letra}, {true, false}, {{"Am", "Am7"}}, "Am7  G"},
        {"shorter is padded", {"C7M G", letra}, {true, false}, {{"C7M", "C7"}}, "C7  G"},
        {"last word grows", {"C    G", letra}, {true, false}, {{"G", "G7M"}}, "C    G7M"},
        {"only whole words", {"Am7 Am  D", letra}, {true, false}, {{"Am", "A"}}, "Am7 A   D"},
        {"every occurrence", {"E  E  E", letra}, {true, false}, {{"E", "E7"}}, "E7 E7 E7"},
        {"no lyric below: free", {"Am G"}, {true}, {{"Am", "Am7"}}, "Am7 G"},
        {"chord line below: free", {"Am G", "C D"}, {true, true}, {{"Am", "Am7"}}, "Am7 G"},
        {"past the lyric: free", {"D  Am G", "la"}, {true, false}, {{"Am", "Am7"}}, "D  Am7 G"},
        {"word across the lyric's end",
         {"C7M G", "ab"},
         {true, false},
         {{"C7M", "C7(9)"}},
         "C7(9) G"},
        {"parts kept apart", {"Am   G", "abcde"}, {true, false}, {{"Am", "Am7(9)"}}, "Am7(9) G"},
        {"changes do not feed each other",
         {"C7M C7+"},
         {true},
         {{"C7M", "C7+"}, {"C7+", "C7M"}},
         "C7+ C7M"},
        {"lyric lines untouched", {"Am canta comigo"}, {false}, {{"Am", "Am7"}}, "Am canta comigo"},
    };
    for (const CasoReescrita& c : casos) {
        const ReescritaDeSiglas r = reescreverSiglas(c.linhas, c.acordes, c.trocas);
        EXPECT_FALSE(r.semEspaco) << c.nome;
        ASSERT_EQ(r.linhas.size(), c.linhas.size()) << c.nome;
        EXPECT_EQ(r.linhas[0], c.esperada) << c.nome;
        for (std::size_t i = 1; i < c.linhas.size(); ++i) EXPECT_EQ(r.linhas[i], c.linhas[i]);
    }
}

TEST(ChordRewriting, LackOfRoomLeavesTheWholeTextAsItWas) {
    const std::vector<std::string> linhas = {"Am   G", "Quando eu vim", "Am G", "de minha terra"};
    const std::vector<bool> acordes = {true, false, true, false};
    const ReescritaDeSiglas r = reescreverSiglas(linhas, acordes, {{"G", "G7"}, {"Am", "Am7"}});
    EXPECT_EQ(r.semEspaco, "Am7");
    EXPECT_EQ(r.linhas, linhas);
    EXPECT_EQ(mensagemSemEspaco(*r.semEspaco),
              "Falta espaço em uma ou mais linhas para o texto da nova sigla: Am7");
    // With the offending change alone left out, the first line takes its change.
    EXPECT_EQ(reescreverSiglas(linhas, acordes, {{"G", "G7"}}).linhas[0], "Am   G7");
}

TEST(ChordRewriting, NewTextInTheMessageIsShownAsWritten) {
    EXPECT_EQ(mensagemSemEspaco("C\xBA"),
              "Falta espaço em uma ou mais linhas para o texto da nova sigla: Cº");
}

TEST(ChordRewriting, FingeringsFollowTheNewWriting) {
    ChordTable tabela;
    tabela.append("Cf7M", "9", "763 5118 3001");
    tabela.append("Gf4", "5", "100 200 300");
    tabela.append("Gfsus4", "5", "0");
    tabela.append("Df7+", "9", "11 22 33");
    tabela.append("Df7M", "9", "44 55 66");
    AcordesConhecidos conhecidos(tabela);
    renomearConhecidos(conhecidos, {{"C7M", "C7+"},   // moves
                                    {"G4", "Gsus4"},  // Gsus4 has its own entry: stays
                                    {"D7+", "D7M"},   // a swap
                                    {"D7M", "D7+"},
                                    {"E7", "E7M"}});  // not in the table
    const ChordTable& t = conhecidos.tabela();
    EXPECT_EQ(t.Symbols, (std::vector<std::string>{"Cf7+", "Gf4", "Gfsus4", "Df7M", "Df7+"}));
    EXPECT_EQ(t.Fingerings, tabela.Fingerings);
    EXPECT_EQ(conhecidos.indice("Cf7+"), 0);
    EXPECT_EQ(conhecidos.indice("Cf7M"), -1);
    EXPECT_EQ(conhecidos.indice("Df7M"), 3);
}

}  // namespace
}  // namespace trovale
