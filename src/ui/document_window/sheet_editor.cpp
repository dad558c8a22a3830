#include "ui/document_window/sheet_editor.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "ui/common/chord_sound.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/document_window/sheet_viewport.h"
#include "ui/template_window/element_drag.h"

namespace trovale {

const std::string SheetEditor::kSemDigitacao =
    "Acorde tem digitação indefinida. Nada há para analisar.";

namespace {

bool linhaDeTexto(int tipo) {
    return tipo == kTitleLine || tipo == kAuthorLine || isLyricKind(tipo);
}

}  // namespace

SheetEditor::SheetEditor(TImageForm& janela) : QObject(&janela), janela_(janela) {}

quintptr SheetEditor::identidade() const {
    return reinterpret_cast<quintptr>(&janela_);
}

void SheetEditor::observar(SheetGrid* grade) {
    grade->installEventFilter(this);
    grade->setAcceptDrops(true);
    grade->setMouseTracking(false);
}

void SheetEditor::ligarPaineis(PainelAcordes* lixo, PainelCopia* copia, PainelAcordes* lupa) {
    copia_ = copia;
    // The trash takes chords of this song's lines only: a copy from elsewhere has no place here.
    lixo->aceita = [this](const AcordeArrastado& a) {
        return a.origem == identidade() && a.acorde.line >= 0;
    };
    connect(lixo, &PainelAcordes::acordeSolto, this, &SheetEditor::soltarNoLixo);
    connect(copia, &PainelAcordes::acordeSolto, this, &SheetEditor::soltarNaCopia);
    connect(lupa, &PainelAcordes::acordeSolto, this, &SheetEditor::soltarNaLupa);
    connect(copia, &PainelCopia::escolhaPedida, this, &SheetEditor::escolherParaCopia);
}

// ---- Rows ------------------------------------------------------------------------------------

std::optional<std::pair<int, int>> SheetEditor::posicaoDaLinha(int linhaCancao,
                                                                int cursor) const {
    if (linhaCancao < 0) return {};
    std::optional<std::pair<int, int>> achada;
    std::size_t inicio = 0;
    for (int c = 0; c < kMaxColunas; ++c) {
        const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(c)];
        for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
            const SheetRow& linha = linhas[static_cast<std::size_t>(r)];
            if (linha.Line != linhaCancao) continue;
            if (!linha.Wrapped) return std::pair{c, r};
            // Pieces may stand in other columns or pages: the one starting last before the cursor.
            if (linha.Start <= static_cast<std::size_t>(std::max(cursor, 0)) &&
                (!achada || linha.Start >= inicio)) {
                achada = std::pair{c, r};
                inicio = linha.Start;
            }
        }
    }
    return achada;
}

const SheetRow& SheetEditor::linhaDaFolha(int coluna, int linha) const {
    return janela_.sheet_.Columns[static_cast<std::size_t>(coluna)][static_cast<std::size_t>(linha)];
}

bool SheetEditor::editavel(int coluna, int linha) const {
    const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)];
    if (linha < 0 || linha >= static_cast<int>(linhas.size())) return false;
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    return r.Line >= 0 && r.Height > 0 && linhaDeTexto(r.Kind);
}

void SheetEditor::editarLinha(int linhaCancao, int cursor) {
    const SongDocument& doc = janela_.doc_;
    if (linhaCancao < 0 || linhaCancao >= doc.lineCount() ||
        !linhaDeTexto(doc.LineKinds[static_cast<std::size_t>(linhaCancao)])) {
        encerrarEdicao();
        return;
    }
    if (editada_.linha != linhaCancao) historico_.closeGroup();
    editada_.linha = linhaCancao;
    editada_.digitando = true;
    const int comprimento = static_cast<int>(doc.Lines[static_cast<std::size_t>(linhaCancao)].size());
    editada_.cursor = std::clamp(cursor, 0, comprimento);
    mostrarCursor();
}

void SheetEditor::encerrarEdicao() {
    editada_ = {};
    historico_.closeGroup();
    mostrarCursor();
}

