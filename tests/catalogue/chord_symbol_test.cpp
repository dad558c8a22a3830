#include "catalogue/chord_symbol.h"

#include <gtest/gtest.h>

#include <string>

namespace trovale {
namespace {

TEST(ExtrairRaiz, TakesLetterAndOneAccidental) {
    struct Caso {
        std::string palavra, raiz, resto;
    };
    const Caso casos[] = {
        {"C7", "C", "7"}, {"Bb7", "Bb", "7"}, {"C#m", "C#", "m"}, {"Cbb7", "Cb", "b7"},
        {"A", "A", ""},   {"", "", ""},       {"Hm", "H", "m"},   {"Cm#", "C", "m#"},
    };
    for (const Caso& c : casos) {
        std::string texto = c.palavra;
        EXPECT_EQ(ExtrairRaiz(texto), c.raiz) << c.palavra;
        EXPECT_EQ(texto, c.resto) << c.palavra;
    }
}

TEST(ExtrairBaixo, SplitsBassAndVariantMarkOffTheEnd) {
    struct Caso {
        std::string texto, raiz, baixo, resto;
    };
    const Caso casos[] = {
        {"7/E", "C", "E", "7"},
        {"m/Bb", "A", "Bb", "m"},
        {"7\\G", "C", "G", "7"},
        {"7(#11)/Ab", "Bb", "Ab", "7(#11)"},
        {"7", "C", "C", "7"},
        {"", "C", "C", ""},
        {"7*b", "G", "G*b", "7"},
        {"*", "C", "C*", ""},
        {"/E*", "C", "E*", ""},
        {"/E*c", "C", "E*c", ""},
        {"7*a/E", "G", "G*a/E", "7"},  // the mark runs from the first "*" to the end
        {"7/9", "C", "C", "7/9"},      // a tension, not a note
        {"7/13", "C", "C", "7/13"},
        {"m7/Ebx", "C", "C", "m7/Ebx"},
        {"/", "C", "C", "/"},
        {"/Em", "C", "Em", ""},  // kept as written; the interpreter refuses it
        {"/C", "C", "", ""},     // same pitch class as the root
        {"/Db", "C#", "", ""},
        {"7/C*b", "C", "", "7"},
        {"m7/Cb", "Ab", "Cb", "m7"},
        {"/B#", "G#", "B#", ""},
        {"/Cb", "B", "", ""},  // Cb sounds as B
        {"/F", "E#", "", ""},
    };
    for (const Caso& c : casos) {
        std::string texto = c.texto;
        EXPECT_EQ(ExtrairBaixo(texto, c.raiz), c.baixo) << c.texto;
        EXPECT_EQ(texto, c.resto) << c.texto;
    }
}

TEST(ValorNota, ReadsEveryLetterWithOneAccidentalMarkIgnored) {
    struct Caso {
        std::string grafia;
        int nota;
    };
    const Caso casos[] = {
        {"A", 1},  {"A#", 2},  {"Bb", 2},   {"C", 4},   {"C#", 5},  {"Db", 5},  {"E", 8},
        {"G", 11}, {"G#", 12}, {"Ab", 12},  {"E*b", 8}, {"Bb*", 2}, {"Cb", 3},  {"B#", 4},
        {"Fb", 8}, {"E#", 9},  {"E#*c", 9}, {"Cb*", 3}, {"Cbb", 0}, {"B##", 0}, {"H", 0},
        {"Hb", 0}, {"", 0},    {"*", 0},    {"C7", 0},  {"c", 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(ValorNota(c.grafia), c.nota) << c.grafia;
}

TEST(NumeroVariante, MarkSelectsFingering) {
    struct Caso {
        std::string baixo;
        int variante;
    };
    const Caso casos[] = {
        {"G", 1},    {"G*", 2},  {"G*a", 1}, {"G*b", 2}, {"G*c", 3}, {"Bb*n", 14},
        {"G*z", 26}, {"G**", 2}, {"G*A", 1}, {"G*1", 1}, {"", 1},    {"*", 2},
    };
    for (const Caso& c : casos) EXPECT_EQ(numeroVariante(c.baixo), c.variante) << c.baixo;
}

TEST(SemMarcaVariante, CutsFromTheStar) {
    EXPECT_EQ(semMarcaVariante("G*b"), "G");
    EXPECT_EQ(semMarcaVariante("Bb*"), "Bb");
    EXPECT_EQ(semMarcaVariante("F#"), "F#");
    EXPECT_EQ(semMarcaVariante("*"), "");
}

}  // namespace
}  // namespace trovale
