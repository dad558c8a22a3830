#include "render/page_metrics.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "settings/paper.h"

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;
constexpr double kDeslocamentoPadraoMm = 6.5;

}  // namespace

PageMetrics metricasDe(const DadosImpressora& d) {
    PageMetrics m;
    m.pixelsPorMmX = d.dpiX / kMmPorPolegada;
    m.pixelsPorMmY = d.dpiY / kMmPorPolegada;
    m.larguraImprimivel = static_cast<int>(d.larguraImprimivelMm * m.pixelsPorMmX);
    m.alturaImprimivel = static_cast<int>(d.alturaImprimivelMm * m.pixelsPorMmY);
    m.deslocamentoX = d.deslocamentoX != 0
                          ? d.deslocamentoX
                          : static_cast<int>(kDeslocamentoPadraoMm * m.pixelsPorMmX);
    m.deslocamentoY = d.deslocamentoY != 0
                          ? d.deslocamentoY
                          : static_cast<int>(kDeslocamentoPadraoMm * m.pixelsPorMmY);
    m.larguraFisica =
        d.larguraFisica != 0 ? d.larguraFisica : m.larguraImprimivel + 2 * m.deslocamentoX;
    m.alturaFisica =
        d.alturaFisica != 0 ? d.alturaFisica : m.alturaImprimivel + 2 * m.deslocamentoY;
    const Papel papel =
        papelDaPagina({m.pixelsPorMmX, m.pixelsPorMmY, m.larguraFisica, m.alturaFisica,
                       m.larguraImprimivel, m.alturaImprimivel, m.deslocamentoX, m.deslocamentoY});
    m.larguraPapelMm = papel.largura;
    m.alturaPapelMm = papel.altura;
    m.margemMinimaEsquerda = papel.minEsquerda;
    m.margemMinimaSuperior = papel.minSuperior;
    m.margemMinimaDireita = papel.minDireita;
    m.margemMinimaInferior = papel.minInferior;
    return m;
}

PageMetrics metricasSemImpressora(bool paisagem) {
    DadosImpressora d;
    d.dpiX = d.dpiY = 180;
    d.larguraFisica = paisagem ? 2104 : 1488;
    d.alturaFisica = paisagem ? 1488 : 2104;
    d.larguraImprimivelMm = paisagem ? 277 : 190;
    d.alturaImprimivelMm = paisagem ? 185 : 272;
    d.deslocamentoX = d.deslocamentoY = 70;
    PageMetrics m = metricasDe(d);
    // The fallback page is given at 7.0866 pixels per millimetre exactly.
    m.pixelsPorMmX = m.pixelsPorMmY = 7.0866;
    return m;
}

PageMetrics metricasDaImpressora(QPrinter& impressora, bool paisagem) {
    impressora.setPageOrientation(paisagem ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPageLayout layout = impressora.pageLayout();
    const int dpi = impressora.resolution();
    const QRect fisica = layout.fullRectPixels(dpi);
    const QRect imprimivel = layout.paintRectPixels(dpi);
    const QRectF imprimivelMm = layout.paintRect(QPageLayout::Millimeter);
    DadosImpressora d;
    d.dpiX = impressora.logicalDpiX();
    d.dpiY = impressora.logicalDpiY();
    d.larguraFisica = fisica.width();
    d.alturaFisica = fisica.height();
    d.larguraImprimivelMm = imprimivelMm.width();
    d.alturaImprimivelMm = imprimivelMm.height();
    d.deslocamentoX = imprimivel.left() - fisica.left();
    d.deslocamentoY = imprimivel.top() - fisica.top();
    return metricasDe(d);
}

bool existeImpressora() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

PageMetrics metricasDaImpressoraAtual(bool paisagem) {
    if (!existeImpressora()) return metricasSemImpressora(paisagem);
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) info = QPrinterInfo::availablePrinters().first();
    QPrinter impressora(info, QPrinter::HighResolution);
    return metricasDaImpressora(impressora, paisagem);
}

}  // namespace trovale
