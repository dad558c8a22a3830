#include "ui/common/code_diagram.h"

#include <QImage>
#include <QPainter>
#include <QPaintDevice>
#include <algorithm>

#include "catalogue/fingering.h"
#include "render/diagram_image.h"

namespace trovale {

namespace {

const QColor kVermelho(200, 0, 0);

void pintarInterrogacao(QPainter& p, const QRect& caixa) {
    QFont interrogacao(QStringLiteral("Arial"));
    interrogacao.setBold(true);
    interrogacao.setPixelSize(std::max(8, std::min(caixa.width(), caixa.height()) / 2));
    p.setFont(interrogacao);
    p.setPen(kVermelho);
    p.drawText(caixa, Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

void pintarDiagramaDoCodigo(QPainter& p, const QRect& caixa, const Aparencia& aparencia,
                            const std::string& codigo) {
    const auto gravada = digitacaoDoTexto(codigo);
    if (!gravada) {
        pintarInterrogacao(p, caixa);
        return;
    }
    const TDigitacao digitacao = Decodificar(*gravada);
    const double escala = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QRect area = caixa.adjusted(6, 6, -6, -6);
    // The picture's size follows its width with a fixed share for margins and label: one try
    // gives the proportion, the second fits.
    int largura = std::min(area.width(), area.height());
    QImage imagem;
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        imagem = imagemDiagrama(aparencia, digitacao, static_cast<int>(largura * escala));
        const double w = imagem.width() / escala, h = imagem.height() / escala;
        const double reduzir = std::min(area.width() / w, area.height() / h);
        if (reduzir >= 1.0) break;
        largura = std::max(12, static_cast<int>(largura * reduzir));
    }
    imagem.setDevicePixelRatio(escala);
    const QSizeF tamanho = imagem.deviceIndependentSize();
    const QSizeF cabe = tamanho.scaled(area.size(), Qt::KeepAspectRatio);
    const QSizeF final =
        tamanho.width() <= area.width() && tamanho.height() <= area.height() ? tamanho : cabe;
    const QRectF destino(area.left() + (area.width() - final.width()) / 2,
                         area.top() + (area.height() - final.height()) / 2, final.width(),
                         final.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(destino, imagem);
}

}  // namespace trovale
