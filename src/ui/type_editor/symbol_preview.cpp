#include "ui/type_editor/symbol_preview.h"

#include <QPainter>

#include "render/qt_chord_name.h"

namespace trovale {

namespace {

constexpr double kTamanhoCifra = 20;

QFont fonteCifra() {
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(kTamanhoCifra);
    return fonte;
}

}  // namespace

SymbolPreview::SymbolPreview(bool opcional, QWidget* parent)
    : QWidget(parent), opcional_(opcional) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SymbolPreview::setCifra(const ElementosCifra& cifra) {
    cifra_ = cifra;
    update();
}

void SymbolPreview::setVazia(bool vazia) {
    vazia_ = vazia;
    update();
}

QSize SymbolPreview::sizeHint() const {
    const QFontMetrics m(fonteCifra());
    return {m.horizontalAdvance(QStringLiteral("C7M(b13)/9")), m.height() * 2};
}

void SymbolPreview::paintEvent(QPaintEvent*) {
    if (vazia_ || (opcional_ && elementosVazios(cifra_))) return;
    QPainter p(this);
    p.setFont(fonteCifra());
    OpcoesNomeAcorde opcoes;
    opcoes.caixa = rect();
    opcoes.centralizar = true;
    opcoes.alinharNoTopo = true;
    opcoes.tamanhoFonte = kTamanhoCifra;
    DesenharNomeAcorde(p, cifra_, "C", "C", opcoes);
}

}  // namespace trovale
