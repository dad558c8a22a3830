#include "ui/file_dialog/song_list_view.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <cmath>

#include "ui/file_dialog/column_header.h"

namespace trovale {

namespace {

// A value keeps 7 pixels clear of its column's right edge.
constexpr int kFolgaColuna = 7;

class CutTextDelegate : public QStyledItemDelegate {
  public:
    CutTextDelegate(SongListView* lista) : QStyledItemDelegate(lista), lista_(lista) {}

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
        return {QStyledItemDelegate::sizeHint(opcao, indice).width(), lista_->alturaLinha()};
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opcao, indice);
        if (opcao->rect.width() > 0) {
            opcao->text = SongListView::cortado(opcao->text, opcao->fontMetrics,
                                                opcao->rect.width() - kFolgaColuna);
        }
    }

  private:
    SongListView* lista_;
};

}  // namespace

SongListView::SongListView(QWidget* parent)
    : QTreeWidget(parent), cabecalho_(new ColumnHeader(this)) {
    setObjectName(QStringLiteral("ListaArquivos"));
    setHeader(cabecalho_);
    setColumnCount(3);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);  // the delegate cuts with "..."
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(new CutTextDelegate(this));
    cabecalho_->setStretchLastSection(true);
    cabecalho_->setMinimumSectionSize(24);
    connect(cabecalho_, &QHeaderView::sectionResized, this, [this] {
        if (!aplicando_ && cabecalho_->redimensionando()) lerFracoes();
    });
}

int SongListView::alturaLinha() const {
    return fontMetrics().height() + 6;
}

QString SongListView::cortado(const QString& texto, const QFontMetrics& metricas, int largura) {
    if (metricas.horizontalAdvance(texto) <= largura) return texto;
    const QString reticencias = QStringLiteral("...");
    QString parte = texto;
    while (!parte.isEmpty() && metricas.horizontalAdvance(parte + reticencias) > largura)
        parte.chop(1);
    return parte + reticencias;
}

void SongListView::setFracoes(const std::array<double, 3>& fracoes) {
    fracoes_ = fracoes;
    aplicarFracoes();
}

void SongListView::aplicarFracoes() {
    const int largura = viewport()->width();
    if (largura <= 0) return;
    aplicando_ = true;
    // The last column takes the rest, so that the three always fill the header.
    for (int i = 0; i < 2; ++i)
        cabecalho_->resizeSection(i, static_cast<int>(std::lround(fracoes_[i] * largura)));
    aplicando_ = false;
}

void SongListView::lerFracoes() {
    const int largura = viewport()->width();
    if (largura <= 0) return;
    for (int i = 0; i < 3; ++i)
        fracoes_[i] = std::min(1.0, static_cast<double>(cabecalho_->sectionSize(i)) / largura);
}

bool SongListView::viewportEvent(QEvent* evento) {
    const bool tratado = QTreeWidget::viewportEvent(evento);
    if (evento->type() == QEvent::Resize) aplicarFracoes();
    return tratado;
}

void SongListView::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Delete && evento->modifiers() == Qt::NoModifier) {
        emit apagarPedido();
        evento->accept();
        return;
    }
    QTreeWidget::keyPressEvent(evento);
}

void SongListView::keyboardSearch(const QString& busca) {
    if (busca.isEmpty() || !linhaDaLetra) return;
    const int linha = linhaDaLetra(busca.back());
    if (linha < 0) return;
    setCurrentItem(topLevelItem(linha));
    scrollToItem(topLevelItem(linha));
}

WholeRowsBox::WholeRowsBox(SongListView* lista, QWidget* parent) : QWidget(parent), lista_(lista) {
    lista_->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusProxy(lista_);
}

int WholeRowsBox::alturaPara(int linhas) const {
    return lista_->header()->sizeHint().height() + 2 * lista_->frameWidth() +
           linhas * lista_->alturaLinha();
}

QSize WholeRowsBox::minimumSizeHint() const {
    return {lista_->minimumSizeHint().width(), alturaPara(8)};
}

QSize WholeRowsBox::sizeHint() const {
    return {lista_->sizeHint().width(), alturaPara(12)};
}

// The few pixels left over stay blank below the list.
void WholeRowsBox::resizeEvent(QResizeEvent*) {
    const int linhas = std::max(1, (height() - alturaPara(0)) / lista_->alturaLinha());
    lista_->setGeometry(0, 0, width(), alturaPara(linhas));
}

}  // namespace trovale
