#include <gtest/gtest.h>

#include "render/printer_metrics.h"

namespace trovale {
namespace {

TEST(PageMetrics, WithoutAPrinterThePageIsA4At180Dpi) {
    const PageMetrics retrato = metricasSemImpressora(false);
    EXPECT_DOUBLE_EQ(retrato.pixelsPorMmX, 7.0866);
    EXPECT_EQ(retrato.larguraFisica, 1488);
    EXPECT_EQ(retrato.alturaFisica, 2104);
    EXPECT_EQ(retrato.larguraPapelMm, 210);
    EXPECT_EQ(retrato.alturaPapelMm, 297);
    EXPECT_EQ(retrato.larguraImprimivel, 1346);   // 190 mm
    EXPECT_EQ(retrato.alturaImprimivel, 1927);    // 272 mm
    EXPECT_EQ(retrato.margemMinimaEsquerda, 10);  // 70 pixels are 9.9 mm
    EXPECT_EQ(retrato.margemMinimaSuperior, 10);
    EXPECT_EQ(retrato.margemMinimaDireita, 11);   // 1488 - 1346 - 70 = 72 pixels
    EXPECT_EQ(retrato.margemMinimaInferior, 16);  // 2104 - 1927 - 70 = 107 pixels
    const PageMetrics paisagem = metricasSemImpressora(true);
    EXPECT_EQ(paisagem.larguraFisica, 2104);
    EXPECT_EQ(paisagem.alturaFisica, 1488);
    EXPECT_EQ(paisagem.larguraPapelMm, 297);
    EXPECT_EQ(paisagem.larguraImprimivel, 1962);  // 277 mm
    EXPECT_EQ(paisagem.alturaImprimivel, 1311);   // 185 mm
}

TEST(PageMetrics, MissingPrinterFiguresAreFilledIn) {
    DadosImpressora d;
    d.dpiX = d.dpiY = 254;  // 10 pixels per millimetre
    d.larguraImprimivelMm = 200;
    d.alturaImprimivelMm = 287;
    const PageMetrics m = metricasDe(d);
    EXPECT_EQ(m.deslocamentoX, 65);  // no offset reported: 6.5 mm
    EXPECT_EQ(m.larguraFisica, 2000 + 130);
    EXPECT_EQ(m.alturaFisica, 2870 + 130);
    EXPECT_EQ(m.larguraPapelMm, 213);
    EXPECT_EQ(m.margemMinimaEsquerda, 7);
    EXPECT_EQ(m.margemMinimaDireita, 7);
}

TEST(PageMetrics, CurrentPrinterOrFallbackGivesAUsablePage) {
    const PageMetrics m = metricasDaImpressoraAtual(false);
    EXPECT_GT(m.pixelsPorMmX, 0);
    EXPECT_GT(m.larguraImprimivel, 0);
    EXPECT_LE(m.larguraImprimivel, m.larguraFisica);
    if (!existeImpressora()) {
        EXPECT_EQ(m, metricasSemImpressora(false));
    }
}

}  // namespace
}  // namespace trovale
