#include "ui/document_window/sheet_editor.h"

#include "catalogue/notes.h"
#include "ui/common/chord_sound.h"

#include <algorithm>

#include <QApplication>
#include <QDrag>
#include <QDropEvent>

#include "ui/template_window/element_drag.h"
#include <QKeyEvent>
#include <QMouseEvent>

#include "base/dialogs.h"
#include "base/text_codec.h"
#include "document/capo.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/document_window/sheet_viewport.h"

namespace trovale {

const std::string SheetEditor::kSemDigitacao =
    "Acorde tem digitação indefinida. Nada há para analisar.";

namespace {

constexpr int kDistanciaArrasto = 5;
constexpr int kPausaDigitacaoMs = 1000;  // typing after a pause is a step of its own
constexpr int kFatorArrastoFolha = 4;

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

// ---- Typing ----------------------------------------------------------------------------------

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

// ---- Mouse -----------------------------------------------------------------------------------

std::optional<AcordeArrastado> SheetEditor::acordeEm(int coluna, int linha, int x) const {
    const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)];
    if (linha < 0 || linha >= static_cast<int>(linhas.size())) return {};
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    if (!isChordKind(r.Kind) || r.Line < 0) return {};  // the diagram list has no place to leave
    const std::vector<PlacedChord> acordes = decodeChordLine(r.Text);
    for (std::size_t k = 0; k < acordes.size() && k < r.ChordExtents.size(); ++k) {
        const ChordExtent& e = r.ChordExtents[k];
        if (x < e.x || x > e.x + e.width) continue;
        const auto acorde =
            chordAt(janela_.doc_, r.Line, acordes[k].column + static_cast<int>(r.Start));
        if (!acorde) return {};
        return AcordeArrastado{*acorde, identidade()};
    }
    return {};
}

void SheetEditor::pressionar(SheetGrid* grade, QMouseEvent* evento) {
    const QPoint ponto = evento->position().toPoint();
    const int coluna = grade->coluna(), linha = grade->linhaEm(ponto.y());
    escolhido_.reset();
    arrastandoFolha_ = false;
    inicioArrasto_ = evento->globalPosition().toPoint();
    deslocInicialY_ = janela_.deslocY_;
    deslocInicialX_ = janela_.deslocX_;
    if (evento->button() == Qt::RightButton) {
        tocado_.reset();
        tocarAcordeEm(grade, ponto);
    }
    if (evento->button() != Qt::LeftButton) return;
    if (const auto acorde = acordeEm(coluna, linha, ponto.x())) {
        escolhido_ = Escolha{coluna, linha, *acorde, ponto};
        return;
    }
    arrastandoFolha_ = true;
    if (!editavel(coluna, linha)) return;
    const SheetRow& r = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)]
                                              [static_cast<std::size_t>(linha)];
    editarLinha(r.Line, static_cast<int>(r.Start) + charactersFitting(*janela_.medida_, r.Kind,
                                                                       r.Text,
                                                                       ponto.x() - 2 - r.Indent));
}

// The chord on its way is painted grey until the drag ends.
void SheetEditor::marcarArrastado(int linha, int coluna) {
    if (!janela_.pintura_) return;
    janela_.pintura_->linhaArrastada = linha;
    janela_.pintura_->colunaArrastada = coluna;
    for (SheetGrid* g : janela_.grades_) g->update();
}

std::optional<SheetEditor::AcordeOuvido> SheetEditor::acordeParaOuvir(int coluna, int linha,
                                                                      int x) const {
    if (const auto acorde = acordeEm(coluna, linha, x)) {
        const DraggedChord& a = acorde->acorde;
        return AcordeOuvido{{a.line, a.column}, a.symbol, a.fingering, a.typeCode};
    }
    const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)];
    if (linha < 0 || linha >= static_cast<int>(linhas.size())) return {};
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    if (!isChordKind(r.Kind) || r.Line >= 0) return {};
    const ChordTable& tabela = janela_.doc_.Chords;
    const std::vector<PlacedChord> acordes = decodeChordLine(r.Text);
    for (std::size_t k = 0; k < acordes.size() && k < r.ChordExtents.size(); ++k) {
        const ChordExtent& e = r.ChordExtents[k];
        const int n = acordes[k].chord;
        if (x < e.x || x > e.x + e.width || n < 0 || n >= tabela.size() || tabela.isFree(n))
            continue;
        const auto i = static_cast<std::size_t>(n);
        return AcordeOuvido{{-2 - linha, static_cast<int>(k)},
                            tabela.Symbols[i],
                            tabela.Fingerings[i],
                            tabela.TypeCodes[i]};
    }
    return {};
}

