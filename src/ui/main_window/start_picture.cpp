#include "ui/main_window/start_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace trovale {

namespace {

// The guitar is drawn lying along the x axis: the tail at x = -200, the body's joint with
// the neck at 150, the nut at 420 and the end of the headstock at 500.
constexpr qreal kCavalete = -120;  // saddle
constexpr qreal kPestana = 420;    // nut
constexpr qreal kEscala = kPestana - kCavalete;

const QColor kMadeiraClara(0xE9, 0xAE, 0x52);
const QColor kMadeiraEscura(0xA8, 0x58, 0x18);
const QColor kContorno(0x4A, 0x24, 0x0A);
const QColor kJacaranda(0x3A, 0x20, 0x14);
const QColor kCreme(0xF4, 0xE6, 0xC8);
const QColor kTraste(0xCF, 0xCF, 0xCA);

QPainterPath contornoCorpo() {
    QPainterPath p(QPointF(-200, 0));
    p.cubicTo(-200, -55, -160, -98, -100, -98);
    p.cubicTo(-45, -98, -25, -60, 10, -60);
    p.cubicTo(40, -60, 55, -80, 95, -80);
    p.cubicTo(135, -80, 160, -50, 160, 0);
    p.cubicTo(160, 50, 135, 80, 95, 80);
    p.cubicTo(55, 80, 40, 60, 10, 60);
    p.cubicTo(-25, 60, -45, 98, -100, 98);
    p.cubicTo(-160, 98, -200, 55, -200, 0);
    return p;
}

void desenharCorpo(QPainter& p) {
    const QPainterPath corpo = contornoCorpo();
    QRadialGradient tampo(QPointF(-40, -30), 230);
    tampo.setColorAt(0, kMadeiraClara);
    tampo.setColorAt(1, kMadeiraEscura);
    p.setPen(QPen(kContorno, 5));
    p.setBrush(tampo);
    p.drawPath(corpo);
    p.save();
    p.scale(0.955, 0.94);
    p.setPen(QPen(kCreme, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(corpo);
    p.restore();
}

void desenharBocaECavalete(QPainter& p) {
    const QPointF centro(40, 0);
    p.setBrush(Qt::NoBrush);
    for (const auto& [raio, cor, largura] :
         {std::tuple{41.0, kContorno, 2.5}, std::tuple{37.5, kCreme, 2.0},
          std::tuple{34.5, kContorno, 1.5}}) {
        p.setPen(QPen(cor, largura));
        p.drawEllipse(centro, raio, raio);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1A, 0x0D, 0x05));
    p.drawEllipse(centro, 31, 31);
    p.setBrush(kJacaranda);
    p.drawRoundedRect(QRectF(kCavalete - 12, -40, 22, 80), 5, 5);
    p.setPen(QPen(kCreme, 2.5));
    p.drawLine(QPointF(kCavalete, -30), QPointF(kCavalete, 30));
}

// Fret n sits where the string is shortened by a twelfth root of two per fret.
qreal posicaoTraste(int n) {
    return kPestana - kEscala * (1 - std::pow(2.0, -n / 12.0));
}

void desenharBraco(QPainter& p) {
    QPolygonF braco(
        {QPointF(150, -17), QPointF(kPestana, -13), QPointF(kPestana, 13), QPointF(150, 17)});
    p.setPen(QPen(kContorno, 2));
    p.setBrush(kJacaranda);
    p.drawPolygon(braco);
    p.setPen(QPen(kTraste, 2));
    for (int n = 1; n <= 12; ++n) {
        const qreal x = posicaoTraste(n);
        const qreal meia = 13 + 4 * (kPestana - x) / (kPestana - 150);
        p.drawLine(QPointF(x, -meia), QPointF(x, meia));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kCreme);
    for (int n : {3, 5, 7, 9}) {
        const qreal x = (posicaoTraste(n) + posicaoTraste(n - 1)) / 2;
        p.drawEllipse(QPointF(x, 0), 3, 3);
    }
    const qreal x12 = (posicaoTraste(12) + posicaoTraste(11)) / 2;
    p.drawEllipse(QPointF(x12, -7), 3, 3);
    p.drawEllipse(QPointF(x12, 7), 3, 3);
}

void desenharMao(QPainter& p) {
    QPainterPath mao(QPointF(kPestana, -14));
    mao.lineTo(505, -22);
    mao.quadTo(512, 0, 505, 22);
    mao.lineTo(kPestana, 14);
    mao.closeSubpath();
    p.setPen(QPen(kContorno, 2));
    p.setBrush(kJacaranda.darker(120));
    p.drawPath(mao);
    p.setBrush(kTraste);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 445 + i * 22;
        p.drawEllipse(QPointF(x, -25), 5, 4);
        p.drawEllipse(QPointF(x, 25), 5, 4);
    }
    p.setPen(QPen(kCreme, 4));
    p.drawLine(QPointF(kPestana, -13), QPointF(kPestana, 13));
}

void desenharCordas(QPainter& p) {
    for (int corda = 0; corda < 6; ++corda) {
        const qreal desvio = corda - 2.5;
        const qreal noPe = desvio * 4.4;
        const qreal naPestana = desvio * 3.2;
        const qreal naTarraxa = desvio < 0 ? -20 : 20;
        const qreal xTarraxa = 445 + (corda < 3 ? corda : 5 - corda) * 22;
        p.setPen(QPen(QColor(0xE8, 0xE2, 0xD0), 0.5 + 0.22 * corda));
        p.drawPolyline(QPolygonF({QPointF(kCavalete, noPe), QPointF(kPestana, naPestana),
                                  QPointF(xTarraxa, naTarraxa)}));
    }
}

void desenharViolao(QPainter& p) {
    desenharCorpo(p);
    desenharBocaECavalete(p);
    desenharBraco(p);
    desenharMao(p);
    desenharCordas(p);
}

void desenharPalco(QPainter& p, const QRectF& area) {
    QRadialGradient luz(QPointF(area.width() * 0.45, area.height() * 0.4), area.width() * 0.7);
    luz.setColorAt(0, QColor(0x6B, 0x3A, 0x22));
    luz.setColorAt(1, QColor(0x1E, 0x10, 0x0A));
    p.fillRect(area, luz);
}

void desenharTitulo(QPainter& p) {
    QFont titulo(QStringLiteral("Liberation Serif"));
    titulo.setPixelSize(76);
    titulo.setItalic(true);
    titulo.setBold(true);
    p.setFont(titulo);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(QPointF(37, 107), QStringLiteral("Trovale"));
    p.setPen(kCreme);
    p.drawText(QPointF(34, 104), QStringLiteral("Trovale"));

    QFont subtitulo(QStringLiteral("Liberation Sans"));
    subtitulo.setPixelSize(19);
    p.setFont(subtitulo);
    p.setPen(kMadeiraClara);
    p.drawText(QPointF(40, 138), QStringLiteral("cifras e acordes para violão"));
}

// An open C major, as the program draws fingerings: strings upright, frets across.
void desenharDiagrama(QPainter& p, QPointF origem) {
    constexpr qreal passo = 14;
    p.setPen(QPen(kCreme, 1.4));
    for (int corda = 0; corda < 6; ++corda)
        p.drawLine(origem + QPointF(corda * passo, 0), origem + QPointF(corda * passo, 4 * passo));
    for (int casa = 0; casa <= 4; ++casa)
        p.drawLine(origem + QPointF(0, casa * passo), origem + QPointF(5 * passo, casa * passo));
    p.setPen(QPen(kCreme, 4));
    p.drawLine(origem, origem + QPointF(5 * passo, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kMadeiraClara);
    // strings from the low E (left): x 3 2 0 1 0
    for (const auto& [corda, casa] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{4, 1}})
        p.drawEllipse(origem + QPointF(corda * passo, (casa - 0.5) * passo), 5, 5);
    p.setPen(QPen(kCreme, 1.4));
    p.setBrush(Qt::NoBrush);
    const QPointF x = origem + QPointF(0, -9);
    p.drawLine(x + QPointF(-4, -4), x + QPointF(4, 4));
    p.drawLine(x + QPointF(-4, 4), x + QPointF(4, -4));
    for (int corda : {3, 5}) p.drawEllipse(origem + QPointF(corda * passo, -9), 4, 4);
    QFont nome(QStringLiteral("Liberation Sans"));
    nome.setPixelSize(22);
    nome.setBold(true);
    p.setFont(nome);
    p.setPen(kCreme);
    p.drawText(QRectF(origem.x(), origem.y() - 50, 5 * passo, 28), Qt::AlignCenter,
               QStringLiteral("C"));
}

QPixmap pixmapVazio(QSize tamanho, qreal escala) {
    QPixmap pixmap(tamanho * escala);
    pixmap.setDevicePixelRatio(escala);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QPixmap desenharFiguraInicial(qreal escala) {
    QPixmap pixmap = pixmapVazio(kTamanhoFiguraInicial, escala);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), kTamanhoFiguraInicial);
    desenharPalco(p, area);
    desenharTitulo(p);
    desenharDiagrama(p, QPointF(470, 235));
    // From the tail at the lower left to the headstock at the upper right.
    p.save();
    p.translate(224, 268);
    p.rotate(-25);
    p.scale(0.74, 0.74);
    desenharViolao(p);
    p.restore();
    p.setPen(QPen(QColor(0xE9, 0xAE, 0x52, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(1, 1, -1, -1));
    return pixmap;
}

// The same drawing as the desktop's icon file: the guitar across a rounded stage.
QIcon iconePrograma() {
    QIcon icone;
    for (int lado : {16, 32, 48, 64, 128}) {
        QPixmap pixmap = pixmapVazio(QSize(lado, lado), 1.0);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(lado / 128.0, lado / 128.0);
        const QRectF palco(4, 4, 120, 120);
        QPainterPath cantos;
        cantos.addRoundedRect(palco, 22, 22);
        p.setClipPath(cantos);
        desenharPalco(p, palco);
        p.setClipping(false);
        p.translate(64, 64);
        p.rotate(-45);
        p.scale(0.19, 0.19);
        p.translate(-130, 0);
        desenharViolao(p);
        icone.addPixmap(pixmap);
    }
    return icone;
}

}  // namespace trovale
