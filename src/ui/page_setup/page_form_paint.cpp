// TPageForm: the page picture, with the song's rows of the page shown, the margin lines and
// the column frames, the part of the edit entered last in red.
#include <QCheckBox>
#include <QPainter>

#include "render/page_preview.h"
#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_form.h"
#include "ui/page_setup/page_picture.h"

namespace trovale {

namespace {

constexpr double kMmPorPolegada = 25.4;
constexpr int kRecuo = 4;  // room around the paper for its border and shadow

QPen caneta(bool destacada, Qt::PenStyle estilo) {
    QPen pen(destacada ? QColor(Qt::red) : QColor(150, 150, 150));
    pen.setStyle(destacada ? Qt::SolidLine : estilo);
    pen.setWidthF(destacada ? 2 : 1);
    pen.setCosmetic(true);
    return pen;
}

void linhaVertical(QPainter& p, double x, double de, double ate) {
    p.drawLine(QPointF(x, de), QPointF(x, ate));
}

void linhaHorizontal(QPainter& p, double y, double de, double ate) {
    p.drawLine(QPointF(de, y), QPointF(ate, y));
}

// The margin lines across the whole paper and the column frames, grey; the part of the
// selected field is drawn last, in red, over whatever it shares a line with.
void pintarLinhas(QPainter& p, const GeometriaPagina& g, CampoLayout selecionado) {
    p.setBrush(Qt::NoBrush);
    for (bool destacada : {false, true}) {
        auto desenhar = [&](CampoLayout campo) { return (campo == selecionado) == destacada; };
        const QRectF& papel = g.papel;
        p.setPen(caneta(destacada, Qt::SolidLine));
        for (int c = 0; c < g.colunas; ++c)
            if (desenhar(static_cast<CampoLayout>(static_cast<int>(CampoLayout::Coluna1) + c)))
                p.drawRect(g.coluna[c]);
        if (destacada && selecionado == CampoLayout::EspacoColunas) {
            for (int c = 0; c + 1 < g.colunas; ++c) {
                linhaVertical(p, g.coluna[c].right(), g.topo, g.base);
                linhaVertical(p, g.coluna[c + 1].left(), g.topo, g.base);
            }
        }
        p.setPen(caneta(destacada, Qt::DashLine));
        if (desenhar(CampoLayout::MargemEsquerda))
            linhaVertical(p, g.esquerda, papel.top(), papel.bottom());
        if (desenhar(CampoLayout::MargemDireita))
            linhaVertical(p, g.direita, papel.top(), papel.bottom());
        if (desenhar(CampoLayout::MargemSuperior))
            linhaHorizontal(p, g.topo, papel.left(), papel.right());
        if (desenhar(CampoLayout::MargemInferior))
            linhaHorizontal(p, g.base, papel.left(), papel.right());
    }
}

}  // namespace

GeometriaPagina TPageForm::geometria() const {
    const QRectF quadro = QRectF(ImagemPagina->rect()).adjusted(kRecuo, kRecuo, -kRecuo, -kRecuo);
    return geometriaPagina(quadro, layout_, metricas_.larguraPapelMm, metricas_.alturaPapelMm);
}

void TPageForm::pintarPagina(QPainter& p) const {
    const GeometriaPagina g = geometria();
    p.fillRect(g.papel.translated(3, 3), palette().shadow());
    p.fillRect(g.papel, Qt::white);
    if (doc_) {
        const SheetPaint& folha = doc_->pintura();
        // Across, the sheet's screen pixels become millimetres of the paper; down, the rows of
        // the first page fill the height between the margins, as they do on the printer.
        const double escala = g.pxPorMm * kMmPorPolegada / std::max(1, doc_->dpi());
        const int alturaLinhas = alturaLinhasPagina(folha.sheet, 1);
        const double escalaVertical = alturaLinhas > 0 ? (g.base - g.topo) / alturaLinhas : escala;
        p.save();
        p.setClipRect(g.papel);
        for (int c = 0; c < g.colunas; ++c)
            DrawPageColumn(p, folha, pagina_, c, QPointF(g.coluna[c].left(), g.topo), escala,
                           escalaVertical);
        p.restore();
    }
    if (CheckBox->isChecked()) pintarLinhas(p, g, selecionado_);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.papel);
}

}  // namespace trovale
