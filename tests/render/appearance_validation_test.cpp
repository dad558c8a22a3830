// The limits of the seven diagram proportions, as the appearance window reports them.

#include <gtest/gtest.h>

#include <string>

#include "drawing/appearance_validation.h"

namespace trovale {
namespace {

const std::string kZero = "Apesar de admitir-se percentagens baixas, é proibido zerar este dado";
const std::string kBaixo =
    "Valor estranhamente baixo, porém aceitável, pois o programa impede o desaparecimento de "
    "elementos";
const std::string kSimbolos =
    "Nova percentagem resultaria em desproporção entre a espessura das linhas e o tamanho dos "
    "símbolos";

struct Caso {
    const char* nome;
    int numero;
    const char* texto;           // typed in percent
    void (*ajuste)(Aparencia&);  // the other proportions in force, from the factory ones
    bool aceita;
    std::string mensagem;
    int posicao;
};

void fabrica(Aparencia&) {}
void rp3(Aparencia& a) {
    a.RP = 0.03;
}

const Caso kCasos[] = {
    {"base above its maximum", kPropWB, "9.5", fabrica, false,
     "Novo percentual violaria máximo absoluto (9.000)", 0},
    {"barre above its maximum", kPropWP, "9,001", fabrica, false,
     "Novo percentual violaria máximo absoluto (9.000)", 0},
    {"dot above its maximum", kPropRP, "6.6", fabrica, false,
     "Novo percentual violaria máximo absoluto (6.500)", 0},
    {"symbol above its maximum", kPropRT, "7", fabrica, false,
     "Novo percentual violaria máximo absoluto (6.500)", 0},
    {"string above its maximum", kPropWC, "3.01", fabrica, false,
     "Novo percentual violaria máximo absoluto (3.000)", 0},
    {"symbol line above its maximum", kPropWL, "4", fabrica, false,
     "Novo percentual violaria máximo absoluto (3.000)", 0},
    {"emptied edit", kPropWC, "", fabrica, false, kZero, 0},
    {"zero with a comma", kPropRT, "0,000", fabrica, false, kZero, 0},
    {"a lone point", kPropWT, ".", fabrica, false, kZero, 0},
    {"string thicker than 3/4 of the dot", kPropWC, "2.3", rp3, false,
     "Nova percentagem violaria relação máxima com a dos indicadores das notas no braço (3:4)", 0},
    {"fret above 2/3 of the base", kPropWT, "2.1", fabrica, false,
     "Nova percentagem violaria relação máxima com a do traste base (2:3)", 0},
    {"fret below 1/3 of the base", kPropWT, "0.9", fabrica, false,
     "Nova percentagem violaria relação mínima com a do traste base (1:3)", 0},
    {"base above 3 frets", kPropWB, "6.1", fabrica, false,
     "Nova percentagem violaria relação máxima com a dos trastes (3:1)", 0},
    {"base below 3/2 of a fret", kPropWB, "2.9", fabrica, false,
     "Nova percentagem violaria relação mínima com a dos trastes (3:2)", 0},
    {"barre of 5 % on a dot of 3 %", kPropWP, "5", rp3, false,
     "Nova percentagem violaria relação máxima com a dos indicadores das notas no braço (3:2)", 0},
    {"dot under 4/3 of the string", kPropRP, "1.3", fabrica, false,
     "Nova percentagem violaria relação mínima com a das cordas (4:3)", 0},
    {"dot under 2/3 of the barre", kPropRP, "2.2", fabrica, false,
     "Nova percentagem violaria relação mínima com a das pestanas (2:3)", 0},
    {"symbol too small for its lines", kPropRT, "2.4", fabrica, false, kSimbolos, 0},
    {"symbol lines too thick", kPropWL, "2.5", fabrica, false, kSimbolos, 0},
    {"second point", kPropWC, "1.5.0", fabrica, false, "Erro de digitação.", 3},
    {"point then comma", kPropWC, "1.5,0", fabrica, false, "Erro de digitação.", 3},
    {"a letter", kPropWC, "1a", fabrica, false, "Erro de digitação.", 1},
    {"a trailing blank", kPropRP, "4 ", fabrica, false, "Erro de digitação.", 1},
    {"fret of 2 % on a base of 3 %", kPropWT, "2", fabrica, true, "", 0},
    {"a comma reads as a point", kPropWC, "1,5", fabrica, true, "", 0},
    {"the maximum itself", kPropRP, "6.5", fabrica, true, "", 0},
    {"leading blanks", kPropWP, "  3.334", fabrica, true, "", 0},
    {"low string", kPropWC, "0.15", fabrica, true, kBaixo, 0},
    {"low symbol lines", kPropWL, ",1", fabrica, true, kBaixo, 0},
    {"just above the low mark", kPropWL, "0.25", fabrica, true, "", 0},
};

TEST(AppearanceValidation, EveryMessageByItsCase) {
    for (const Caso& caso : kCasos) {
        SCOPED_TRACE(caso.nome);
        Aparencia a;
        caso.ajuste(a);
        const ValidacaoProporcao v = validarTextoProporcao(a, caso.numero, caso.texto);
        EXPECT_EQ(v.aceita, caso.aceita);
        EXPECT_EQ(v.mensagem, caso.mensagem);
        EXPECT_EQ(v.posicao, caso.posicao);
    }
}

TEST(AppearanceValidation, TypedPercentBecomesAFraction) {
    const struct {
        int numero;
        const char* texto;
        double fracao;
    } casos[] = {{kPropWC, "1,5", 0.015},
                 {kPropWP, "3.334", 0.03334},
                 {kPropRP, "5.", 0.05},
                 {kPropWL, ".75", 0.0075}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_DOUBLE_EQ(validarTextoProporcao(Aparencia{}, caso.numero, caso.texto).valor,
                         caso.fracao);
    }
}

// The plus and minus buttons check a value derived from pixels, which may reach zero.
TEST(AppearanceValidation, ValuesFromTheButtons) {
    Aparencia a;
    EXPECT_EQ(validarProporcao(a, kPropWC, 0.0).mensagem, kZero);
    EXPECT_EQ(validarProporcao(a, kPropWC, -0.01).mensagem, kZero);
    EXPECT_TRUE(validarProporcao(a, kPropRP, 1.0 / 18).aceita);
    EXPECT_FALSE(validarProporcao(a, kPropRP, 0.066).aceita);
}

TEST(AppearanceValidation, PercentShowsWithThreeDecimals) {
    const struct {
        double fracao;
        const char* texto;
    } casos[] = {{0.01, "1.000"},
                 {0.03334, "3.334"},
                 {0.09, "9.000"},
                 {0.0015, "0.150"},
                 {1.0 / 300, "0.333"}};
    for (const auto& caso : casos) EXPECT_EQ(formatarPercentual(caso.fracao), caso.texto);
}

TEST(AppearanceValidation, FactoryValuesAreValid) {
    EXPECT_TRUE(proporcoesValidas(Aparencia{}));
    Aparencia a;
    a.WT = 0.025;  // above 2/3 of the base
    EXPECT_FALSE(proporcoesValidas(a));
}

}  // namespace
}  // namespace trovale
