#include "ui/chord_choice/chord_grid.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "render/qt_text.h"
#include "ui/common/focus_frame.h"
#include "ui/fingering_editor/fingering_drag.h"

namespace trovale {

namespace {

constexpr int kLadoPadrao = 112;
constexpr int kIntervaloRolagemMs = 500;
// The entry a drag carries within the grid, beside the fingering itself.
const QString kMimeEntrada = QStringLiteral("application/x-trovale-entrada");  // logical pixels; Qt scales them on high-density screens
const QColor kAmarelo(255, 255, 0);
const QColor kCinza(0x80, 0x80, 0x80);
const QColor kVermelho(255, 0, 0);

}  // namespace

ChordGrid::ChordGrid(const CatalogoTipos& tipos, const Aparencia& aparencia, QWidget* parent)
    : QAbstractScrollArea(parent), tipos_(tipos), aparencia_(aparencia) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Digitações"));
    viewport()->setAcceptDrops(true);
    rolagem_.setInterval(kIntervaloRolagemMs);
    connect(&rolagem_, &QTimer::timeout, this, &ChordGrid::rolarNoArrasto);
}

void ChordGrid::setLista(const ListaDeDigitacoes* lista) {
    lista_ = lista;
    selecionada_ = quantidade() > 0 ? 1 : 0;
    verticalScrollBar()->setValue(0);
    atualizarBarra();
    viewport()->update();
}

int ChordGrid::quantidade() const {
    return lista_ ? static_cast<int>(lista_->entradas.size()) : 0;
}

int ChordGrid::linhas() const {
    return std::max(kLinhasVisiveis, (quantidade() + kColunas - 1) / kColunas);
}

void ChordGrid::selecionar(int k) {
    if (k < 0 || k > quantidade()) return;
    selecionada_ = k;
    mostrarSelecionada();
    viewport()->update();
}

void ChordGrid::setDestaque(bool destaque) {
    destaque_ = destaque;
    viewport()->update();
}

int ChordGrid::ladoCelula() const {
    return std::max(1, viewport()->width() / kColunas);
}

QRect ChordGrid::retanguloCelula(int k) const {
    const int lado = ladoCelula();
    const int linha = (k - 1) / kColunas;
    const int coluna = (k - 1) % kColunas;
    return {coluna * lado, linha * lado - verticalScrollBar()->value(), lado, lado};
}

int ChordGrid::entradaEm(QPoint ponto) const {
    const int lado = ladoCelula();
    if (ponto.x() < 0 || ponto.x() >= lado * kColunas || ponto.y() < 0) return 0;
    const int linha = (ponto.y() + verticalScrollBar()->value()) / lado;
    const int k = linha * kColunas + ponto.x() / lado + 1;
    return k <= quantidade() ? k : 0;
}

QSize ChordGrid::sizeHint() const {
    const int barra = verticalScrollBar()->sizeHint().width();
    const int moldura = 2 * frameWidth();
    return {kLadoPadrao * kColunas + barra + moldura, kLadoPadrao * kLinhasVisiveis + moldura};
}

std::string ChordGrid::baixoDaEntrada(int k) const {
    if (k < 1 || k > quantidade()) return {};
    const EntradaLista& e = lista_->entradas[k - 1];
    return grafiaDoBaixo(tipos_, e, lista_->tipoComDigitacoes);
}

QString ChordGrid::titulo(int k) const {
    if (k < 1 || k > quantidade()) return {};
    const EntradaLista& e = lista_->entradas[k - 1];
    std::string texto = e.raiz != lista_->raiz ? e.raiz : std::string();
    const std::string baixo = baixoDaEntrada(k);
    if (baixo != e.raiz) texto += "/" + baixo;
    return qs(texto);
}

std::string ChordGrid::baixoSelecionado() const {
    if (selecionada_ == 0) return {};
    const std::string baixo = baixoDaEntrada(selecionada_);
    return baixo != lista_->entradas[selecionada_ - 1].raiz ? "/" + baixo : std::string();
}