void SheetEditor::tocarAcordeEm(SheetGrid* grade, QPoint ponto) {
    SomDeAcordes* som = janela_.servicos_.som;
    if (!som) return;
    const auto acorde = acordeParaOuvir(grade->coluna(), grade->linhaEm(ponto.y()), ponto.x());
    if (!acorde || tocado_ == acorde->onde) return;
    tocado_ = acorde->onde;
    // What sounds is the shape moved up by the capo.
    const int capotraste = capotrasteDaCancao(janela_.doc_);
    if (const auto gravada = digitacaoDoTexto(acorde->digitacao)) {
        som->tocar(Decodificar(*gravada), capotraste);
        return;
    }
    const std::string simbolo = displaySymbol(acorde->simbolo);
    const std::size_t letras =
        simbolo.size() > 1 && (simbolo[1] == '#' || simbolo[1] == 'b') ? 2 : 1;
    const int tipo = std::atoi(acorde->tipo.c_str());
    const int raiz = notaDaGrafiaDeCifra(simbolo.substr(0, letras));
    if (janela_.servicos_.tipos.existe(tipo))
        som->tocarTipo(janela_.servicos_.tipos.tipo(tipo),
                       raiz == 0 ? 0 : reduzirNota(raiz + capotraste));
}

void SheetEditor::mover(SheetGrid* grade, QMouseEvent* evento) {
    if (evento->buttons() & Qt::RightButton) tocarAcordeEm(grade, evento->position().toPoint());
    if (!(evento->buttons() & Qt::LeftButton)) return;
    const QPoint agora = evento->globalPosition().toPoint();
    if (escolhido_) {
        const QPoint d = evento->position().toPoint() - escolhido_->ponto;
        if (std::abs(d.x()) < kDistanciaArrasto && std::abs(d.y()) < kDistanciaArrasto) return;
        const AcordeArrastado acorde = escolhido_->acorde;
        escolhido_.reset();
        auto* arrasto = new QDrag(grade);
        arrasto->setMimeData(mimeDoAcorde(acorde).release());
        marcarArrastado(acorde.acorde.line, acorde.acorde.column);
        arrasto->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
        marcarArrastado(-1, 0);
        return;
    }
    if (!arrastandoFolha_) return;
    const QPoint d = agora - inicioArrasto_;
    janela_.rolarPara(deslocInicialY_ - kFatorArrastoFolha * d.y());
    janela_.rolarHorizontalPara(deslocInicialX_ - kFatorArrastoFolha * d.x());
}

// ---- Choosing another chord ----------------------------------------------------------------

namespace {

// "C#m7" -> "C#": the note letter and its accidental.
std::string raizDoSimbolo(std::string_view exibido) {
    if (exibido.empty()) return {};
    const std::size_t n = exibido.size() > 1 && (exibido[1] == '#' || exibido[1] == 'b') ? 2 : 1;
    return std::string(exibido.substr(0, n));
}

}  // namespace

bool SheetEditor::escolherAcordeEm(int coluna, int linha, int x) {
    SongDocument& doc = janela_.doc_;
    const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)];
    if (!janela_.servicos_.escolherAcorde || doc.Template.Presentation == 0 || linha < 0 ||
        linha >= static_cast<int>(linhas.size()))
        return false;
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    if (!isChordKind(r.Kind)) return false;
    const std::vector<PlacedChord> acordes = decodeChordLine(r.Text);
    std::optional<PlacedChord> alvo;
    for (std::size_t k = 0; k < acordes.size() && k < r.ChordExtents.size(); ++k)
        if (x >= r.ChordExtents[k].x && x <= r.ChordExtents[k].x + r.ChordExtents[k].width)
            alvo = acordes[k];
    if (!alvo || alvo->chord < 0 || alvo->chord >= doc.Chords.size() ||
        doc.Chords.isFree(alvo->chord))
        return false;
    const int n = alvo->chord;
    const std::string exibido = displaySymbol(withoutVariantTag(doc.Chords.Symbols[n]));
    PedidoAcorde pedido{raizDoSimbolo(exibido), std::atoi(doc.Chords.TypeCodes[n].c_str()),
                        doc.Chords.Fingerings[n], exibido, r.Line < 0};
    const auto escolhido = janela_.servicos_.escolherAcorde(pedido);
    if (!escolhido) return false;

    const SongState antes = stateOf(doc);
    if (escolhido->todas || pedido.soDigitacao) {
        // Only the fingering of the list's chord changes; its symbol stays as it is.
        const bool mesmoSimbolo = pedido.soDigitacao ||
                                  withoutVariantTag(doc.Chords.Symbols[n]) == escolhido->simbolo;
        const std::string simbolo =
            mesmoSimbolo ? doc.Chords.Symbols[n]
                         : MakeUniqueSymbol(doc, FindSameChord(doc, escolhido->simbolo,
                                                               escolhido->digitacao),
                                            escolhido->simbolo);
        const std::string tipo = pedido.soDigitacao ? doc.Chords.TypeCodes[n] : escolhido->tipo;
        ReplaceChordEverywhere(doc, n, simbolo, escolhido->digitacao, tipo);
        doc.Modified = true;
    } else {
        replaceChordAt(doc, r.Line, alvo->column + static_cast<int>(r.Start), escolhido->simbolo,
                       escolhido->digitacao, escolhido->tipo);
    }
    historico_.closeGroup();
    concluir(antes);
    return true;
}

