#include "render/qt_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>

#include "render/qt_text.h"

namespace trovale {

namespace {

QString qtexto(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFontMetrics metricasDe(const QPainter& p) {
    return p.device() ? QFontMetrics(p.font(), p.device()) : QFontMetrics(p.font());
}

}  // namespace

QColor qcor(Cor cor) {
    return QColor(cor.r, cor.g, cor.b);
}

Cor corDe(const QColor& cor) {
    return {static_cast<std::uint8_t>(cor.red()), static_cast<std::uint8_t>(cor.green()),
            static_cast<std::uint8_t>(cor.blue())};
}

QRect qrect(const Retangulo& r) {
    return QRect(r.x, r.y, r.largura, r.altura);
}

Retangulo retanguloDe(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QFont qfonte(const FonteTela& f) {
    QFont q(qs(f.nome));
    if (f.pontos > 0)
        q.setPointSize(f.pontos);
    else
        q.setPixelSize(std::max(1, f.pixels));
    q.setBold(f.negrito);
    q.setItalic(f.italico);
    if (!f.ajustarPares) {
        q.setKerning(false);
        q.setStyleStrategy(QFont::PreferNoShaping);
    }
    return q;
}

FonteTela fonteDe(const QFont& f) {
    FonteTela fonte;
    fonte.nome = windows1252DeUtf8(f.family().toStdString());
    fonte.pontos = f.pointSize() > 0 ? f.pointSize() : 0;
    fonte.pixels = f.pixelSize() > 0 ? f.pixelSize() : 0;
    fonte.negrito = f.bold();
    fonte.italico = f.italic();
    fonte.ajustarPares = f.kerning();
    return fonte;
}

bool TelaQt::formasExatas() const {
    return p_.paintEngine() && p_.paintEngine()->type() == QPaintEngine::Pdf;
}

int TelaQt::dpi() const {
    return p_.device() ? p_.device()->logicalDpiY() : 96;
}

Retangulo TelaQt::areaVisivel() const {
    return retanguloDe(p_.hasClipping() ? p_.clipBoundingRect().toRect() : p_.window());
}

void TelaQt::linha(int x0, int y0, int x1, int y1, Cor cor) {
    p_.save();
    p_.setPen(QPen(qcor(cor), 1));
    p_.drawLine(x0, y0, x1, y1);
    p_.restore();
}

void TelaQt::contornoPontilhado(const Retangulo& r, Cor cor) {
    p_.save();
    QPen pontilhado(qcor(cor));
    pontilhado.setStyle(Qt::DotLine);
    p_.setPen(pontilhado);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(qrect(r).adjusted(0, 0, -1, -1));
    p_.restore();
}

void TelaQt::elipse(const Retangulo& r, Cor cor) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setPen(Qt::NoPen);
    p_.setBrush(qcor(cor));
    p_.drawEllipse(QRectF(r.x, r.y, r.largura, r.altura));
    p_.restore();
}

void TelaQt::retanguloArredondado(const Retangulo& r, double raio, Cor cor) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setPen(Qt::NoPen);
    p_.setBrush(qcor(cor));
    p_.drawRoundedRect(QRectF(r.x, r.y, r.largura, r.altura), raio, raio);
    p_.restore();
}

MetricasTela TelaQt::metricas() const {
    const QFontMetrics m = metricasDe(p_);
    return {m.ascent(), m.descent(), m.height()};
}

int TelaQt::largura(std::string_view texto) const {
    return metricasDe(p_).horizontalAdvance(qtexto(texto));
}

void TelaQt::texto(int x, int yBase, std::string_view texto, Cor cor) {
    p_.save();
    p_.setPen(qcor(cor));
    p_.setBackgroundMode(Qt::TransparentMode);
    p_.drawText(x, yBase, qtexto(texto));
    p_.restore();
}

void TelaQt::textoNaCaixa(const Retangulo& r, int alinhamento, std::string_view texto, Cor cor) {
    p_.save();
    p_.setPen(qcor(cor));
    p_.drawText(qrect(r), alinhamento, qtexto(texto));
    p_.restore();
}

}  // namespace trovale
