#include "ui/common/tool_icons.h"

#include <QPainter>
#include <QPixmap>

namespace trovale {

namespace {

const QColor kTraco(0x44, 0x44, 0x44);
const QColor kAzul(0x1E, 0x5A, 0xA8);
const QColor kVermelho(0xC6, 0x28, 0x28);
const QColor kVerde(0x2E, 0x7D, 0x32);

void desenharFolha(QPainter& p) {
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {QPointF(5, 2), QPointF(15, 2), QPointF(20, 7), QPointF(20, 22), QPointF(5, 22)}));
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 2.2));
    p.drawLine(QPointF(12.5, 11), QPointF(12.5, 19));
    p.drawLine(QPointF(8.5, 15), QPointF(16.5, 15));
}

void desenharPasta(QPainter& p) {
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x00), 1.2));
    p.setBrush(QColor(0xF2, 0xC1, 0x4E));
    p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(20, 7),
                             QPointF(20, 20), QPointF(2, 20)}));
    p.setBrush(QColor(0xFA, 0xD9, 0x7A));
    p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(23, 10), QPointF(20, 20), QPointF(2, 20)}));
}

void desenharAcorde(QPainter& p) {
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
    for (int corda = 0; corda < 6; ++corda)
        p.drawLine(QPointF(4.5 + corda * 3, 4), QPointF(4.5 + corda * 3, 21));
    for (int casa = 0; casa < 5; ++casa)
        p.drawLine(QPointF(4.5, 4 + casa * 4.25), QPointF(19.5, 4 + casa * 4.25));
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 2.2));
    p.drawLine(QPointF(4.5, 4), QPointF(19.5, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0x3A, 0x2E));
    for (const auto& [corda, casa] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{4, 1}})
        p.drawEllipse(QPointF(4.5 + corda * 3, 4 + (casa - 0.5) * 4.25), 1.9, 1.9);
}

void desenharDisquete(QPainter& p, bool modificado) {
    p.setPen(QPen(kTraco, 1.2));
    p.setBrush(kAzul);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(0xDD, 0xDD, 0xDD));
    p.drawRect(QRectF(6, 14, 12, 7));
    if (!modificado) return;
    // A red star: there are changes to save.
    p.setPen(Qt::NoPen);
    p.setBrush(kVermelho);
    p.drawEllipse(QPointF(19, 5), 4.5, 4.5);
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(19, 2.5), QPointF(19, 7.5));
    p.drawLine(QPointF(16.5, 5), QPointF(21.5, 5));
}

void desenharModelo(QPainter& p) {
    desenharFolha(p);
    p.setPen(Qt::NoPen);
    const QColor cores[] = {kVermelho, kAzul, kVerde};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(cores[i]);
        p.drawRect(QRectF(7.5, 9.5 + 4 * i, 4 + 3 * (i % 2), 2.4));
    }
}

void desenharLinhas(QPainter& p) {
    p.setPen(QPen(kTraco, 1.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(3, 5 + 5 * i), QPointF(14, 5 + 5 * i));
    p.setPen(QPen(kAzul, 2));
    p.drawLine(QPointF(19, 4), QPointF(19, 20));
    p.drawPolyline(QPolygonF({QPointF(16, 7), QPointF(19, 4), QPointF(22, 7)}));
    p.drawPolyline(QPolygonF({QPointF(16, 17), QPointF(19, 20), QPointF(22, 17)}));
}

void desenharVisualizar(QPainter& p) {
    desenharFolha(p);
    p.setPen(QPen(kTraco, 2));
    p.setBrush(QColor(0xCF, 0xE8, 0xFF));
    p.drawEllipse(QPointF(11, 13), 5, 5);
    p.drawLine(QPointF(14.5, 16.5), QPointF(20, 22));
}

void desenharImpressora(QPainter& p) {
    p.setPen(QPen(kTraco, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2, 10, 8));
    p.setBrush(QColor(0x9E, 0x9E, 0x9E));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 15, 10, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(kVerde);
    p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
}

// A page with a folded corner and the letters of the format.
void desenharPdf(QPainter& p) {
    p.setPen(QPen(kTraco, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(5, 2), QPointF(15, 2), QPointF(20, 7), QPointF(20, 22),
                             QPointF(5, 22)}));
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawRect(QRectF(2, 11, 16, 8));
    QFont fonte = p.font();
    fonte.setPixelSize(7);
    fonte.setBold(true);
    p.setFont(fonte);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 11, 16, 8), Qt::AlignCenter, QStringLiteral("PDF"));
}