bool SheetEditor::escolherParaCopia() {
    if (!copia_ || !janela_.servicos_.escolherAcorde) return false;
    PedidoAcorde pedido;
    if (const auto& atual = copia_->acorde()) {
        pedido.cifra = displaySymbol(atual->symbol);
        pedido.raiz = raizDoSimbolo(pedido.cifra);
        pedido.tipo = std::atoi(atual->typeCode.c_str());
        pedido.digitacao = atual->fingering;
    }
    const auto escolhido = janela_.servicos_.escolherAcorde(pedido);
    if (!escolhido) return false;
    soltarNaCopia({{-1, 0, escolhido->simbolo, escolhido->digitacao, escolhido->tipo}, 0});
    return true;
}

// ---- Drops -----------------------------------------------------------------------------------

bool SheetEditor::aceitaSoltura(const QDropEvent* evento) const {
    return janela_.doc_.Template.Presentation != 0 && acordeDoMime(evento->mimeData());
}

bool SheetEditor::soltarElemento(int coluna, int linha, int tipo) {
    const Sheet& folha = janela_.sheet_;
    SongDocument& doc = janela_.doc_;
    const auto& linhas = folha.Columns[static_cast<std::size_t>(coluna)];
    const int cancao = linha >= 0 && linha < static_cast<int>(linhas.size())
                           ? linhas[static_cast<std::size_t>(linha)].Line
                           : -1;
    const auto tipoQueMuda = [](int k) { return isLyricKind(k) || k == kTitleLine || k == kAuthorLine; };
    const bool sobAcorde = cancao > 0 && isChordKind(doc.LineKinds[static_cast<std::size_t>(cancao - 1)]);
    if (cancao < 0 || !tipoQueMuda(doc.LineKinds[static_cast<std::size_t>(cancao)]) ||
        !tipoQueMuda(tipo) || ((tipo == kTitleLine || tipo == kAuthorLine) && sobAcorde)) {
        QApplication::beep();
        return false;
    }
    encerrarEdicao();
    std::uint8_t& tipoDaLinha = doc.LineKinds[static_cast<std::size_t>(cancao)];
    if (tipoDaLinha != tipo) {
        const SongState antes = stateOf(doc);
        tipoDaLinha = static_cast<std::uint8_t>(tipo);
        registrarPasso(antes);
        janela_.marcarModificado();
    }
    janela_.redispor();
    return true;
}

bool SheetEditor::soltarNaFolha(int coluna, int linha, int x, const AcordeArrastado& arrastado) {
    const Sheet& folha = janela_.sheet_;
    SongDocument& doc = janela_.doc_;
    const auto& linhas = folha.Columns[static_cast<std::size_t>(coluna)];
    const bool dentro = linha >= 0 && linha < folha.SongRowCount[static_cast<std::size_t>(coluna)] &&
                        x <= folha.ColumnTextWidth[static_cast<std::size_t>(coluna)];
    if (doc.Template.Presentation == 0 || !dentro) {
        QApplication::beep();
        return false;
    }
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    DropSite site;
    site.x = x;
    if (isLyricKind(r.Kind) && r.Line >= 0) {
        site.lyricLine = r.Line;
        const SheetRow* acima = linha > 0 ? &linhas[static_cast<std::size_t>(linha - 1)] : nullptr;
        if (acima && isChordKind(acima->Kind) && acima->Line >= 0 && !r.Text.empty()) {
            site.chordLine = acima->Line;
            site.extents = acima->ChordExtents;
        } else if (r.Wrapped && r.Line > 0 &&
                   isChordKind(doc.LineKinds[static_cast<std::size_t>(r.Line - 1)])) {
            // A piece with no chord over it yet: its line's chord line is above the first piece.
            site.chordLine = r.Line - 1;
        }
    } else if (isChordKind(r.Kind) && r.Line >= 0) {
        site.chordLine = r.Line;
        site.extents = r.ChordExtents;
        const SheetRow* abaixo =
            linha + 1 < static_cast<int>(linhas.size()) ? &linhas[static_cast<std::size_t>(linha + 1)]
                                                         : nullptr;
        if (abaixo && isLyricKind(abaixo->Kind) && abaixo->Line >= 0 && !abaixo->Text.empty())
            site.lyricLine = abaixo->Line;
    } else {
        QApplication::beep();
        return false;
    }
    if (r.Wrapped) verComoLinhaInteira(site, r);
    DraggedChord acorde = arrastado.acorde;
    if (arrastado.origem != identidade()) acorde.line = -1;  // from another song: a copy
    CopyPanelChord painel;
    const bool comPainel = copia_ && copia_->acorde();
    if (comPainel) painel = {copia_->simboloComMarca(), copia_->acorde()->fingering};

    const SongState antes = stateOf(doc);
    const DropResult r2 = dropChord(doc, site, acorde, *janela_.medida_, comPainel ? &painel : nullptr);
    if (r2.outcome == DropOutcome::InternalError) {
        janela_.servicos_.dialogs.aviso(kErroInterno);
        return false;
    }
    if (r2.outcome == DropOutcome::Refused) {
        QApplication::beep();
        return false;
    }
    historico_.closeGroup();
    concluir(antes);
    return true;
}

