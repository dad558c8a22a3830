// Separators made from typed text, and a new presentation order written back.

#include <gtest/gtest.h>

#include "catalogue/type_order.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

// One unit a character, so the model caption is 40 wide.
int porCaractere(const std::string& s) {
    return static_cast<int>(s.size());
}
const int kLimite = static_cast<int>(kSeparadorModelo.size());

TEST(TypeOrder, SeparatorsAreAsWideAsTheModelCaption) {
    const struct {
        const char* digitado;
        const char* legenda;
    } casos[] = {
        {"--  palavra  --", "--------------- palavra ---------------"},
        {"Acordes personalizados", "-------- Acordes personalizados --------"},
        {"  Bossa nova -", "-------------- Bossa nova --------------"},
        // Too wide already: still one dash each side, cut to what the file keeps.
        {"Uma legenda comprida demais para caber na largura da lista",
         "- Uma legenda comprida demais para caber na larg -"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(legendaSeparador(caso.digitado, porCaractere, kLimite), caso.legenda);
}

TEST(TypeOrder, TheListBecomesTheOrder) {
    Catalogo c;
    c.tipos = testing::catalogoComum();
    const std::vector<std::string> legendas = {"Menor", "----- Meus -----", "Maior", "Sexta",
                                               "Maior com d\xE9"
                                               "cima terceira"};
    aplicarOrdem(c, legendas);
    EXPECT_EQ(c.tipos.OrdemTipos,
              (std::vector<int>{testing::kMenor, 0, testing::kMaior, testing::kSexta,
                                testing::kMaiorDecimaTerceira}));
    EXPECT_EQ(c.tipos.Legendas, legendas);
    EXPECT_TRUE(c.TiposAlterados);
    // Equal-sounding types are linked in the new order.
    EXPECT_EQ(c.tipos.EquivalenteSeguinte[testing::kSexta], testing::kMaiorDecimaTerceira);
}

}  // namespace
}  // namespace trovale
