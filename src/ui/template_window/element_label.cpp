#include "ui/template_window/element_label.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "render/sheet_measure.h"
#include "ui/common/focus_frame.h"
#include "ui/template_window/element_drag.h"
#include "ui/template_window/element_font.h"

namespace trovale {

ElementLabel::ElementLabel(int elemento, const QString& legenda, QWidget* parent)
    : QLabel(parent), elemento_(elemento), legenda_(legenda) {
    setProperty("Tag", elemento);
    setTextFormat(Qt::PlainText);
    setToolTip(legenda);
    setAccessibleName(legenda);
    setMargin(3);
    setAutoFillBackground(false);
    setModo(Modo::Edicao);
    mostrar();
}

void ElementLabel::setFonte(const FonteElemento& fonte) {
    fonte_ = fonte;
    mostrar();
}

void ElementLabel::setSoMaiusculas(bool sim) {
    if (sim != soMaiusculas()) fonte_.tamanho = -fonte_.tamanho;
    mostrar();
}

// The template font has no underline or strike-out: the document's capitals marker never
// reaches the label.
void ElementLabel::mostrar() {
    setFont(fonteDoElemento(fonte_));
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, corDoElemento(fonte_.cor));
    setPalette(paleta);
    setText(legendaDoElemento(legenda_, soMaiusculas()));
}

void ElementLabel::setModo(Modo modo) {
    modo_ = modo;
    const bool edicao = modo == Modo::Edicao;
    setAcceptDrops(edicao);
    setFocusPolicy(edicao ? Qt::StrongFocus : Qt::NoFocus);
    const bool arrastavel = edicao || elemento_ != 3;
    setCursor(arrastavel ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

std::unique_ptr<QMimeData> ElementLabel::dadosDoArraste() const {
    if (modo_ == Modo::Edicao) return mimeDaFonte(window(), elemento_);
    if (elemento_ == 3) return nullptr;
    return mimeDoElemento(elemento_);
}

void ElementLabel::marcar(bool sim) {
    marcado_ = sim;
    update();
}

void ElementLabel::mousePressEvent(QMouseEvent* evento) {
    podeArrastar_ = evento->button() == Qt::LeftButton;
    inicioArraste_ = evento->position().toPoint();
    QLabel::mousePressEvent(evento);
}

void ElementLabel::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint desvio = evento->position().toPoint() - inicioArraste_;
    if (podeArrastar_ && (evento->buttons() & Qt::LeftButton) &&
        desvio.manhattanLength() >= QApplication::startDragDistance()) {
        podeArrastar_ = false;
        arrastar();
        return;
    }
    QLabel::mouseMoveEvent(evento);
}

void ElementLabel::arrastar() {
    std::unique_ptr<QMimeData> dados = dadosDoArraste();
    if (!dados) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(dados.release());
    drag->setPixmap(grab());
    drag->setHotSpot(inicioArraste_);
    drag->exec(Qt::CopyAction);
}

void ElementLabel::mouseDoubleClickEvent(QMouseEvent* evento) {
    podeArrastar_ = false;
    if (modo_ == Modo::Edicao && evento->button() == Qt::LeftButton) {
        emit fontePedida();
        return;
    }
    QLabel::mouseDoubleClickEvent(evento);
}

// The keyboard's way to the font dialog, as the double click.
void ElementLabel::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (modo_ == Modo::Edicao && evento->modifiers() == Qt::NoModifier &&
        (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space ||
         tecla == Qt::Key_F2)) {
        emit fontePedida();
        return;
    }
    QLabel::keyPressEvent(evento);
}

void ElementLabel::contextMenuEvent(QContextMenuEvent* evento) {
    if (modo_ != Modo::Edicao) return;
    QMenu menu(this);
    auto* grupo = new QActionGroup(&menu);
    QAction* normal = menu.addAction(QStringLiteral("Fonte normal"));
    QAction* maiusculas = menu.addAction(QStringLiteral("Só maiúsculas"));
    for (QAction* a : {normal, maiusculas}) {
        a->setCheckable(true);
        grupo->addAction(a);
    }
    (soMaiusculas() ? maiusculas : normal)->setChecked(true);
    menu.addSeparator();
    QAction* cor = menu.addAction(QStringLiteral("Cor..."));
    const QPoint onde = evento->reason() == QContextMenuEvent::Mouse
                            ? evento->globalPos()
                            : mapToGlobal(QPoint(0, height()));
    QAction* escolhida = menu.exec(onde);
    if (escolhida == cor) emit corPedida();
    if (escolhida == normal || escolhida == maiusculas) {
        setSoMaiusculas(escolhida == maiusculas);
        emit maiusculasMudou();
    }
}

bool ElementLabel::aceitaSoltura(const QMimeData* dados) const {
    if (modo_ != Modo::Edicao) return false;
    const std::optional<int> origem = fonteArrastada(dados, window());
    return origem && *origem != elemento_;
}

void ElementLabel::dragEnterEvent(QDragEnterEvent* evento) {
    if (aceitaSoltura(evento->mimeData())) evento->acceptProposedAction();
}

void ElementLabel::dragMoveEvent(QDragMoveEvent* evento) {
    if (aceitaSoltura(evento->mimeData())) evento->acceptProposedAction();
}

void ElementLabel::dropEvent(QDropEvent* evento) {
    if (!aceitaSoltura(evento->mimeData())) return;
    evento->acceptProposedAction();
    emit fonteSoltada(*fonteArrastada(evento->mimeData(), window()));
}

// The focus and the font dialog's mark are drawn over the caption, so the label keeps its
// size and the labels below do not move.
void ElementLabel::paintEvent(QPaintEvent* evento) {
    QLabel::paintEvent(evento);
    if (!hasFocus() && !marcado_) return;
    QPainter p(this);
    if (marcado_) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
        return;
    }
    // In the window's text colour: the label's own is the element's, maybe a pale one.
    desenharFoco(p, rect(), window()->palette().color(QPalette::WindowText));
}

}  // namespace trovale
