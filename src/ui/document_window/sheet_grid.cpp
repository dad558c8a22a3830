#include "ui/document_window/sheet_grid.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace trovale {

SheetGrid::SheetGrid(int coluna, QWidget* parent) : QWidget(parent), coluna_(coluna) {
    setObjectName(QStringLiteral("Image%1").arg(coluna + 1));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void SheetGrid::setPintura(const SheetPaint* pintura) {
    pintura_ = pintura;
    atualizarLinhas();
}

void SheetGrid::atualizarLinhas() {
    topos_.assign(1, 0);
    if (pintura_) {
        const std::vector<SheetRow>& linhas = pintura_->sheet.Columns[coluna_];
        topos_.reserve(linhas.size() + 1);
        for (const SheetRow& linha : linhas) topos_.push_back(topos_.back() + linha.Height);
    }
    const int largura = pintura_ ? pintura_->sheet.ColumnWidth[coluna_] : 0;
    resize(largura, columnDrawingHeight(pintura_ ? pintura_->sheet : Sheet{}, coluna_));
    update();
}

int SheetGrid::linhaEm(int y) const {
    if (y < 0 || y >= topos_.back()) return -1;
    // The last row starting at or above y; rows of no height are never hit.
    const auto depois = std::upper_bound(topos_.begin(), topos_.end(), y);
    return static_cast<int>(depois - topos_.begin()) - 1;
}

QRect SheetGrid::retanguloLinha(int linha) const {
    if (linha < 0 || linha >= numeroLinhas()) return {};
    return QRect(0, topos_[linha], width(), topos_[linha + 1] - topos_[linha]);
}

void SheetGrid::setEdicao(int linha, int cursor, bool digitando) {
    if (linha == linhaEditada_ && cursor == cursor_ && digitando == digitando_) return;
    const QRect antes = retanguloLinha(linhaEditada_);
    linhaEditada_ = linha;
    cursor_ = cursor;
    digitando_ = digitando;
    update(antes);
    update(retanguloLinha(linhaEditada_));
}

// A frame around the edited row and a caret after `cursor_` characters; a row only chosen by
// the keyboard has a dashed frame and no caret.
void SheetGrid::desenharEdicao(QPainter& p) const {
    const QRect r = retanguloLinha(linhaEditada_);
    if (!pintura_ || r.isEmpty()) return;
    QPen moldura(palette().color(QPalette::Highlight), digitando_ ? 1 : 2);
    if (!digitando_) moldura.setStyle(Qt::DashLine);
    p.setPen(moldura);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!digitando_) return;
    const int x = CaretX(p, *pintura_, coluna_, linhaEditada_, r, cursor_);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(x, r.top() + 2, x, r.bottom() - 1);
}

void SheetGrid::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    const QRect area = evento->rect();
    p.fillRect(area, Qt::white);
    if (!pintura_) return;
    bool truncada = false;
    for (int linha = std::max(linhaEm(area.top()), 0); linha < numeroLinhas(); ++linha) {
        if (topos_[linha] > area.bottom()) break;
        const QRect r = retanguloLinha(linha);
        if (r.height() > 0) truncada = DrawRow(p, *pintura_, coluna_, linha, r) || truncada;
    }
    if (linhaEditada_ >= 0 && retanguloLinha(linhaEditada_).intersects(area)) desenharEdicao(p);
    if (truncada) emit linhaTruncada();
}

}  // namespace trovale