void SheetEditor::mostrarCursor() {
    const auto onde = posicaoDaLinha(editada_.linha, editada_.cursor);
    for (int c = 0; c < kMaxColunas; ++c) {
        SheetGrid* grade = janela_.grade(c);
        if (onde && onde->first == c)
            grade->setEdicao(onde->second,
                             editada_.cursor -
                                 static_cast<int>(linhaDaFolha(c, onde->second).Start),
                             editada_.digitando);
        else
            grade->setEdicao(-1, 0);
    }
    if (!onde) return;
    // The edited row is kept in view.
    const QRect r = janela_.grade(onde->first)->retanguloLinha(onde->second);
    const int alto = janela_.vista_->height();
    if (r.top() < janela_.deslocY_)
        janela_.rolarPara(r.top());
    else if (r.bottom() >= janela_.deslocY_ + alto)
        janela_.rolarPara(r.bottom() + 1 - alto);
}

void SheetEditor::aoDispor() {
    if (editada_.linha >= janela_.doc_.lineCount()) editada_ = {};
    mostrarCursor();
}

// ---- Undo ------------------------------------------------------------------------------------

void SheetEditor::concluir(const SongState& antes, int grupo) {
    historico_.record(antes, janela_.doc_, grupo);
    janela_.redispor();
}

void SheetEditor::registrarPasso(const SongState& antes) {
    historico_.closeGroup();
    historico_.record(antes, janela_.doc_);
    encerrarEdicao();
}

bool SheetEditor::desfazer() {
    const bool ajustes = historico_.undoChangesSettings();
    if (!historico_.undo(janela_.doc_)) return false;
    ajustes ? janela_.dispor() : janela_.redispor();
    return true;
}

bool SheetEditor::refazer() {
    const bool ajustes = historico_.redoChangesSettings();
    if (!historico_.redo(janela_.doc_)) return false;
    ajustes ? janela_.dispor() : janela_.redispor();
    return true;
}

// ---- Events ----------------------------------------------------------------------------------

bool SheetEditor::eventFilter(QObject* objeto, QEvent* evento) {
    auto* grade = qobject_cast<SheetGrid*>(objeto);
    if (!grade) return false;
    switch (evento->type()) {
        case QEvent::MouseButtonPress:
            pressionar(grade, static_cast<QMouseEvent*>(evento));
            return false;
        case QEvent::MouseMove:
            mover(grade, static_cast<QMouseEvent*>(evento));
            return true;
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(evento);
            const QPoint p = e->position().toPoint();
            escolhido_.reset();
            return escolherAcordeEm(grade->coluna(), grade->linhaEm(p.y()), p.x());
        }
        case QEvent::MouseButtonRelease:
            if (tocado_ && janela_.servicos_.som) janela_.servicos_.som->soltar();
            tocado_.reset();
            escolhido_.reset();
            arrastandoFolha_ = false;
            return false;
        case QEvent::KeyPress:
            return tecla(grade, static_cast<QKeyEvent*>(evento));
        case QEvent::FocusIn: {
            // Reached by Tab: a row is chosen at once, so that the focus shows.
            const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
            if ((razao == Qt::TabFocusReason || razao == Qt::BacktabFocusReason) && editada_.linha < 0)
                escolherPrimeiraLinha(grade);
            return false;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDropEvent*>(evento);
            if (aceitaSoltura(e) || elementoArrastado(e->mimeData()))
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(evento);
            const auto acorde = acordeDoMime(e->mimeData());
            const auto elemento = elementoArrastado(e->mimeData());
            const QPoint p = e->position().toPoint();
            const int linha = grade->linhaEm(p.y());
            if (elemento && soltarElemento(grade->coluna(), linha, *elemento))
                e->acceptProposedAction();
            else if (acorde && soltarNaFolha(grade->coluna(), linha, p.x(), *acorde))
                e->acceptProposedAction();
            else
                e->ignore();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace trovale
