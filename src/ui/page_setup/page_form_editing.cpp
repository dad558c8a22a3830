// TPageForm: what the edits, the buttons and a click on the page picture change.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "settings/settings_file_layout.h"
#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_form.h"
#include "ui/page_setup/page_picture.h"

namespace trovale {

namespace {

// A second separator is refused; one inside the selection goes with it.
bool temSeparador(const QLineEdit* e) {
    QString texto = e->text();
    if (e->hasSelectedText()) texto.remove(e->selectionStart(), e->selectedText().size());
    return texto.contains(QLatin1Char(',')) || texto.contains(QLatin1Char('.'));
}

}  // namespace

bool TPageForm::eventFilter(QObject* objeto, QEvent* evento) {
    const int i = indiceDoEdit(objeto);
    if (i < 0) return QDialog::eventFilter(objeto, evento);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)];
    switch (evento->type()) {
        case QEvent::FocusIn:
            selecionado_ = campos_[static_cast<std::size_t>(i)];
            ImagemPagina->update();
            break;
        case QEvent::FocusOut:
            // The edit's own context menu is not leaving it.
            if (e->isModified() &&
                static_cast<QFocusEvent*>(evento)->reason() != Qt::PopupFocusReason)
                terminarEdicao();
            break;
        case QEvent::KeyPress:
            return teclaEdit(e, static_cast<QKeyEvent*>(evento));
        default:
            break;
    }
    return QDialog::eventFilter(objeto, evento);
}

// Digits, backspace and one decimal separator; "+" and "-" act as the buttons; the arrows
// go through the edits and Page Up/Down through the pages. Other characters are dropped;
// keys without one (Tab, Enter, Escape, left and right) keep their usual work.
bool TPageForm::teclaEdit(QLineEdit* e, QKeyEvent* tecla) {
    switch (tecla->key()) {
        case Qt::Key_Up:
            moverEntreEdits(-1);
            return true;
        case Qt::Key_Down:
            moverEntreEdits(+1);
            return true;
        case Qt::Key_PageUp:
            virarPagina(-1);
            return true;
        case Qt::Key_PageDown:
            virarPagina(+1);
            return true;
        default:
            break;
    }
    const QString texto = tecla->text();
    if (texto.isEmpty()) return false;
    const QChar c = texto.front();
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        passo(c == QLatin1Char('+') ? +1 : -1);
        return true;
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return false;
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) return temSeparador(e);
    return !(c.unicode() < 32 || c.unicode() == 127);
}

// Cyclic, over the edits that are enabled; leaving the edit takes its value.
void TPageForm::moverEntreEdits(int sentido) {
    const int total = static_cast<int>(edits_.size());
    const int atual = std::max(0, indiceDoEdit(edit(selecionado_)));
    for (int k = 1; k < total; ++k) {
        QLineEdit* e =
            edits_[static_cast<std::size_t>(((atual + sentido * k) % total + total) % total)];
        if (!e->isEnabled()) continue;
        e->setFocus(Qt::TabFocusReason);
        return;
    }
}

// The changed edit's text, in centimetres, into its field: clamped, the columns rebalanced.
void TPageForm::terminarEdicao() {
    bool mudou = false;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        QLineEdit* e = edits_[i];
        if (!e->isModified()) continue;
        e->setModified(false);
        const std::string texto =
            e->text().replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
        definirCampo(layout_, campos_[i], milimetrosDeTextoCm(texto), papel_);
        mudou = true;
    }
    if (mudou) aplicar();
}

void TPageForm::passo(int delta) {
    terminarEdicao();
    const QLineEdit* e = edit(selecionado_);
    if (!e->isEnabled() || !passoCampo(layout_, selecionado_, delta, papel_)) {
        QApplication::beep();
        // One beep for a refusal: holding the button does not repeat it.
        for (QToolButton* b : {SpeedButtonMais, SpeedButtonMenos})
            if (b->isDown()) b->setDown(false);
        return;
    }
    aplicar();
    devolverFoco();
}

void TPageForm::definirColunas(int n) {
    terminarEdicao();
    definirNumeroColunas(layout_, n, papel_);
    aplicar();
    devolverFoco();
}

void TPageForm::BtnGirarClick() {
    terminarEdicao();
    girarPapel(layout_);
    retomarMetricas();
    ajustarAoPapel(layout_, papel_);
    aplicar();
    devolverFoco();
}

void TPageForm::BtnAdotarClick() {
    for (QLineEdit* e : edits_) e->setModified(false);
    layout_ = padrao_;
    retomarMetricas();
    aplicar();
    devolverFoco();
}

void TPageForm::BtnPadraoClick() {
    terminarEdicao();
    if (gravarLayout(fs_, pasta_, layout_, dialogs_)) padrao_ = layout_;
    devolverFoco();
}

void TPageForm::virarPagina(int sentido) {
    pagina_ += sentido;
    mostrarPaginas();
}

void TPageForm::selecionarPelaPagina(QPointF ponto) {
    const std::optional<CampoLayout> campo = campoNoPonto(geometria(), ponto);
    if (!campo || !edit(*campo)->isEnabled()) return;
    selecionado_ = *campo;
    edit(*campo)->setFocus(Qt::MouseFocusReason);
    edit(*campo)->selectAll();
    ImagemPagina->update();
}

// The document lays itself out again with the window's layout; the window shows the result.
void TPageForm::aplicar() {
    if (doc_ && doc_->layout() != layout_) doc_->aplicarLayout(layout_);
    mostrarLayout();
    mostrarPaginas();
}

}  // namespace trovale
