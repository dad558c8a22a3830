#include "catalogue/fingering_from_frets.h"

#include <gtest/gtest.h>

#include <string>

namespace trovale {
namespace {

// "casa 1 | pestana 1-6@1 | notas 5@3 4@3 | estados 111110": start fret, barres and notes
// as string@relative fret, then the state of strings 1..6.
std::string descrever(const TDigitacao& d) {
    std::string texto = "casa " + std::to_string(d.Casa);
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia())
            texto += " | pestana " + std::to_string(p.CordaInicial) + "-" +
                     std::to_string(p.CordaFinal) + "@" + std::to_string(p.Traste);
    std::string notas;
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia()) notas += " " + std::to_string(n.Corda) + "@" + std::to_string(n.Traste);
    if (!notas.empty()) texto += " | notas" + notas;
    texto += " | estados ";
    for (int corda = 1; corda <= kCordas; ++corda) texto += std::to_string(d.estado(corda));
    return texto;
}

TEST(DigitacaoDeTrastes, PressesTheShapeAsAPlayerWould) {
    const struct {
        const char* trastes;
        const char* esperada;
    } casos[] = {
        {"x 3 2 0 1 0", "casa 1 | notas 5@3 4@2 2@1 | estados 111102"},
        {"3 2 0 0 0 3", "casa 1 | notas 6@3 5@2 1@3 | estados 111110"},
        {"x 0 2 2 2 0", "casa 1 | notas 4@2 3@2 2@2 | estados 111102"},
        // More than four fretted strings: the lowest fret is one barre, first to last string.
        {"1 3 3 2 1 1", "casa 1 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"x 2 4 4 4 2", "casa 1 | pestana 1-5@2 | notas 4@4 3@4 2@4 | estados 111102"},
        {"5 5 5 5 5 5", "casa 1 | pestana 1-6@5 | estados 111110"},
        {"3 x 5 5 3 3", "casa 1 | pestana 1-6@3 | notas 4@5 3@5 | estados 111120"},
        // Beyond the fifth fret the window starts at the lowest fretted fret.
        {"8 10 10 9 8 8", "casa 8 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"x x 0 7 7 5", "casa 5 | notas 3@3 2@3 1@1 | estados 111022"},
        {"12 14 14 13 12 12", "casa 12 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"x x 5 5 5 x", "casa 1 | notas 4@5 3@5 2@5 | estados 211022"},
        {"0 0 0 0 0 0", "casa 1 | estados 111110"},
        {"x x x x x x", "casa 1 | estados 222222"},
    };
    for (const auto& c : casos) {
        const auto trastes = lerTrastes(c.trastes);
        ASSERT_TRUE(trastes) << c.trastes;
        const auto d = digitacaoDeTrastes(*trastes);
        ASSERT_TRUE(d) << c.trastes;
        EXPECT_EQ(descrever(*d), c.esperada) << c.trastes;
        // What is pressed sounds exactly the frets asked for.
        EXPECT_EQ(escreverTrastes(trastesDe(*d)), c.trastes);
    }
}

TEST(DigitacaoDeTrastes, RefusesWhatTheHandCannotPress) {
    const char* casos[] = {
        "x 3 5 5 5 5",        // five fretted strings, the lowest fret on one string only
        "1 2 3 4 4 1",        // barre plus four single notes
        "1 3 3 2 0 1",        // a barre would cover the open B string
        "x 1 6 x x x",        // the highest fret is six frets from the start fret
        "13 15 15 14 13 13",  // start fret 13
    };
    for (const char* texto : casos) {
        const auto trastes = lerTrastes(texto);
        ASSERT_TRUE(trastes) << texto;
        EXPECT_FALSE(digitacaoDeTrastes(*trastes)) << texto;
    }
}

}  // namespace
}  // namespace trovale
