// Typing on the sheet: text put into the edited row, the caret moved, and the keyboard choosing
// a row without the mouse.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "base/text_codec.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/sheet_grid.h"

namespace trovale {

namespace {

constexpr int kPausaDigitacaoMs = 1000;  // typing after a pause is a step of its own

}  // namespace

void SheetEditor::mudarTexto(std::string texto, int cursor) {
    SongDocument& doc = janela_.doc_;
    const SongState antes = stateOf(doc);
    doc.Lines[static_cast<std::size_t>(editada_.linha)] = std::move(texto);
    doc.Modified = true;
    if (!ultimaTecla_.isValid() || ultimaTecla_.elapsed() > kPausaDigitacaoMs)
        historico_.closeGroup();
    ultimaTecla_.start();
    editada_.cursor = cursor;
    editada_.xDesejado = -1;
    concluir(antes, editada_.linha + 1);
}

void SheetEditor::moverVertical(int direcao) {
    const auto onde = posicaoDaLinha(editada_.linha, editada_.cursor);
    if (!onde) return;
    const auto& [coluna, linha] = *onde;
    const SheetRow& atual = linhaDaFolha(coluna, linha);
    if (editada_.xDesejado < 0)
        editada_.xDesejado =
            atual.Indent +
            janela_.medida_->textWidth(
                atual.Kind, std::string_view(atual.Text).substr(
                                0, static_cast<std::size_t>(editada_.cursor) - atual.Start));
    const int total = static_cast<int>(janela_.sheet_.Columns[static_cast<std::size_t>(coluna)].size());
    for (int r = linha + direcao; r >= 0 && r < total; r += direcao) {
        if (!editavel(coluna, r)) continue;
        const SheetRow& alvo = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)]
                                                    [static_cast<std::size_t>(r)];
        const int x = editada_.xDesejado;
        editada_.linha = alvo.Line;
        editada_.cursor = static_cast<int>(alvo.Start) +
                          charactersFitting(*janela_.medida_, alvo.Kind, alvo.Text, x - alvo.Indent);
        editada_.xDesejado = x;
        historico_.closeGroup();
        mostrarCursor();
        return;
    }
    // No row to go to: the sheet scrolls instead.
    janela_.rolarPassos(direcao);
}

// The first text row of the grid's column that is in view, chosen without typing.
void SheetEditor::escolherPrimeiraLinha(SheetGrid* grade) {
    const int coluna = grade->coluna();
    const int total = static_cast<int>(janela_.sheet_.Columns[static_cast<std::size_t>(coluna)].size());
    const int topo = std::max(grade->linhaEm(janela_.deslocY_), 0);
    for (int r = topo; r < total; ++r) {
        if (!editavel(coluna, r)) continue;
        const SheetRow& linha = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)]
                                                     [static_cast<std::size_t>(r)];
        editada_ = {linha.Line, static_cast<int>(linha.Start + linha.Text.size()), -1, false};
        mostrarCursor();
        return;
    }
}

bool SheetEditor::teclaSemDigitar(SheetGrid* grade, QKeyEvent* evento) {
    const int tecla = evento->key();
    if (editada_.linha < 0) {
        if (tecla != Qt::Key_Down && tecla != Qt::Key_Up) return false;
        escolherPrimeiraLinha(grade);
        return true;
    }
    switch (tecla) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            moverVertical(tecla == Qt::Key_Up ? -1 : 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            editada_.digitando = true;
            editada_.cursor =
                static_cast<int>(janela_.doc_.Lines[static_cast<std::size_t>(editada_.linha)].size());
            mostrarCursor();
            return true;
        case Qt::Key_Escape:
            encerrarEdicao();
            return true;
        default:
            return false;
    }
}

bool SheetEditor::tecla(SheetGrid* grade, QKeyEvent* evento) {
    if (editada_.linha < 0 || !editada_.digitando) return teclaSemDigitar(grade, evento);
    const std::string& texto = janela_.doc_.Lines[static_cast<std::size_t>(editada_.linha)];
    const int n = static_cast<int>(texto.size());
    int& cursor = editada_.cursor;
    switch (evento->key()) {
        case Qt::Key_Left: if (cursor > 0) --cursor; break;
        case Qt::Key_Right: if (cursor < n) ++cursor; break;
        case Qt::Key_Home: cursor = 0; break;
        case Qt::Key_End: cursor = n; break;
        case Qt::Key_Up: moverVertical(-1); return true;
        case Qt::Key_Down: moverVertical(1); return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: return false;  // the view scrolls a screen
        case Qt::Key_Backspace:
            if (cursor == 0) break;
            mudarTexto(texto.substr(0, static_cast<std::size_t>(cursor - 1)) +
                           texto.substr(static_cast<std::size_t>(cursor)),
                       cursor - 1);
            return true;
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Typing ends; the row stays chosen for the arrows.
            editada_.digitando = false;
            historico_.closeGroup();
            mostrarCursor();
            return true;
        case Qt::Key_Tab:
            return true;
        default: {
            const QString digitado = evento->text();
            if (digitado.isEmpty() || !digitado.at(0).isPrint() ||
                (evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return false;
            const std::string bytes = windows1252DeUtf8(digitado.toStdString());
            const bool semForma = bytes.find('?') != std::string::npos && !digitado.contains('?');
            if (semForma || n + static_cast<int>(bytes.size()) > kMaxLineLength) {
                QApplication::beep();
                return true;
            }
            mudarTexto(texto.substr(0, static_cast<std::size_t>(cursor)) + bytes +
                           texto.substr(static_cast<std::size_t>(cursor)),
                       cursor + static_cast<int>(bytes.size()));
            return true;
        }
    }
    // Typing after the caret moved is a step of its own, as in a text editor.
    historico_.closeGroup();
    editada_.xDesejado = -1;
    mostrarCursor();
    return true;
}

}  // namespace trovale
