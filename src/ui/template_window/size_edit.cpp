#include "ui/template_window/size_edit.h"

#include <QKeyEvent>

namespace trovale {

bool teclaAceitaNoTamanho(const QString& texto, const QString& tecla) {
    if (tecla.isEmpty()) return true;
    const QChar c = tecla.front();
    if (c.unicode() < 32 || c.unicode() == 127) return true;
    if (tecla.size() != 1) return false;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
    if (c == QLatin1Char(',') || c == QLatin1Char('.'))
        return !texto.contains(QLatin1Char(',')) && !texto.contains(QLatin1Char('.'));
    return false;
}

EditTamanho::EditTamanho(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(8);
    setAlignment(Qt::AlignRight);
    // A value put in from outside comes back wholly selected, ready to be typed over.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& texto) {
        if (hasFocus()) return;
        inicioSelecao_ = 0;
        tamanhoSelecao_ = static_cast<int>(texto.size());
        cursor_ = tamanhoSelecao_;
    });
}

void EditTamanho::keyPressEvent(QKeyEvent* evento) {
    if (!teclaAceitaNoTamanho(text(), evento->text())) {
        evento->accept();
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

// Saved before the line edit drops its selection on leaving.
void EditTamanho::focusOutEvent(QFocusEvent* evento) {
    inicioSelecao_ = selectionStart();
    tamanhoSelecao_ = selectedText().size();
    cursor_ = cursorPosition();
    QLineEdit::focusOutEvent(evento);
}

void EditTamanho::voltarFoco() {
    if (!isEnabled() || !isVisible()) return;
    setFocus(Qt::OtherFocusReason);
    if (inicioSelecao_ >= 0 && tamanhoSelecao_ > 0) {
        // The cursor stays at whichever end it was.
        if (cursor_ == inicioSelecao_)
            setSelection(inicioSelecao_ + tamanhoSelecao_, -tamanhoSelecao_);
        else
            setSelection(inicioSelecao_, tamanhoSelecao_);
    } else {
        setCursorPosition(cursor_);
    }
}

}  // namespace trovale
