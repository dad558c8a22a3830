// Page layouts on a paper: limits, column rebalance, column count, fitting, the edits.

#include "settings/page_layout.h"

#include <gtest/gtest.h>

#include "settings/paper.h"

namespace trovale {
namespace {

const Papel kA4 = papelDaPagina(paginaSemImpressora(0));
const Papel kA4Deitado = papelDaPagina(paginaSemImpressora(1));

PageLayout comColunas(int n) {
    PageLayout l = layoutDeFabrica();
    definirNumeroColunas(l, n, kA4);
    return l;
}

PageLayout layout(std::initializer_list<std::int32_t> v) {
    PageLayout l;
    int i = 0;
    for (std::int32_t x : v) campo(l, static_cast<CampoLayout>(i++)) = x;
    return l;
}

TEST(PageLayout, FactoryLayoutFieldsInFileOrder) {
    EXPECT_EQ(layoutDeFabrica(), layout({30, 20, 30, 25, 0, 1, 160, 0, 0, 0}));
}

TEST(PageLayout, ColumnCountsOnA4) {
    const struct {
        int n;
        PageLayout esperado;
    } casos[] = {
        {1, layout({30, 20, 30, 25, 0, 1, 160, 0, 0, 0})},
        // 145 mm shared by two: 72 each, 1 mm stays free.
        {2, layout({30, 20, 30, 25, 15, 2, 72, 72, 0, 0})},
        {3, layout({30, 20, 30, 25, 15, 3, 43, 43, 43, 0})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(comColunas(c.n), c.esperado);
    }
    // Back to one column: no gap.
    PageLayout l = comColunas(3);
    definirNumeroColunas(l, 1, kA4);
    EXPECT_EQ(l, layoutDeFabrica());
}

TEST(PageLayout, Limits) {
    const PageLayout dois = comColunas(2);
    const struct {
        const char* nome;
        PageLayout layout;
        CampoLayout campo;
        int minimo, maximo;
    } casos[] = {
        {"top", layoutDeFabrica(), CampoLayout::MargemSuperior, 10, 297 - 89 - 25},
        {"bottom", layoutDeFabrica(), CampoLayout::MargemInferior, 16, 297 - 89 - 30},
        {"left", layoutDeFabrica(), CampoLayout::MargemEsquerda, 10, 210 - 63 - 20},
        {"right", layoutDeFabrica(), CampoLayout::MargemDireita, 11, 210 - 63 - 30},
        {"left, two columns", dois, CampoLayout::MargemEsquerda, 10, 210 - 63 - 20 - 15},
        {"gap, one column", layoutDeFabrica(), CampoLayout::EspacoColunas, 0, 97},
        {"gap, two columns", dois, CampoLayout::EspacoColunas, 4, 97},
        {"gap, three columns", comColunas(3), CampoLayout::EspacoColunas, 4, 48},
        {"column 1", layoutDeFabrica(), CampoLayout::Coluna1, 63, 160},
        {"column 2, one column", layoutDeFabrica(), CampoLayout::Coluna2, 0, 160},
        {"column 1, two columns", dois, CampoLayout::Coluna1, 31, 160 - 15 - 31},
        {"column 2, two columns", dois, CampoLayout::Coluna2, 31, 114},
        {"column 3, two columns", dois, CampoLayout::Coluna3, 0, 114},
        {"column 3, three columns", comColunas(3), CampoLayout::Coluna3, 21, 160 - 2 * 36},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const Limites l = limitesDe(c.layout, c.campo, kA4);
        EXPECT_EQ(l.minimo, c.minimo);
        EXPECT_EQ(l.maximo, c.maximo);
    }
}

TEST(PageLayout, SettingAFieldClampsAndRebalances) {
    const struct {
        const char* nome;
        PageLayout antes;
        CampoLayout campo;
        int valor;
        PageLayout depois;
    } casos[] = {
        {"left margin emptied: its minimum, column 1 grows", layoutDeFabrica(),
         CampoLayout::MargemEsquerda, 0, layout({10, 20, 30, 25, 0, 1, 180, 0, 0, 0})},
        {"left margin too wide: its maximum, column 1 at its minimum", layoutDeFabrica(),
         CampoLayout::MargemEsquerda, 999, layout({127, 20, 30, 25, 0, 1, 63, 0, 0, 0})},
        {"top margin: no rebalance", layoutDeFabrica(), CampoLayout::MargemSuperior, 40,
         layout({30, 20, 40, 25, 0, 1, 160, 0, 0, 0})},
        {"column 1 narrower: column 2 takes the rest", comColunas(2), CampoLayout::Coluna1, 100,
         layout({30, 20, 30, 25, 15, 2, 100, 45, 0, 0})},
        {"column 1 too wide: column 2 keeps its minimum", comColunas(2), CampoLayout::Coluna1, 200,
         layout({30, 20, 30, 25, 15, 2, 114, 31, 0, 0})},
        {"wider gap shared by both columns", comColunas(2), CampoLayout::EspacoColunas, 20,
         layout({30, 20, 30, 25, 20, 2, 70, 70, 0, 0})},
        {"one column narrower: nothing else to grow", layoutDeFabrica(), CampoLayout::Coluna1, 100,
         layout({30, 20, 30, 25, 0, 1, 100, 0, 0, 0})},
        // The free millimetre and one more taken from three columns: -1/3 rounds toward
        // minus infinity, so the columns give 1 mm each rather than nothing.
        {"two more millimetres of margin", comColunas(3), CampoLayout::MargemEsquerda, 32,
         layout({32, 20, 30, 25, 15, 3, 42, 42, 42, 0})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        PageLayout l = c.antes;
        definirCampo(l, c.campo, c.valor, kA4);
        EXPECT_EQ(l, c.depois);
    }
}

TEST(PageLayout, PlusAndMinusRefuseValuesOutsideTheLimits) {
    PageLayout l = layoutDeFabrica();
    definirCampo(l, CampoLayout::MargemEsquerda, 10, kA4);
    EXPECT_FALSE(passoCampo(l, CampoLayout::MargemEsquerda, -1, kA4));
    EXPECT_EQ(l.margemEsquerda, 10);
    EXPECT_TRUE(passoCampo(l, CampoLayout::MargemEsquerda, +1, kA4));
    EXPECT_EQ(l, layout({11, 20, 30, 25, 0, 1, 179, 0, 0, 0}));

    PageLayout dois = comColunas(2);
    EXPECT_TRUE(passoCampo(dois, CampoLayout::Coluna2, -1, kA4));
    EXPECT_EQ(dois.coluna1, 74);  // the free millimetre and the one given up
    definirCampo(dois, CampoLayout::Coluna1, 31, kA4);
    EXPECT_FALSE(passoCampo(dois, CampoLayout::Coluna1, -1, kA4));
}

TEST(PageLayout, EditTextInCentimetres) {
    const struct {
        const char* texto;
        int milimetros;
    } casos[] = {
        {"1,25", 12},
        {"0,3", 3},
        {"0.3", 3},
        {"2", 20},
        {"2,", 20},
        {",5", 5},
        {"16,0", 160},
        {"0,7", 7},
        {"", 0},
        {",", 0},
        {"1,2,3", 0},
        {"x", 0},
        {"99999999999", 1000000},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(milimetrosDeTextoCm(c.texto), c.milimetros);
    }
    EXPECT_EQ(textoEditCm(55), "5,5");
    EXPECT_EQ(textoEditCm(5, '.'), "0.5");
    EXPECT_EQ(textoEditCm(160), "16,0");
    EXPECT_EQ(textoEditCm(0), "");
}

TEST(PageLayout, FittingAfterTurningThePaper) {
    const struct {
        const char* nome;
        PageLayout antes;
        const Papel& papel;
        PageLayout depois;
    } casos[] = {
        // 147 mm of landscape height may go to margins: 140 below leaves no room on top.
        {"portrait to landscape: top and bottom to 2/3",
         layout({30, 20, 60, 140, 0, 1, 160, 0, 0, 0}), kA4Deitado,
         layout({30, 20, 40, 93, 0, 1, 247, 0, 0, 0})},
        {"landscape to portrait: left and right to 2/3",
         layout({60, 140, 30, 25, 0, 1, 97, 0, 0, 0}), kA4,
         layout({40, 93, 30, 25, 0, 1, 77, 0, 0, 0})},
        {"margins that fit are kept, columns refilled", comColunas(2), kA4Deitado,
         layout({30, 20, 30, 25, 15, 2, 116, 116, 0, 0})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        PageLayout l = c.antes;
        girarPapel(l);
        ajustarAoPapel(l, c.papel);
        PageLayout esperado = c.depois;
        esperado.orientacao = c.antes.orientacao == 0 ? 1 : 0;
        EXPECT_EQ(l, esperado);
    }
}

TEST(PageLayout, PaperTooSmallForAnyMarginStillEnds) {
    const Papel minusculo{50, 50, 20, 20, 20, 20};
    PageLayout l = comColunas(3);
    ajustarAoPapel(l, minusculo);
    EXPECT_EQ(l.margemSuperior, 20);
    EXPECT_EQ(l.margemInferior, 20);
    EXPECT_EQ(l.margemEsquerda, 20);
    EXPECT_EQ(l.margemDireita, 20);
}

TEST(PageLayout, FieldsFromAnUncheckedSongFileDoNotOverflow) {
    PageLayout l = layout({2000000000, 2000000000, 2000000000, 2000000000, 2000000000, 7,
                           2000000000, -2000000000, 2000000000, 5});
    ajustarAoPapel(l, kA4);
    EXPECT_EQ(l.numColunas, 3);
    EXPECT_EQ(l.orientacao, 1);
    for (CampoLayout c : {CampoLayout::Coluna1, CampoLayout::Coluna2, CampoLayout::Coluna3}) {
        const Limites lim = limitesDe(l, c, kA4);
        EXPECT_GE(campo(l, c), std::min(lim.minimo, lim.maximo));
    }
}

}  // namespace
}  // namespace trovale
