// The mouse on the sheet: a chord picked and dragged away, the sheet itself dragged, and the
// right button sounding the chords it passes over.
#include <QDrag>
#include <QMouseEvent>
#include <cstdlib>

#include "catalogue/notes.h"
#include "document/capo.h"
#include "ui/common/chord_sound.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/sheet_grid.h"

namespace trovale {

namespace {

constexpr int kDistanciaArrasto = 5;
constexpr int kFatorArrastoFolha = 4;

}  // namespace

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

}  // namespace trovale