void desenharLapis(QPainter& p) {
    p.setPen(QPen(kTraco, 1.4));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(3, 5 + 4 * i), QPointF(12 - 2 * (i % 2), 5 + 4 * i));
    p.translate(17, 13);
    p.rotate(45);
    p.setBrush(QColor(0xF2, 0xC1, 0x4E));
    p.drawRect(QRectF(-2.5, -9, 5, 13));
    p.setBrush(QColor(0xF4, 0xE6, 0xC8));
    p.drawPolygon(QPolygonF({QPointF(-2.5, 4), QPointF(2.5, 4), QPointF(0, 9)}));
}

void desenharTom(QPainter& p) {
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    fonte.setBold(true);
    p.setFont(fonte);
    p.setPen(kAzul);
    p.drawText(QRectF(0, 0, 12, 12), Qt::AlignCenter, QStringLiteral("C"));
    p.setPen(kVermelho);
    p.drawText(QRectF(12, 12, 12, 12), Qt::AlignCenter, QStringLiteral("D"));
    p.setPen(QPen(kTraco, 1.6));
    p.drawLine(QPointF(8, 16), QPointF(12, 12));
    p.drawPolyline(QPolygonF({QPointF(12, 15.5), QPointF(12, 12), QPointF(8.5, 12)}));
}

void desenharLixo(QPainter& p) {
    p.setPen(QPen(kTraco, 1.3));
    p.setBrush(QColor(0xB0, 0xBE, 0xC5));
    p.drawPolygon(QPolygonF({QPointF(6, 7), QPointF(18, 7), QPointF(17, 22), QPointF(7, 22)}));
    p.drawRect(QRectF(4, 4.5, 16, 2.5));
    p.drawRect(QRectF(10, 2.5, 4, 2));
    for (qreal x : {9.5, 12.0, 14.5}) p.drawLine(QPointF(x, 10), QPointF(x, 19.5));
}

void desenharLupa(QPainter& p) {
    p.setPen(QPen(kTraco, 2.2));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(QPen(kTraco, 1.4));
    p.setBrush(QColor(0xCF, 0xE8, 0xFF));
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(QPen(kTraco, 0.8));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(7 + 3 * i, 6), QPointF(7 + 3 * i, 14));
    p.drawLine(QPointF(6, 8.5), QPointF(14, 8.5));
}

void desenhar(QPainter& p, IconeFerramenta qual) {
    switch (qual) {
        case IconeFerramenta::Novo: desenharFolha(p); break;
        case IconeFerramenta::Abrir: desenharPasta(p); break;
        case IconeFerramenta::Acorde: desenharAcorde(p); break;
        case IconeFerramenta::Salvar: desenharDisquete(p, false); break;
        case IconeFerramenta::SalvarModificado: desenharDisquete(p, true); break;
        case IconeFerramenta::Modelo: desenharModelo(p); break;
        case IconeFerramenta::Linhas: desenharLinhas(p); break;
        case IconeFerramenta::Visualizar: desenharVisualizar(p); break;
        case IconeFerramenta::Imprimir: desenharImpressora(p); break;
        case IconeFerramenta::Pdf: desenharPdf(p); break;
        case IconeFerramenta::Editar: desenharLapis(p); break;
        case IconeFerramenta::Tom: desenharTom(p); break;
        case IconeFerramenta::Lixo: desenharLixo(p); break;
        case IconeFerramenta::Lupa: desenharLupa(p); break;
    }
}

}  // namespace

QIcon iconeFerramenta(IconeFerramenta qual) {
    QIcon icone;
    for (qreal escala : {1.0, 2.0}) {
        QPixmap pixmap(QSize(24, 24) * escala);
        pixmap.setDevicePixelRatio(escala);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        desenhar(p, qual);
        icone.addPixmap(pixmap);
    }
    return icone;
}

}  // namespace trovale
