#include "render/diagram_image.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "drawing/diagram_fit.h"

namespace trovale {

namespace {

constexpr int kPontosPorMetro96Dpi = 3780;

QFont fonteRotulo(int largura) {
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(std::max(9, largura / 7));
    return fonte;
}

}  // namespace

QImage imagemDiagrama(const Aparencia& aparencia, const TDigitacao& digitacao, int largura) {
    largura = std::max(largura, 12);
    const int comprimento = aparencia.casas() == 5 ? largura * 6 / 5 : largura;
    const bool vertical = aparencia.Orientacao != kOrientacaoHorizontal;
    const int W = vertical ? largura : comprimento;
    const int H = vertical ? comprimento : largura;
    const int margem = std::max(2, largura / 12);
    const QFont fonte = fonteRotulo(largura);
    const QFontMetrics metricas(fonte);
    // Room for a two-digit label on its side, whether or not this fingering needs one.
    const int ladoRotulo =
        vertical ? W / 200 + metricas.horizontalAdvance(QStringLiteral("12")) + 4 : 0;
    const int topoRotulo = vertical ? 0 : metricas.height();

    QImage imagem(margem + W + ladoRotulo + margem, margem + topoRotulo + H + margem,
                  QImage::Format_RGB32);
    imagem.setDotsPerMeterX(kPontosPorMetro96Dpi);
    imagem.setDotsPerMeterY(kPontosPorMetro96Dpi);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setBrush(Qt::white);
    p.setFont(fonte);
    MedidasDiagrama medidas;
    const DiagramaInteiro inteiro = diagramaInteiro(aparencia, digitacao);
    DesenharBraco(p, inteiro.aparencia, medidas, margem, margem + topoRotulo, W, H);
    DesenharDigitacao(p, medidas, inteiro.digitacao);
    DesenharRotuloCasa(p, medidas, inteiro.digitacao.Casa);
    return imagem;
}

}  // namespace trovale
