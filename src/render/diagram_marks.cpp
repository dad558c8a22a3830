#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/appearance.h"
#include "render/diagram_geometry.h"

namespace trovale {

namespace {

using namespace diagrama;

// The two along pixels of a tiny dot: the middle ones, or the middle and its far neighbour.
FaixaPixels alongPontoPequeno(const MedidasDiagrama& m, int casa) {
    const int centro = centroAlong(m, casa);
    const int outro =
        m.Casa[casa].largura() % 2 == 0 ? centro - sentidoFim(m) : centro + sentidoFim(m);
    return {std::min(centro, outro), std::max(centro, outro)};
}

void pixel(QPainter& p, const MedidasDiagrama& m, int alongPx, int acrossPx, const QColor& cor) {
    p.fillRect(retangulo(m, alongPx, alongPx, acrossPx, acrossPx), cor);
}

// Replots the rim so that the disc is exactly symmetric, whatever the ellipse routine did.
void replotarContorno(QPainter& p, const MedidasDiagrama& m, int corda, int casa,
                      const QColor& cor) {
    const FaixaPixels& faixa = m.Corda[corda];
    const double cx = (faixa.inicio + faixa.fim) / 2.0;
    const double cy = centroAlong(m, casa);
    const double hx = m.Rp + (faixa.largura() % 2 == 1 ? 0.5 : 0.0);
    const double hy = m.Rp + (m.Casa[casa].largura() % 2 == 1 ? 0.5 : 0.0);
    const double a = hx - 1, b = hy - 1;
    for (int i = static_cast<int>(cx - a + 0.1); i <= static_cast<int>(cx); ++i) {
        const double t = cx - i + b - a;
        const double quadrado = b * b - t * t;
        if (quadrado < 0) continue;
        const double y = std::sqrt(quadrado);
        const int linhaA = static_cast<int>(cy + y + 0.5);
        const int linhaB = static_cast<int>(cy - y + 0.5);
        const int espelho = static_cast<int>(2 * cx - i + 0.1);
        for (int coluna : {i, espelho}) {
            pixel(p, m, linhaA, coluna, cor);
            pixel(p, m, linhaB, coluna, cor);
        }
    }
}

void disco(QPainter& p, const QRect& caixa, double raio, const QColor& cor) {
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRoundedRect(QRectF(caixa.x(), caixa.y(), caixa.width(), caixa.height()), raio, raio);
}

}  // namespace

void DesenharPonto(QPainter& p, const MedidasDiagrama& m, int corda, int casa, const QColor& cor) {
    if (corda < 1 || corda > kCordas || casa < 1 || casa > m.Casas) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (m.Rp >= 3) {
        const QRect caixa = caixaPonto(m, corda, casa);
        p.setPen(Qt::NoPen);
        p.setBrush(cor);
        p.drawEllipse(QRectF(caixa.x(), caixa.y(), caixa.width(), caixa.height()));
        if (cor == m.Frente) replotarContorno(p, m, corda, casa, cor);
    } else {
        const FaixaPixels a = alongPontoPequeno(m, casa);
        const FaixaPixels c = caixaCentrada(m.Corda[corda], 1);
        const int meio = c.inicio + (c.largura() - 1) / 2;
        p.fillRect(retangulo(m, a.inicio, a.fim, meio - 1, meio + 1), cor);
    }
    p.restore();
}

void DesenharPestana(QPainter& p, const MedidasDiagrama& m, int casa, int primeira, int ultima,
                     const QColor& cor, int meiaEspessura) {
    if (casa < 1 || casa > m.Casas || primeira < 1 || ultima > kCordas || ultima < 1) return;
    const int c0 = m.Corda[primeira].inicio, c1 = m.Corda[ultima].inicio;
    if (m.Rp >= 3) {
        const int centro = centroAlong(m, casa);
        const int meia = std::max(meiaEspessura, 1) - 1;
        p.fillRect(retangulo(m, centro - meia, centro + meia, c0, c1), cor);
    } else {
        const FaixaPixels a = alongPontoPequeno(m, casa);
        p.fillRect(retangulo(m, a.inicio, a.fim, c0, c1), cor);
    }
}

void DesenharSimbolo(QPainter& p, const MedidasDiagrama& m, int corda, int tipo,
                     const QColor& cor) {
    if (corda < 1 || corda > kCordas) return;
    const QRect caixa = caixaSimbolo(m, corda);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(caixa, m.Fundo);
    const double raio = m.Rt < 3 ? 1 : m.Rt;
    if (cor == m.Fundo) {
        // An empty place the editor can still click: a dotted focus frame.
        QPen pontilhado(QColor(255 - m.Fundo.red(), 255 - m.Fundo.green(), 255 - m.Fundo.blue()));
        pontilhado.setStyle(Qt::DotLine);
        p.setPen(pontilhado);
        p.setBrush(Qt::NoBrush);
        p.drawRect(caixa.adjusted(0, 0, -1, -1));
    } else if (tipo == kCordaBaixo) {
        disco(p, caixa, raio, cor);
    } else if (tipo == kCordaTocada) {
        disco(p, caixa, raio, cor);
        const QRect dentro = caixa.adjusted(m.Wl, m.Wl, -m.Wl, -m.Wl);
        if (dentro.isValid()) disco(p, dentro, std::max(1.0, raio - m.Wl), m.Fundo);
    } else if (tipo == kCordaMuda) {
        p.setClipRect(caixa);
        p.setPen(QPen(cor, 1));
        const int espessura = m.Wl == 1 ? 0 : m.Wl - 1;
        for (int k = -espessura; k <= espessura; ++k) {
            p.drawLine(caixa.left() + k, caixa.top(), caixa.right() + k, caixa.bottom());
            p.drawLine(caixa.left() + k, caixa.bottom(), caixa.right() + k, caixa.top());
        }
    }
    p.restore();
}

void DesenharDigitacao(QPainter& p, const MedidasDiagrama& m, const TDigitacao& digitacao) {
    for (const Pestana& pestana : digitacao.Pestanas) {
        if (pestana.vazia() || pestana.Traste == 0) continue;
        DesenharPestana(p, m, pestana.Traste, pestana.CordaInicial, pestana.CordaFinal, kCorPestana,
                        m.Wp);
        const int de = std::min(pestana.CordaInicial, pestana.CordaFinal);
        const int ate = std::max(pestana.CordaInicial, pestana.CordaFinal);
        for (int corda = de; corda <= ate; ++corda)
            DesenharPonto(p, m, corda, pestana.Traste, m.Frente);
    }
    for (const NotaDedo& nota : digitacao.Notas)
        if (nota.Corda != 0) DesenharPonto(p, m, nota.Corda, nota.Traste, m.Frente);
    for (int corda = 1; corda <= kCordas; ++corda)
        if (digitacao.estado(corda) != 3)
            DesenharSimbolo(p, m, corda, digitacao.estado(corda), m.Frente);
}

}  // namespace trovale
