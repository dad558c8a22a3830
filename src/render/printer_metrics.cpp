#include "render/printer_metrics.h"

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

namespace {

// A page in printer pixels, with its paper size and minimum margins in millimetres.
PageMetrics metricasDaPagina(const PaginaImpressora& p) {
    PageMetrics m;
    m.pixelsPorMmX = p.pxPorMmX;
    m.pixelsPorMmY = p.pxPorMmY;
    m.larguraFisica = p.larguraFisica;
    m.alturaFisica = p.alturaFisica;
    m.larguraImprimivel = p.larguraImprimivel;
    m.alturaImprimivel = p.alturaImprimivel;
    m.deslocamentoX = p.deslocamentoX;
    m.deslocamentoY = p.deslocamentoY;
    const Papel papel = papelDaPagina(p);
    m.larguraPapelMm = papel.largura;
    m.alturaPapelMm = papel.altura;
    m.margemMinimaEsquerda = papel.minEsquerda;
    m.margemMinimaSuperior = papel.minSuperior;
    m.margemMinimaDireita = papel.minDireita;
    m.margemMinimaInferior = papel.minInferior;
    return m;
}

}  // namespace

Papel papelDasMetricas(const PageMetrics& m) {
    return {m.larguraPapelMm,        m.alturaPapelMm,         m.margemMinimaEsquerda,
            m.margemMinimaDireita,   m.margemMinimaSuperior,  m.margemMinimaInferior};
}

PageMetrics metricasDe(const DadosImpressora& d) {
    PaginaImpressora p;
    p.pxPorMmX = d.dpiX / kMmPorPolegada;
    p.pxPorMmY = d.dpiY / kMmPorPolegada;
    p.larguraImprimivel = static_cast<int>(d.larguraImprimivelMm * p.pxPorMmX);
    p.alturaImprimivel = static_cast<int>(d.alturaImprimivelMm * p.pxPorMmY);
    p.deslocamentoX = d.deslocamentoX != 0 ? d.deslocamentoX
                                           : static_cast<int>(kDeslocamentoPadraoMm * p.pxPorMmX);
    p.deslocamentoY = d.deslocamentoY != 0 ? d.deslocamentoY
                                           : static_cast<int>(kDeslocamentoPadraoMm * p.pxPorMmY);
    p.larguraFisica =
        d.larguraFisica != 0 ? d.larguraFisica : p.larguraImprimivel + 2 * p.deslocamentoX;
    p.alturaFisica =
        d.alturaFisica != 0 ? d.alturaFisica : p.alturaImprimivel + 2 * p.deslocamentoY;
    return metricasDaPagina(p);
}

PageMetrics metricasSemImpressora(bool paisagem) {
    return metricasDaPagina(paginaSemImpressora(paisagem ? 1 : 0));
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