void SheetEditor::verComoLinhaInteira(DropSite& site, const SheetRow& pedaco) const {
    const SongDocument& doc = janela_.doc_;
    if (site.lyricLine < 0 || site.lyricLine >= doc.lineCount()) return;
    const std::string& letra = doc.Lines[static_cast<std::size_t>(site.lyricLine)];
    const int tipo = doc.LineKinds[static_cast<std::size_t>(site.lyricLine)];
    const TextMeasure& medida = *janela_.medida_;
    // What a piece's start is worth on the whole line, less its indent.
    const auto deslocamento = [&](const SheetRow& r) {
        return medida.textWidth(tipo, std::string_view(letra).substr(0, r.Start)) - r.Indent;
    };
    std::vector<const SheetRow*> acordes;
    std::size_t ultimoInicio = 0, fimDoPedaco = letra.size();
    for (const auto& coluna : janela_.sheet_.Columns)
        for (const SheetRow& r : coluna) {
            if (r.Line == site.lyricLine) {
                ultimoInicio = std::max(ultimoInicio, r.Start);
                if (r.Start == pedaco.Start) fimDoPedaco = r.Start + r.Text.size();
            }
            if (site.chordLine >= 0 && r.Line == site.chordLine && isChordKind(r.Kind))
                acordes.push_back(&r);
        }
    std::sort(acordes.begin(), acordes.end(),
              [](const SheetRow* a, const SheetRow* b) { return a->Start < b->Start; });
    site.extents.clear();
    for (const SheetRow* r : acordes)
        for (ChordExtent e : r->ChordExtents) {
            e.x += deslocamento(*r);
            site.extents.push_back(e);
        }
    site.x += deslocamento(pedaco);
    // Past the end of a piece that is not the last, the chord stays on that piece's last letter.
    if (pedaco.Start < ultimoInicio)
        site.x = std::min(site.x,
                          medida.textWidth(tipo, std::string_view(letra).substr(0, fimDoPedaco)) + 1);
}

bool SheetEditor::soltarNoLixo(const AcordeArrastado& acorde) {
    if (acorde.origem != identidade() || acorde.acorde.line < 0) return false;
    SongDocument& doc = janela_.doc_;
    const SongState antes = stateOf(doc);
    trashChord(doc, acorde.acorde.line, acorde.acorde.column);
    if (doc.Lines == antes.Lines) return false;
    historico_.closeGroup();
    concluir(antes);
    return true;
}

void SheetEditor::soltarNaCopia(const AcordeArrastado& acorde) {
    if (!copia_) return;
    const CopyPanelChord copia = copyForPanel(janela_.doc_, acorde.acorde);
    DraggedChord guardado = acorde.acorde;
    guardado.line = -1;
    copia_->setAcorde(guardado, identidade());
    copia_->setSimboloComMarca(copia.symbol);
    copia_->update();
}

void SheetEditor::soltarNaLupa(const AcordeArrastado& acorde) {
    if (acorde.acorde.fingering == kNoFingering) {
        janela_.servicos_.dialogs.aviso(kSemDigitacao);
        return;
    }
    if (janela_.servicos_.analisarDigitacao)
        janela_.servicos_.analisarDigitacao(acorde.acorde.fingering);
}

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
