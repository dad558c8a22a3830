// The paper the layout works on: the page without a printer, minimum margins, paper names.

#include "settings/paper.h"

#include <gtest/gtest.h>

namespace trovale {
namespace {

TEST(Papel, PageWithoutPrinterIsA4At180Dpi) {
    const Papel retrato = papelDaPagina(paginaSemImpressora(0));
    EXPECT_EQ(retrato, (Papel{210, 297, 10, 11, 10, 16}));
    const Papel paisagem = papelDaPagina(paginaSemImpressora(1));
    EXPECT_EQ(paisagem, (Papel{297, 210, 10, 11, 10, 16}));
    EXPECT_EQ(paginaSemImpressora(1).larguraFisica, 2104);
    EXPECT_EQ(paginaSemImpressora(0).larguraImprimivel, 1346);  // 190 mm, truncated
}

TEST(Papel, MinimumMarginsAreTheUnprintableStripsPlusOne) {
    // 600 dpi Letter with a quarter inch all round: 150 px = 6.35 mm.
    PaginaImpressora p;
    p.pxPorMmX = p.pxPorMmY = 600 / 25.4;
    p.larguraFisica = 5100;
    p.alturaFisica = 6600;
    p.larguraImprimivel = 4800;
    p.alturaImprimivel = 6200;
    p.deslocamentoX = 150;
    p.deslocamentoY = 100;
    EXPECT_EQ(papelDaPagina(p), (Papel{216, 279, 7, 7, 5, 13}));
}

TEST(Papel, NamesBySize) {
    const struct {
        int w, h;
        const char* nome;
    } casos[] = {
        {148, 210, " (A5)"}, {216, 279, " (Carta)"}, {279, 216, " (Carta)"}, {210, 297, " (A4)"},
        {297, 210, " (A4)"}, {210, 296, " (A4)"},    {216, 356, " (Legal)"}, {297, 420, " (A3)"},
        {420, 594, " (A2)"}, {594, 841, " (A1)"},    {841, 1189, ""},        {100, 100, ""},
        {0, 0, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        EXPECT_EQ(nomePapel(c.w, c.h), c.nome);
    }
}

}  // namespace
}  // namespace trovale
