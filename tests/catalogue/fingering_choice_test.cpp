#include "catalogue/fingering_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

constexpr int kC = 4, kD = 6, kE = 8, kG = 11, kA = 1, kB = 3;
constexpr int kMaior = 1, kAumentado = 2, kMaiorB13 = 3;

struct Registro {
    int nota;
    int tipo;
    const char* trastes;
};

// The catalogue's list, loaded as the program loads POSICOES.DIG. Type 2 (3 #5) has no
// fingerings of its own: they are filed under the equal-sounding type 3 (3 b13).
Catalogo catalogoDeTeste() {
    Catalogo c;
    c.tipos = testing::montarCatalogo({
        {kMaior, "Maior", "3 5", ""},
        {kAumentado, "Aumentado", "3 #5", "(#5)"},
        {kMaiorB13, "Aumentado como 13 menor", "3 b13", "(b13)"},
    });
    const Registro registros[] = {
        {kC, kMaior, "x 3 2 0 1 0"},     // 1  bass C
        {kC, kMaior, "8 x 5 9 x x"},     // 2  bass C, five frets wide
        {kC, kMaior, "x 3 5 5 5 3"},     // 3  bass C
        {kC, kMaior, "0 3 2 0 1 0"},     // 4  bass E
        {kC, kMaior, "3 3 2 0 1 0"},     // 5  bass G
        {kC, kMaior, "x 7 x 5 8 8"},     // 6  bass E
        {kG, kMaior, "3 2 0 0 0 3"},     // 7  bass G
        {kG, kMaior, "x 2 0 0 0 3"},     // 8  bass B
        {kC, kMaiorB13, "x 3 2 1 1 0"},  // 9  bass C
    };
    BancoDigitacoes lista;
    for (const Registro& r : registros) {
        TDigitacao d = *digitacaoDeTrastes(*lerTrastes(r.trastes));
        d.Nota = r.nota;
        d.Tipo = r.tipo;
        lista.Digitacoes.push_back(Codificar(d));
    }
    lerDigitacoes(escreverDigitacoes(lista), c.tipos, c.digitacoes);
    return c;
}

TEST(EscolherDigitacao, FindsTheNthFingeringWithTheWrittenBass) {
    const Catalogo catalogo = catalogoDeTeste();
    ASSERT_EQ(catalogo.digitacoes.NumDigitacoes(), 9);
    const struct {
        const char* acorde;
        int raiz, baixo, tipo, variante, trastes;
        int esperada;
    } casos[] = {
        {"C", kC, kC, kMaior, 1, 4, 1},
        {"C* skips the five-fret one", kC, kC, kMaior, 2, 4, 3},
        {"C* with five frets shown", kC, kC, kMaior, 2, 5, 2},
        {"C*c with five frets shown", kC, kC, kMaior, 3, 5, 3},
        {"C*i: fewer matches, the last one", kC, kC, kMaior, 9, 4, 3},
        {"C/E", kC, kE, kMaior, 1, 4, 4},
        {"C/E*", kC, kE, kMaior, 2, 4, 6},
        {"C/E*c", kC, kE, kMaior, 3, 4, 6},
        {"C/G", kC, kG, kMaior, 1, 4, 5},
        {"C/A: no fingering with that bass", kC, kA, kMaior, 1, 4, 0},
        {"G/B", kG, kB, kMaior, 1, 4, 8},
        {"G stops at its own run", kG, kG, kMaior, 2, 4, 7},
        {"D: no fingerings", kD, kD, kMaior, 1, 4, 0},
        {"C(#5) through the equal-sounding type", kC, kC, kAumentado, 1, 4, 9},
        {"a variant mark that names no number", kC, kC, kMaior, 0, 4, 1},
        {"no type", kC, kC, 0, 1, 4, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(EscolherDigitacao(catalogo, c.raiz, c.baixo, c.tipo, c.variante, c.trastes),
                  c.esperada)
            << c.acorde;
}

TEST(EscolherDigitacao, BassAndSpanOfAFingering) {
    const struct {
        const char* trastes;
        int baixo, extensao;
    } casos[] = {
        {"x 3 2 0 1 0", kC, 3},
        {"8 x 5 9 x x", kC, 5},
        {"0 2 2 1 0 0", kE, 2},
        {"x x 0 2 3 2", kD, 2},
        {"0 0 0 0 0 0", kE, 0},
        {"x x x x 1 0", 0, 1},  // a bass on string 2 is not one a diagram is chosen by
    };
    for (const auto& c : casos) {
        const TDigitacao d = *digitacaoDeTrastes(*lerTrastes(c.trastes));
        EXPECT_EQ(notaDoBaixo(d), c.baixo) << c.trastes;
        EXPECT_EQ(extensaoDeTrastes(d), c.extensao) << c.trastes;
    }
}

}  // namespace
}  // namespace trovale
