#include "document/chord_renaming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/type_fixture.h"

namespace trovale {
namespace {

ChordTable tabela(const std::vector<std::string>& simbolos) {
    ChordTable t;
    for (std::size_t k = 0; k < simbolos.size(); ++k)
        t.append(simbolos[k], std::to_string(k + 1), "0");
    return t;
}

TEST(ChordRenaming, TheWindowListsTheUsedChordsByStoredSymbol) {
    const std::vector<LinhaTransposicao> linhas =
        linhasParaTransposicao(tabela({"Df", "Cf7M", " ", "Bb", "Cs", "Cfm", "Cb"}));
    std::vector<std::string> simbolos;
    std::vector<int> tipos;
    for (const LinhaTransposicao& l : linhas) {
        simbolos.push_back(l.simbolo);
        tipos.push_back(l.tipo);
    }
    EXPECT_EQ(simbolos, (std::vector<std::string>{"Bb", "Cb", "Cf7M", "Cfm", "Cs", "Df"}));
    EXPECT_EQ(tipos, (std::vector<int>{4, 7, 2, 6, 5, 1}));
}

TEST(ChordRenaming, EveryChordTakesItsNewSymbolOnce) {
    Catalogo catalogo;
    catalogo.tipos = testing::catalogoComum();
    const struct {
        std::vector<std::string> antes;
        int deslocamento;
        std::vector<std::string> depois;  // in table order
    } casos[] = {
        {{"Cf", "Df", " ", "Ef"}, 2, {"Df", "Ef", " ", "Fs"}},
        {{"Ef", "Df", "Cf"}, -2, {"Df", "Cf", "Bb"}},
        // C# and Db meet on D: the second keeps apart as a variant.
        {{"Cs", "Db", "Df*"}, 1, {"Df", "Df*", "Eb*"}},
        {{"Cf/E", "Afm*c"}, 12, {"Cf/E", "Afm*c"}},
    };
    for (const auto& c : casos) {
        ChordTable t = tabela(c.antes);
        std::vector<LinhaTransposicao> linhas = linhasParaTransposicao(t);
        transporLinhas(linhas, c.deslocamento, 0, {}, catalogo, 5);
        for (LinhaTransposicao& l : linhas) l.novaDigitacao = "novo " + l.simbolo;
        renomearAcordes(t, linhas);
        EXPECT_EQ(t.Symbols, c.depois);
        for (int k = 0; k < t.size(); ++k) {
            EXPECT_EQ(t.TypeCodes[k], std::to_string(k + 1));
            EXPECT_EQ(t.Fingerings[k], t.isFree(k) ? "0" : "novo " + c.antes[k]);
        }
    }
}

}  // namespace
}  // namespace trovale
