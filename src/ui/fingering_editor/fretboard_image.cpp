#include "ui/fingering_editor/fretboard_image.h"

#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

#include "drawing/diagram_geometry.h"
#include "render/qt_canvas.h"
#include "ui/fingering_editor/fingering_drag.h"

namespace trovale {

namespace {

constexpr int kLarguraPadrao = 240;  // logical pixels across the strings
const QColor kCorElastico(0x80, 0x80, 0x80);

}  // namespace

FretboardImage::FretboardImage(const Aparencia& aparencia, const TDigitacao& digitacao,
                               QWidget* parent)
    : QWidget(parent), aparencia_(aparencia), digitacao_(digitacao) {
    setObjectName(QStringLiteral("Image"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Braço do violão"));
    setToolTip(
        QStringLiteral("Clique numa casa para pôr ou tirar uma nota; arraste a nota ao "
                       "longo da casa para fazer uma pestana; clique no símbolo abaixo "
                       "última casa para tocar a corda ou não."));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize FretboardImage::sizeHint() const {
    // The neck is longer than wide: five casas and the symbols beyond them.
    const int ao = kLarguraPadrao * 6 / 5;
    return aparencia_.Orientacao == kOrientacaoHorizontal ? QSize(ao, kLarguraPadrao)
                                                          : QSize(kLarguraPadrao, ao);
}

QRect FretboardImage::areaDiagrama() const {
    return rect().adjusted(2, 2, -2, -2);
}

// The grid's pixels depend only on the size; measuring on a scratch picture lets the labels
// be placed before the first paint.
void FretboardImage::medir() {
    QImage rascunho(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&rascunho);
    p.setBrush(Qt::white);
    const QRect a = areaDiagrama();
    DesenharBraco(p, aparencia_, medidas_, a.left(), a.top(), a.width(), a.height());
}

QPoint FretboardImage::centro(int corda, int casa) const {
    const QRect caixa = qrect(casa > medidas_.Casas ? diagrama::caixaSimbolo(medidas_, corda)
                                                    : diagrama::caixaPonto(medidas_, corda, casa));
    return caixa.center();
}

void FretboardImage::permitirPestana(int corda, int casa) {
    if (arrasto_) {
        arrasto_->corda = corda;
        arrasto_->casa = casa;
    }
}

void FretboardImage::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    medir();
    emit medidasMudaram();
}

void FretboardImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    desenhar(p);
}

void FretboardImage::desenhar(QPainter& p) {
    p.setBrush(Qt::white);
    const QRect a = areaDiagrama();
    DesenharBraco(p, aparencia_, medidas_, a.left(), a.top(), a.width(), a.height());
    DesenharDigitacao(p, medidas_, digitacao_);
    if (arrasto_ && arrasto_->ativo) {
        p.setPen(QPen(kCorElastico, std::max(1, medidas_.Wp), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(arrasto_->inicio, arrasto_->ponta);
    }
}

int FretboardImage::espacoEntreCordas() const {
    return std::max(1, std::abs(medidas_.Corda[2].inicio - medidas_.Corda[1].inicio));
}

int FretboardImage::cordaSob(QPoint ponto) const {
    const int ac = diagrama::across(medidas_, ponto.x(), ponto.y());
    int melhor = 1;
    for (int corda = 2; corda <= kCordas; ++corda) {
        const auto distancia = [&](int c) {
            return std::abs(ac - (medidas_.Corda[c].inicio + medidas_.Corda[c].fim) / 2);
        };
        if (distancia(corda) < distancia(melhor)) melhor = corda;
    }
    return melhor;
}

bool FretboardImage::naLinhaDaCasa(QPoint ponto, int casa) const {
    const int al = diagrama::along(medidas_, ponto.x(), ponto.y());
    const FaixaPixels& faixa = medidas_.Casa[casa];
    return al >= faixa.inicio - medidas_.Wt && al <= faixa.fim + medidas_.Wt;
}

void FretboardImage::mousePressEvent(QMouseEvent* evento) {
    arrasto_.reset();
    if (evento->button() == Qt::RightButton) emit somPedido();
    if (evento->button() != Qt::LeftButton) return;
    const QPoint ponto = evento->position().toPoint();
    const PontoDiagrama toque = LocalizarPonto(medidas_, ponto.x(), ponto.y(), digitacao_, true);
    arrasto_ = Arrasto{0, 0, ponto};
    if (toque.tipo == kToquePestana)
        emit pestanaClicada(toque.corda, toque.casa);
    else if (toque.tipo == kToqueCorda && toque.casa == medidas_.Casas + 1)
        emit cordaAlternada(toque.corda);
    else if (toque.tipo == kToquePonto && toque.casa >= 1 && toque.casa <= medidas_.Casas)
        emit pontoClicado(toque.corda, toque.casa);
    update();
}

void FretboardImage::mouseMoveEvent(QMouseEvent* evento) {
    if (!arrasto_ || arrasto_->corda == 0 || !(evento->buttons() & Qt::LeftButton)) return;
    const QPoint ponto = evento->position().toPoint();
    if (!arrasto_->ativo) {
        const int movido =
            std::abs(diagrama::across(medidas_, ponto.x(), ponto.y()) -
                     diagrama::across(medidas_, arrasto_->inicio.x(), arrasto_->inicio.y()));
        if (movido < espacoEntreCordas()) return;
        if (podeIniciarPestana && !podeIniciarPestana(arrasto_->casa)) {
            arrasto_.reset();
            return;
        }
        arrasto_->ativo = true;
        arrasto_->inicio = centro(arrasto_->corda, arrasto_->casa);
    }
    const bool naLinha = naLinhaDaCasa(ponto, arrasto_->casa);
    arrasto_->cordaAlvo = naLinha ? cordaSob(ponto) : 0;
    arrasto_->ponta = naLinha ? centro(arrasto_->cordaAlvo, arrasto_->casa) : arrasto_->inicio;
    setCursor(naLinha ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    update();
}

void FretboardImage::mouseReleaseEvent(QMouseEvent* evento) {
    emit somSolto();
    if (evento->button() != Qt::LeftButton) return;
    const std::optional<Arrasto> fim = std::exchange(arrasto_, std::nullopt);
    unsetCursor();
    update();
    if (fim && fim->ativo && fim->cordaAlvo != 0 && fim->cordaAlvo != fim->corda)
        emit pestanaArrastada(fim->corda, fim->casa, fim->cordaAlvo);
}

void FretboardImage::dragEnterEvent(QDragEnterEvent* evento) {
    if (evento->mimeData()->hasFormat(kMimeDigitacao)) evento->acceptProposedAction();
}

void FretboardImage::dropEvent(QDropEvent* evento) {
    if (!evento->mimeData()->hasFormat(kMimeDigitacao)) return;
    evento->acceptProposedAction();
    if (aoSoltar) aoSoltar(*evento->mimeData());
}

}  // namespace trovale
