// The order window's mouse work: an item held and moved within the list or onto the
// separator text, the new separator pulled out of its text box, and the list scrolling by
// itself while the pointer is above or below it.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include "base/text_codec.h"
#include "catalogue/type_order.h"
#include "render/qt_text.h"
#include "ui/type_editor/move_form.h"

namespace trovale {

namespace {

bool sobre(const QWidget* w, const QPointF& global) {
    return w->isVisible() && w->rect().contains(w->mapFromGlobal(global).toPoint());
}

}  // namespace

bool TMoveForm::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == ListBox->viewport()) return mouseNaLista(evento);
    if (objeto == Edit) return mouseNoEdit(evento);
    if (objeto == ListBox && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
        excluirSeparador();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

bool TMoveForm::mouseNaLista(QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseMove &&
        tipo != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(evento);
    if (tipo == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        const int linha = ListBox->indexAt(mouse->position().toPoint()).row();
        if (linha >= 0) arrasto_ = {true, false, linha, relogio()};
        return false;
    }
    if (!arrasto_.ativo) return false;
    if (tipo == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        arrastar(mouse->globalPosition());
        return true;  // the list's own selection stays put while an item travels
    }
    if (tipo == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        soltar(mouse->globalPosition());
    return false;
}

bool TMoveForm::mouseNoEdit(QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseMove && tipo != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(evento);
    if (tipo == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        // Leaving through the lower edge, towards the list, pulls the separator out.
        if (!arrasto_.ativo && mouse->position().y() >= Edit->height() && !Edit->text().isEmpty())
            arrasto_ = {true, true, -1, relogio()};
        if (!arrasto_.ativo) return false;
        arrastar(mouse->globalPosition());
        return true;
    }
    if (tipo == QEvent::MouseButtonRelease && arrasto_.ativo) {
        soltar(mouse->globalPosition());
        return true;
    }
    return false;
}

void TMoveForm::arrastar(const QPointF& global) {
    if (arrasto_.separador)
        LabelDrag->setText(QStringLiteral("Introduzindo separador: ") + Edit->text());
    else if (relogio() - arrasto_.clique >= kTempoDeArrastoMs)
        LabelDrag->setText(QStringLiteral("Movendo item: ") +
                           ListBox->item(arrasto_.origem)->text());
    const QPointF local = ListBox->mapFromGlobal(global);
    direcao_ = local.y() < 0 || sobre(LabelLista, global)                   ? -1
               : local.y() >= ListBox->height() || sobre(LabelDrag, global) ? 1
                                                                            : 0;
    if (direcao_ != 0 && !rolagem_->isActive()) rolagem_->start();
    if (direcao_ == 0) rolagem_->stop();
}

void TMoveForm::soltar(const QPointF& global) {
    const Arrasto arrasto = arrasto_;
    encerrarArrasto();
    const bool cedo = relogio() - arrasto.clique < kTempoDeArrastoMs;
    if (sobre(ListBox->viewport(), global)) {
        const QPoint p = ListBox->viewport()->mapFromGlobal(global).toPoint();
        const int linha = ListBox->indexAt(p).row();
        if (arrasto.separador)
            inserirSeparador(linha < 0 ? ListBox->count() : linha);
        else if (!cedo)
            mover(arrasto.origem, linha < 0 ? ListBox->count() - 1 : linha);
    } else if (sobre(Edit, global) && !arrasto.separador && !cedo) {
        const QString texto = ListBox->item(arrasto.origem)->text();
        Edit->setText(qs(textoSemTracos(windows1252DeUtf8(texto.toStdString()))));
    }
}

void TMoveForm::encerrarArrasto() {
    arrasto_ = {};
    direcao_ = 0;
    rolagem_->stop();
    LabelDrag->clear();
}

void TMoveForm::rolar() {
    QScrollBar* barra = ListBox->verticalScrollBar();
    const int topo = barra->value();
    if (direcao_ < 0 && topo > 0) barra->setValue(topo - 1);
    if (direcao_ > 0 && topo + 2 < ListBox->count() - 1) barra->setValue(topo + 1);
}

void TMoveForm::mover(int origem, int destino) {
    if (origem < 0 || destino == origem) return;
    QScrollBar* barra = ListBox->verticalScrollBar();
    const int topo = barra->value();
    ListBox->insertItem(destino, ListBox->takeItem(origem));
    barra->setValue(topo);
    mudou(destino);
}

void TMoveForm::inserirSeparador(int posicao) {
    if (!cabeMaisUm()) return;
    ListBox->insertItem(posicao, novoItem(legendaDoEdit()));
    Edit->clear();
    mudou(posicao);
}

}  // namespace trovale
