// Reaching a new key with the capo: which positions are offered, with which shapes, in which
// order.

#include "fingering/capo_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trovale {
namespace {

constexpr int kDo = 4, kLa = 1, kMi = 8;

// "casa:shapes" for the first n choices.
std::vector<std::string> primeiras(const std::vector<EscolhaDeCapotraste>& escolhas,
                                   std::size_t n) {
    std::vector<std::string> saida;
    for (std::size_t i = 0; i < n && i < escolhas.size(); ++i)
        saida.push_back(std::to_string(escolhas[i].casa) + ":" + escolhas[i].tomDasFormas +
                        (escolhas[i].deslocamento == 0 ? "=" : ""));
    return saida;
}

TEST(CapoChoices, EasiestShapesFirstThenTheLowerCapo) {
    const struct {
        const char* caso;
        TomDaCancao formas;
        int capoAtual, deslocamento;
        std::vector<std::string> esperadas;
    } casos[] = {
        {"C shapes, no capo, up to D", {kDo, false}, 0, 2, {"0:D", "2:C=", "7:G", "5:A", "10:E"}},
        {"C shapes on 2 (sounds D), down to C", {kDo, false}, 2, -2,
         {"0:C=", "5:G", "10:D", "3:A", "8:E"}},
        {"keeping the key: the same shapes are among the choices", {kDo, false}, 2, 0,
         {"0:D", "2:C=", "7:G", "5:A", "10:E"}},
        {"minor: Am shapes to sound F#m", {kLa, true}, 0, -3,
         {"2:Em", "4:Dm", "9:Am=", "7:Bm", "0:F#m"}},
        {"E shapes on 4 (G#), up a tone: Bb", {kMi, false}, 4, 2,
         {"3:G", "8:D", "10:C", "1:A", "6:E="}},
    };
    for (const auto& c : casos) {
        const auto escolhas = escolhasDeCapotraste(c.formas, c.capoAtual, c.deslocamento);
        EXPECT_EQ(escolhas.size(), 12u) << c.caso;
        EXPECT_EQ(primeiras(escolhas, c.esperadas.size()), c.esperadas) << c.caso;
        // Every choice sounds the new key: shapes plus capo, the same pitch for all.
        for (const EscolhaDeCapotraste& e : escolhas)
            EXPECT_EQ((c.formas.nota + e.deslocamento + e.casa - c.capoAtual - c.deslocamento -
                       c.formas.nota) % 12,
                      0)
                << c.caso << " casa " << e.casa;
    }
}

}  // namespace
}  // namespace trovale