void ChordGrid::atualizarBarra() {
    QScrollBar* barra = verticalScrollBar();
    const int lado = ladoCelula();
    barra->setRange(0, std::max(0, linhas() * lado - viewport()->height()));
    barra->setPageStep(std::max(1, viewport()->height()));
    barra->setSingleStep(lado);
    // Below four rows the bar only keeps its place.
    barra->setEnabled(linhas() > kLinhasVisiveis);
}

void ChordGrid::mostrarSelecionada() {
    if (selecionada_ == 0) return;
    const QRect r = retanguloCelula(selecionada_);
    QScrollBar* barra = verticalScrollBar();
    if (r.top() < 0)
        barra->setValue(barra->value() + r.top());
    else if (r.bottom() > viewport()->height())
        barra->setValue(barra->value() + r.bottom() - viewport()->height() + 1);
}

void ChordGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), Qt::white);
    const int total = linhas() * kColunas;
    for (int k = 1; k <= total; ++k) {
        const QRect r = retanguloCelula(k);
        if (r.bottom() < 0 || r.top() > viewport()->height()) continue;
        desenharCelula(p, k, r);
    }
}

void ChordGrid::desenharCelula(QPainter& p, int k, const QRect& celula) {
    const bool cheia = k <= quantidade();
    const bool amarela = cheia && k == selecionada_ && destaque_ && window()->isActiveWindow();
    p.fillRect(celula, amarela ? kAmarelo : Qt::white);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(celula.adjusted(0, 0, -1, -1));
    // Without a selection (a chord with no fingerings) the focus stands on the first cell.
    if (hasFocus() && k == std::max(selecionada_, 1)) desenharFoco(p, celula, Qt::black);
    if (!cheia) return;

    const EntradaLista& e = lista_->entradas[k - 1];
    QFont fonte = font();
    const QFontMetrics fm(fonte);
    const int margem = std::max(3, fm.height() / 4);
    const int topo = fm.height() + margem;
    const int ladoRotulo = fm.horizontalAdvance(QStringLiteral("12")) + margem;
    const int lado = std::max(8, std::min(celula.height() - topo - margem,
                                          celula.width() - 2 * ladoRotulo));
    const QRect diagrama(celula.left() + (celula.width() - lado) / 2, celula.top() + topo, lado,
                         lado);

    p.setPen(kCinza);
    p.setFont(fonte);
    p.drawText(celula.adjusted(margem, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(k));
    QFont negrito = fonte;
    negrito.setBold(true);
    p.setFont(negrito);
    p.setPen(kVermelho);
    p.drawText(QRect(celula.left() + ladoRotulo, celula.top() + 1,
                     celula.width() - 2 * ladoRotulo, fm.height()),
               Qt::AlignCenter, titulo(k));

    p.setBrush(amarela ? kAmarelo : Qt::white);
    MedidasDiagrama medidas;
    DesenharBraco(p, aparencia_, medidas, diagrama.left(), diagrama.top(), diagrama.width(),
                  diagrama.height());
    DesenharDigitacao(p, medidas, e.digitacao);
    QFont casa = fonte;
    if (casa.pointSizeF() > 2) casa.setPointSizeF(casa.pointSizeF() - 1);
    p.setFont(casa);
    DesenharRotuloCasa(p, medidas, e.digitacao.Casa);
}

void ChordGrid::resizeEvent(QResizeEvent* evento) {
    QAbstractScrollArea::resizeEvent(evento);
    atualizarBarra();
}

void ChordGrid::mousePressEvent(QMouseEvent* evento) {
    const int k = entradaEm(evento->position().toPoint());
    if (k != 0 && evento->button() == Qt::LeftButton) selecionar(k);
    origem_ = evento->button() == Qt::LeftButton ? k : 0;
    if (k != 0 && evento->button() == Qt::RightButton) emit somPedido(k);
    pontoPressao_ = evento->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void ChordGrid::mouseReleaseEvent(QMouseEvent* evento) {
    QAbstractScrollArea::mouseReleaseEvent(evento);
    emit somSolto();
}

void ChordGrid::mouseMoveEvent(QMouseEvent* evento) {
    if (!editavel_ || origem_ == 0 || !(evento->buttons() & Qt::LeftButton)) return;
    if ((evento->position().toPoint() - pontoPressao_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    arrastar(std::exchange(origem_, 0));
}

void ChordGrid::arrastar(int k) {
    const EntradaLista& e = lista_->entradas[k - 1];
    QMimeData* mime = mimeDaDigitacao({e.digitacao, e.raiz});
    mime->setData(kMimeEntrada, QByteArray::number(k));
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(mime);
    arrasto->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    rolagem_.stop();
}

void ChordGrid::dragEnterEvent(QDragEnterEvent* evento) {
    if (editavel_ && evento->source() == this && evento->mimeData()->hasFormat(kMimeEntrada))
        evento->acceptProposedAction();
}

void ChordGrid::dragMoveEvent(QDragMoveEvent* evento) {
    const QPoint ponto = evento->position().toPoint();
    sentidoRolagem_ = ponto.y() < ladoCelula() / 4                          ? -1
                      : ponto.y() > viewport()->height() - ladoCelula() / 4 ? 1
                                                                            : 0;
    if (sentidoRolagem_ != 0 && !rolagem_.isActive()) rolagem_.start();
    if (entradaEm(ponto) != 0)
        evento->acceptProposedAction();
    else
        evento->ignore();
}

void ChordGrid::dragLeaveEvent(QDragLeaveEvent* evento) {
    QAbstractScrollArea::dragLeaveEvent(evento);
    // Left above or below: keep scrolling that way while the drag lasts.
    const QPoint ponto = viewport()->mapFromGlobal(QCursor::pos());
    sentidoRolagem_ = ponto.y() < 0 ? -1 : ponto.y() >= viewport()->height() ? 1 : 0;
    if (sentidoRolagem_ == 0) rolagem_.stop();
}

void ChordGrid::rolarNoArrasto() {
    if (sentidoRolagem_ == 0) {
        rolagem_.stop();
        return;
    }
    QScrollBar* barra = verticalScrollBar();
    barra->setValue(barra->value() + sentidoRolagem_ * ladoCelula());
}

void ChordGrid::dropEvent(QDropEvent* evento) {
    rolagem_.stop();
    const int para = entradaEm(evento->position().toPoint());
    const int de = evento->mimeData()->data(kMimeEntrada).toInt();
    if (para == 0 || de < 1 || de > quantidade()) return;
    evento->acceptProposedAction();
    if (de != para) emit movimentoPedido(de, para);
}

void ChordGrid::mouseDoubleClickEvent(QMouseEvent* evento) {
    const int k = entradaEm(evento->position().toPoint());
    if (k != 0 && evento->button() == Qt::LeftButton) {
        selecionar(k);
        emit ativada(k);
    }
}

void ChordGrid::keyPressEvent(QKeyEvent* evento) {
    const int n = quantidade();
    int k = selecionada_;
    switch (evento->key()) {
        case Qt::Key_Left: k = std::max(1, k - 1); break;
        case Qt::Key_Right: k = std::min(n, k + 1); break;
        case Qt::Key_Up: k = k > kColunas ? k - kColunas : k; break;
        case Qt::Key_Down: k = k + kColunas <= n ? k + kColunas : k; break;
        case Qt::Key_PageUp: k = std::max(1, k - kColunas * kLinhasVisiveis); break;
        case Qt::Key_PageDown: k = std::min(n, k + kColunas * kLinhasVisiveis); break;
        case Qt::Key_Home: k = n > 0 ? 1 : 0; break;
        case Qt::Key_End: k = n; break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (k != 0) emit ativada(k);
            return;
        case Qt::Key_Escape:
            emit escape();
            return;
        case Qt::Key_Delete:
            if (editavel_ && k != 0) emit exclusaoPedida(k);
            return;
        default:
            QAbstractScrollArea::keyPressEvent(evento);
            return;
    }
    if (n > 0) selecionar(std::max(1, k));
}

void ChordGrid::focusInEvent(QFocusEvent* evento) {
    QAbstractScrollArea::focusInEvent(evento);
    viewport()->update();
}

void ChordGrid::focusOutEvent(QFocusEvent* evento) {
    QAbstractScrollArea::focusOutEvent(evento);
    viewport()->update();
}

void ChordGrid::changeEvent(QEvent* evento) {
    QAbstractScrollArea::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange) viewport()->update();
}

}  // namespace trovale
