#include "catalogue/type_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "support/type_fixture.h"

namespace trovale {
namespace {

using namespace trovale::testing;

struct CasoCanonica {
    std::string canonica;
    int tipo;
};

TEST(TipoPorCifra, MatchesTheStandardSymbolExactly) {
    const CatalogoTipos& tipos = catalogoComum();
    const CasoCanonica casos[] = {
        {"", kMaior},
        {"m", kMenor},
        {"b7", kSetima},
        {"b7m", kMenorSetima},
        {"o7", kDiminuto},
        {"add9b7m", kMenorSetimaNona},
        {"sus4b7", kSetimaSus4},
        {"add96m", kMenorSextaNona},
        {"13", kMaiorDecimaTerceira},
        {"b7m ", 0},
        {"11b7", 0},
        {"*", 0},
    };
    for (const CasoCanonica& c : casos)
        EXPECT_EQ(TipoPorCifra(tipos, c.canonica), c.tipo) << c.canonica;
}

TEST(TipoPorCifra, OptionalSymbolIsNotUsed) {
    // Some write the added ninth "2"; only the standard symbol "add9" is matched.
    const CatalogoTipos tipos = montarCatalogo({{15, "Nona adicionada", "3 5 9", "add9", "2"}});
    EXPECT_EQ(TipoPorCifra(tipos, "sus2"), 0);
    EXPECT_EQ(TipoPorCifra(tipos, "add9"), 15);
}

TEST(TipoPorCifra, HighestNumberWinsAmongEqualSymbols) {
    const CatalogoTipos tipos = montarCatalogo({
        {1, "Maior", "3 5", ""},
        {55, "Maior aberto", "3 5", ""},
        {70, "Outra", "b3 5", "m"},
    });
    EXPECT_EQ(TipoPorCifra(tipos, ""), 55);
}

TEST(TipoPorIntervalos, FindsTheTypeWithTheImpliedIntervals) {
    const CatalogoTipos& tipos = catalogoComum();
    const CasoCanonica casos[] = {
        {"", kMaior},
        {"m", kMenor},
        {"b7m", kMenorSetima},
        {"o7", kDiminuto},    // minor third, b5, bb7
        {"o7b5", kDiminuto},  // the written b5 is the b5
        {"add9b7m", kMenorSetimaNona},
        {"7Mm", kMenorSetimaMaior},
        {"7Madd9", kSetimaMaiorNona},
        {"b9b7", kSetimaNonaMenor},
        {"#9b7", kSetimaNonaAumentada},
        {"#11b7", kSetimaDecimaPrimeiraAumentada},
        {"b7b5", kSetimaQuintaDiminuta},
        {"b7#5", kSetimaQuintaAumentada},
        {"sus2", kSus2},
        {"sus4b7", kSetimaSus4},
        {"sus2sus4", kSus4},                      // sus2 with sus4 counts as sus4 alone
        {"sus2m", kMenorAdd9},                    // with a minor third sus2 is the added ninth
        {"sus4b7m", kMenorSetimaDecimaPrimeira},  // ... and sus4 the eleventh
        {"13", kMaiorDecimaTerceira},             // first choice: 13
        {"add913", kSextaNona},                   // 13 + 9 has no type; 6 + 9 has
        {"6b7", kSetimaDecimaTerceira},           // 6 beside a seventh is the thirteenth
        {"b13", kAumentado},                      // b13 alone is the #5
        {"#11", kQuintaDiminuta},                 // #11 alone is the b5
        {"11b7", 0},
        {"b13m", 0},
        {"7Madd9#11b13b7", 0},  // more notes than a type can hold
    };
    for (const CasoCanonica& c : casos)
        EXPECT_EQ(TipoPorIntervalos(tipos, c.canonica), c.tipo) << c.canonica;
}

TEST(TipoIncluindoBaixo, FoldsABassOutsideTheChordIntoAWiderType) {
    const CatalogoTipos& tipos = catalogoComum();
    struct Caso {
        int d, tipo, resultado;
        const char* nome;
    };
    const Caso casos[] = {
        {4, kMaior, kMaior, "C/E: the third"},
        {7, kMaior, kMaior, "C/G: the fifth"},
        {10, kMaior, kSetima, "C/Bb"},
        {-2, kMaior, kSetima, "C/Bb, negative distance"},
        {11, kMaior, kSetimaMaior, "C/B"},
        {2, kMaior, kAdd9, "C/D: a ninth, not a sus2"},
        {9, kMaior, kSexta, "C/A: bb7 has no type, 6 has"},
        {8, kMaior, kAumentado, "C/G#"},
        {6, kMaior, kQuintaDiminuta, "C/F#"},
        {5, kMaior, 0, "C/F: no major type with 11"},
        {10, kMenor, kMenorSetima, "Am/G"},
        {1, kSetima, kSetimaNonaMenor, "C7/Db"},
        {3, kSetima, kSetimaNonaAumentada, "C7/Eb"},
        {6, kSetima, kSetimaQuintaDiminuta, "C7/F#"},
        {8, kSetima, kSetimaQuintaAumentada, "C7/G#"},
        {9, kSetima, kSetimaDecimaTerceira, "C7/A: an octave up, the thirteenth"},
        {10, kSetima, kSetima, "C7/Bb"},
        {10, 0, 0, "no type"},
        {10, 101, 0, "no such type number"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TipoIncluindoBaixo(tipos, c.d, c.tipo), c.resultado) << c.nome;
}

}  // namespace
}  // namespace trovale
