#include "ui/text_editor/text_grid.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <cmath>

namespace trovale {

namespace {

bool imprimivel(QChar c) {
    return c.unicode() >= 32 && c.unicode() != 127;
}

// Text a key types, not a command: Ctrl and Alt chords stay commands, except AltGr, which
// some systems report as both.
bool teclaDeTexto(const QKeyEvent& tecla) {
    const Qt::KeyboardModifiers m = tecla.modifiers();
    const bool altGr = (m & Qt::ControlModifier) && (m & Qt::AltModifier);
    if (!altGr && (m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return false;
    return !tecla.text().isEmpty() && imprimivel(tecla.text().front());
}

}  // namespace

QString semControles(QString texto) {
    for (QChar& c : texto)
        if (c.unicode() < 32) c = QLatin1Char(' ');
    return texto;
}

TextGrid::TextGrid(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setTabChangesFocus(true);  // a tab would break the columns
}

void TextGrid::setModoCorrecao(bool correcao) {
    if (correcao == correcao_) return;
    correcao_ = correcao;
    setOverwriteMode(correcao);  // the block caret
    emit modoMudou(correcao);
}

int TextGrid::colunaEm(int x) const {
    QTextCursor inicio(document());
    const int esquerda = cursorRect(inicio).left();
    const double largura = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('a'));
    if (largura <= 0 || x <= esquerda) return 0;
    return std::min(kMaxColunaClique, static_cast<int>(std::floor((x - esquerda) / largura)));
}

bool TextGrid::estenderLinhaAte(const QPoint& ponto) {
    const QTextBlock bloco = cursorForPosition(ponto).block();
    const QRectF area = blockBoundingGeometry(bloco).translated(contentOffset());
    if (!bloco.isValid() || ponto.y() < area.top() || ponto.y() >= area.bottom()) return false;
    const int comprimento = bloco.length() - 1;
    const int coluna = colunaEm(ponto.x());
    if (coluna <= comprimento) return false;
    const bool modificado = document()->isModified();
    QTextCursor fim(bloco);
    fim.movePosition(QTextCursor::EndOfBlock);
    fim.insertText(QString(coluna - comprimento, QLatin1Char(' ')));
    document()->setModified(modificado);
    return true;
}

bool TextGrid::event(QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (atalhos_.contains(QKeySequence(tecla->keyCombination()))) {
            evento->ignore();  // the menu item runs instead
            return true;
        }
    }
    return QPlainTextEdit::event(evento);
}

void TextGrid::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (tecla == Qt::Key_Insert && evento->modifiers() == Qt::NoModifier) {
        setModoCorrecao(!correcao_);
        return;
    }
    if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) &&
        (evento->modifiers() & Qt::ControlModifier)) {
        emit confirmacaoPedida();
        return;
    }
    if (correcao_ && teclaDeTexto(*evento) && sobrescrever(evento->text())) return;
    QPlainTextEdit::keyPressEvent(evento);
}

// The typed character takes the place of the one under the caret, when that one is a
// character of the line (at its end the text is simply added).
bool TextGrid::sobrescrever(const QString& texto) {
    QTextCursor c = textCursor();
    if (c.hasSelection() || c.atBlockEnd() || !imprimivel(document()->characterAt(c.position())))
        return false;
    c.beginEditBlock();
    c.deleteChar();
    c.insertText(texto);
    c.endEditBlock();
    setTextCursor(c);
    ensureCursorVisible();
    return true;
}

void TextGrid::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && evento->modifiers() == Qt::NoModifier)
        estenderLinhaAte(evento->position().toPoint());
    QPlainTextEdit::mousePressEvent(evento);
}

void TextGrid::insertFromMimeData(const QMimeData* origem) {
    if (!origem->hasText()) return;
    QString texto = origem->text();
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    QStringList limpas;
    for (const QString& linha : linhas) limpas << semControles(linha);
    textCursor().insertText(limpas.join(QLatin1Char('\n')));
    ensureCursorVisible();
}

}  // namespace trovale
