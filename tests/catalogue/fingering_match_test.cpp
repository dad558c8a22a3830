#include "catalogue/fingering_match.h"

#include <gtest/gtest.h>

namespace trovale {
namespace {

TTipoAcorde tipoCom(IntervalosTipo intervalos) {
    TTipoAcorde t;
    t.Nome = "teste";
    t.Intervalos = intervalos;
    return t;
}

// Pitch classes: A=1 ... C=4, D=6, E=8, F=9, G=11, Bb=2.
const TTipoAcorde kMaior = tipoCom({3, 6, 0, 0, 0});
const TTipoAcorde kSetima = tipoCom({3, 6, 10, 0, 0});
const TTipoAcorde kSetimaNona = tipoCom({3, 6, 10, 13, 0});

TEST(TestarDigitacao, MatchesMissingAndForeignNotes) {
    const struct {
        const char* caso;
        const TTipoAcorde* tipo;
        int raiz;
        std::vector<int> soantes;
        bool casou, quintaOmitida, raizSoa;
        int colunaFaltante, posicaoEstranha;
    } casos[] = {
        {"C major complete", &kMaior, 4, {8, 4, 11}, true, false, true, -1, 0},
        {"triad without fifth", &kMaior, 4, {8, 4}, false, false, true, 2, 0},
        {"triad without root", &kMaior, 4, {8, 11}, false, false, false, 0, 0},
        {"C7 without fifth", &kSetima, 4, {8, 4, 2}, true, true, true, -1, 0},
        {"C7 without root keeps fifth required", &kSetima, 4, {8, 11, 2}, true, false, false, -1, 0},
        {"C7 without root and fifth", &kSetima, 4, {8, 2}, false, false, false, 2, 0},
        {"C7 missing seventh after omitted fifth", &kSetima, 4, {8, 4}, false, false, true, 3, 0},
        {"C7(9) missing ninth", &kSetimaNona, 4, {8, 4, 11, 2}, false, false, true, 4, 0},
        {"foreign F in C major", &kMaior, 4, {8, 4, 9, 11}, false, false, true, -1, 3},
        {"foreign note before missing check is not reached", &kMaior, 4, {9, 4, 8, 11}, false,
         false, true, -1, 1},
    };
    for (const auto& c : casos) {
        const ResultadoTeste r = TestarDigitacao(c.raiz, *c.tipo, c.soantes);
        EXPECT_EQ(r.casou, c.casou) << c.caso;
        EXPECT_EQ(r.quintaOmitida, c.quintaOmitida) << c.caso;
        EXPECT_EQ(r.raizSoa, c.raizSoa) << c.caso;
        EXPECT_EQ(r.colunaFaltante, c.colunaFaltante) << c.caso;
        EXPECT_EQ(r.posicaoEstranha, c.posicaoEstranha) << c.caso;
    }
}

TEST(TestarDigitacao, FreeSlotNeverMatches) {
    EXPECT_FALSE(TestarDigitacao(4, TTipoAcorde{}, {4}).casou);
    EXPECT_FALSE(TestarDigitacao(4, TTipoAcorde{}, {}).casou);
}

}  // namespace
}  // namespace trovale
