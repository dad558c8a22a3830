#include "ui/document_window/sheet_grid.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace trovale {

SheetGrid::SheetGrid(int coluna, QWidget* parent) : QWidget(parent), coluna_(coluna) {
    setObjectName(QStringLiteral("Image%1").arg(coluna + 1));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
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
    if (truncada) emit linhaTruncada();
}

}  // namespace trovale
