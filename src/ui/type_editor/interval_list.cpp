#include "ui/type_editor/interval_list.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/type_editor/symbol_grid.h"

namespace trovale {

namespace {

const QColor kFundoMarcado(0x00, 0x00, 0x80);
constexpr int kPapelMarcado = Qt::UserRole;

// The name in bold, then the description; ticked items stand out even while the list is
// only shown.
class DelegadoIntervalo : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override {
        const bool marcado = indice.data(kPapelMarcado).toBool();
        const QString texto = indice.data().toString();
        const qsizetype espaco = texto.indexOf(QLatin1Char(' '));
        p->save();
        p->fillRect(opcao.rect, marcado ? kFundoMarcado : opcao.palette.color(QPalette::Base));
        p->setPen(marcado ? QColor(Qt::white) : opcao.palette.color(QPalette::Text));
        QFont negrito = opcao.font;
        negrito.setBold(true);
        const QRect caixa = opcao.rect.adjusted(4, 0, 0, 0);
        p->setFont(negrito);
        const QString nome = texto.left(espaco);
        p->drawText(caixa, Qt::AlignVCenter | Qt::AlignLeft, nome);
        const int x = QFontMetrics(negrito).horizontalAdvance(nome + QLatin1Char(' '));
        p->setFont(opcao.font);
        p->drawText(caixa.adjusted(x, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    texto.mid(espaco + 1));
        p->restore();
    }
};

}  // namespace

IntervalList::IntervalList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ListBox1"));
    setItemDelegate(new DelegadoIntervalo(this));
    // Clicks are the editor's: they toggle with exclusions, or nothing. The ticks are kept
    // apart from Qt's selection, which a list without selection refuses.
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    for (int codigo = 1; codigo <= kMaxCodigoIntervalo; ++codigo) {
        const std::string_view d = TabelaIntervalos[codigo].descricao;
        addItem(QString::fromUtf8(d.data(), static_cast<qsizetype>(d.size())));
    }
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(sizeHintForRow(0) * count() + 2 * frameWidth());
    setMinimumWidth(sizeHintForColumn(0) + 2 * frameWidth() + 16);
}

void IntervalList::mostrar(const SelecaoIntervalos& selecao) {
    for (int codigo = 1; codigo <= kMaxCodigoIntervalo; ++codigo)
        itemDoCodigo(codigo)->setData(kPapelMarcado, selecao[codigo]);
}

bool IntervalList::marcado(int codigo) const {
    return itemDoCodigo(codigo)->data(kPapelMarcado).toBool();
}

void IntervalList::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    const QModelIndex indice = indexAt(evento->position().toPoint());
    const int codigo = indice.isValid() ? indice.row() + 1 : kMaxCodigoIntervalo;
    inicioArrasto_ = evento->position().toPoint();
    emit clicado(codigo);
    codigoArrasto_ = arrastavel_ && marcado(codigo) ? codigo : 0;
}

void IntervalList::mouseMoveEvent(QMouseEvent* evento) {
    const bool longe = (evento->position().toPoint() - inicioArrasto_).manhattanLength() >=
                       QApplication::startDragDistance();
    if (!(evento->buttons() & Qt::LeftButton) || codigoArrasto_ == 0 || !longe) return;
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(mimeDoIntervalo(codigoArrasto_));
    codigoArrasto_ = 0;
    arrasto->exec(Qt::CopyAction);
}

}  // namespace trovale
