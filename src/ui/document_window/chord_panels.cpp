#include "ui/document_window/chord_panels.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "render/qt_text.h"
#include "render/sheet_painter.h"

namespace trovale {

namespace {

constexpr int kLadoPainel = 36;

}  // namespace

PainelAcordes::PainelAcordes(const char* nome, const QString& dica, QIcon figura, QWidget* parent)
    : QFrame(parent), figura_(std::move(figura)) {
    setObjectName(QString::fromLatin1(nome));
    setToolTip(dica);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAcceptDrops(true);
    setFixedSize(kLadoPainel, kLadoPainel);
}

bool PainelAcordes::aceitavel(const QMimeData* mime) const {
    const auto acorde = acordeDoMime(mime);
    return acorde && (!aceita || aceita(*acorde));
}

void PainelAcordes::dragEnterEvent(QDragEnterEvent* evento) {
    if (aceitavel(evento->mimeData())) evento->acceptProposedAction();
}

void PainelAcordes::dragMoveEvent(QDragMoveEvent* evento) {
    if (aceitavel(evento->mimeData())) evento->acceptProposedAction();
}

void PainelAcordes::dropEvent(QDropEvent* evento) {
    const auto acorde = acordeDoMime(evento->mimeData());
    if (!acorde || (aceita && !aceita(*acorde))) return;
    evento->acceptProposedAction();
    emit acordeSolto(*acorde);
}

void PainelAcordes::mouseReleaseEvent(QMouseEvent* evento) {
    QFrame::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit clicado();
}

void PainelAcordes::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    QPainter p(this);
    const QRect area = contentsRect().adjusted(3, 3, -3, -3);
    figura_.paint(&p, area);
}

PainelCopia::PainelCopia(const CatalogoTipos& tipos, QWidget* parent)
    : PainelAcordes("PanelCopia", QStringLiteral("Área de transferência, para Copiar-e-Colar cifras"),
                    QIcon(), parent),
      tipos_(tipos) {
    setFixedSize(3 * kLadoPainel, kLadoPainel);
}

void PainelCopia::setAcorde(std::optional<DraggedChord> acorde, quintptr origem) {
    acorde_ = std::move(acorde);
    origem_ = origem;
    if (!acorde_) simboloComMarca_.clear();
    update();
}

QString PainelCopia::simbolo() const {
    return acorde_ ? qs(displaySymbol(simboloComMarca_)) : QString();
}

void PainelCopia::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    if (!acorde_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont fonte = font();
    fonte.setPointSize(12);
    fonte.setBold(true);
    const bool semDigitacao = acorde_->fingering == kNoFingering;
    const QColor cor = semDigitacao ? QColor(128, 128, 128) : QColor(Qt::black);
    const QRect caixa = contentsRect().adjusted(4, 2, -2, -6);
    DrawChordSymbol(p, tipos_, simboloComMarca_, caixa, fonte, 12, cor);
}

void PainelCopia::mousePressEvent(QMouseEvent* evento) {
    inicio_ = evento->position().toPoint();
    PainelAcordes::mousePressEvent(evento);
}

void PainelCopia::mouseDoubleClickEvent(QMouseEvent* evento) {
    evento->accept();
    emit escolhaPedida();
}

void PainelCopia::mouseMoveEvent(QMouseEvent* evento) {
    if (!acorde_ || !(evento->buttons() & Qt::LeftButton)) return;
    if ((evento->position().toPoint() - inicio_).manhattanLength() < QApplication::startDragDistance())
        return;
    // The panel's chord travels without its variant tag; the song it lands in finds its own.
    DraggedChord carregado = *acorde_;
    carregado.line = -1;
    carregado.symbol = std::string(withoutVariantTag(carregado.symbol));
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(mimeDoAcorde({carregado, origem_}).release());
    arrasto->exec(Qt::CopyAction);
}

}  // namespace trovale
