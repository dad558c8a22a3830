#include "ui/type_editor/symbol_grid.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStyledItemDelegate>

#include "base/text_codec.h"
#include "render/qt_text.h"

namespace trovale {

namespace {

const QColor kCorTitulo(0xC0, 0xC0, 0xC0);

// Every key goes past the grid first, which may refuse it.
class EditorCelula : public QLineEdit {
  public:
    EditorCelula(SymbolGrid& grade, int linha, int coluna, QWidget* pai)
        : QLineEdit(pai), grade_(grade), linha_(linha), coluna_(coluna) {}

  protected:
    void keyPressEvent(QKeyEvent* evento) override {
        const QString texto = evento->text();
        const bool imprimivel = !texto.isEmpty() && texto.at(0).isPrint();
        const int comprimento = static_cast<int>(text().size() - selectedText().size());
        if (imprimivel && !grade_.aceitaTecla(linha_, coluna_, comprimento, texto.at(0))) return;
        QLineEdit::keyPressEvent(evento);
    }

  private:
    SymbolGrid& grade_;
    int linha_, coluna_;
};

class DelegadoCelula : public QStyledItemDelegate {
  public:
    explicit DelegadoCelula(SymbolGrid& grade) : QStyledItemDelegate(&grade), grade_(grade) {}
    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem&,
                          const QModelIndex& indice) const override {
        return new EditorCelula(grade_, indice.row(), indice.column(), pai);
    }

  private:
    SymbolGrid& grade_;
};

}  // namespace

QMimeData* mimeDoIntervalo(int codigo) {
    auto* mime = new QMimeData;
    const std::string_view nome = TabelaIntervalos.at(codigo).nome;
    mime->setData(kMimeIntervalo, QByteArray(nome.data(), static_cast<qsizetype>(nome.size())));
    return mime;
}

QMimeData* mimeDaCelula(int linha, int coluna) {
    auto* mime = new QMimeData;
    mime->setData(kMimeCelulaCifra, QByteArray::number(linha) + ',' + QByteArray::number(coluna));
    return mime;
}

SymbolGrid::SymbolGrid(Dialogs& dialogs, QWidget* parent)
    : QTableWidget(kLinhas, kColunas, parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("StringGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new DelegadoCelula(*this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    criarTitulos();
    connect(this, &QTableWidget::itemChanged, this, [this] { emit mudou(); });
}

void SymbolGrid::criarTitulos() {
    const QStringList titulos = {QStringLiteral("Textos"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("3"), QStringLiteral("(4)")};
    const QStringList linhas = {QStringLiteral("Sobrescrito"), QStringLiteral("Alinhado"),
                                QStringLiteral("Subscrito")};
    const QSignalBlocker bloqueio(this);
    for (int k = 0; k < kColunas; ++k) {
        for (int l = 0; l < kLinhas; ++l) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (l == 0 || k == 0) {
                item->setText(l == 0 ? titulos[k] : linhas[l - 1]);
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(kCorTitulo);
            }
            setItem(l, k, item);
        }
    }
    resizeColumnToContents(0);
    const int celula = fontMetrics().horizontalAdvance(QStringLiteral("MMMMM"));
    for (int k = 1; k < kColunas; ++k) setColumnWidth(k, celula);
    int largura = 2 * frameWidth(), altura = 2 * frameWidth();
    for (int k = 0; k < kColunas; ++k) largura += columnWidth(k);
    for (int l = 0; l < kLinhas; ++l) altura += rowHeight(l);
    setFixedSize(largura, altura);
}

void SymbolGrid::setGrade(const GradeCifra& grade) {
    const QSignalBlocker bloqueio(this);
    for (int c = 0; c < kPosicoesCifra; ++c)
        for (int l = 0; l < kLinhasGrade; ++l) item(l + 1, c + 1)->setText(qs(grade[c][l]));
}

GradeCifra SymbolGrid::grade() const {
    GradeCifra g;
    for (int c = 0; c < kPosicoesCifra; ++c)
        for (int l = 0; l < kLinhasGrade; ++l)
            g[c][l] = windows1252DeUtf8(item(l + 1, c + 1)->text().toStdString());
    return g;
}

bool SymbolGrid::aceitaTecla(int linha, int coluna, int comprimento, QChar tecla) {
    if (tecla.unicode() < 0x80 && caractereRecusadoNaCelula(static_cast<char>(tecla.unicode())))
        return false;
    if (!celulaAceitaTexto(grade(), coluna - 1, linha - 1)) {
        dialogs_.aviso(std::string(kMensagemTextosCentrais));
        return false;
    }
    if (comprimento >= kMaxTextoCelula) {
        dialogs_.aviso(std::string(kMensagemQuatroDigitos));
        return false;
    }
    return true;
}

void SymbolGrid::escrever(int linha, int coluna, const QString& texto) {
    const QSignalBlocker bloqueio(this);
    item(linha, coluna)->setText(texto);
}

bool SymbolGrid::soltar(const QMimeData& mime, int linha, int coluna) {
    if (linha < 1 || coluna < 1) return false;
    GradeCifra g = grade();
    QString texto;
    int linhaOrigem = -1, colunaOrigem = -1;
    if (mime.hasFormat(kMimeIntervalo)) {
        texto = QString::fromUtf8(mime.data(kMimeIntervalo));
    } else if (mime.hasFormat(kMimeCelulaCifra)) {
        const QList<QByteArray> partes = mime.data(kMimeCelulaCifra).split(',');
        if (partes.size() != 2) return false;
        linhaOrigem = partes[0].toInt();
        colunaOrigem = partes[1].toInt();
        if (linhaOrigem < 1 || linhaOrigem >= kLinhas || colunaOrigem < 1 ||
            colunaOrigem >= kColunas || (linhaOrigem == linha && colunaOrigem == coluna))
            return false;
        texto = item(linhaOrigem, colunaOrigem)->text();
        g[colunaOrigem - 1][linhaOrigem - 1].clear();
    }
    if (texto.isEmpty()) return false;
    if (!celulaAceitaTexto(g, coluna - 1, linha - 1)) {
        dialogs_.aviso(std::string(kMensagemTextosCentrais));
        return false;
    }
    if (linhaOrigem > 0) escrever(linhaOrigem, colunaOrigem, {});
    escrever(linha, coluna, texto.left(kMaxTextoCelula));
    emit mudou();
    return true;
}

void SymbolGrid::dragEnterEvent(QDragEnterEvent* evento) {
    const QMimeData* mime = evento->mimeData();
    if (mime->hasFormat(kMimeIntervalo) || mime->hasFormat(kMimeCelulaCifra))
        evento->acceptProposedAction();
    else
        evento->ignore();
}

void SymbolGrid::dragMoveEvent(QDragMoveEvent* evento) {
    const QModelIndex alvo = indexAt(evento->position().toPoint());
    if (alvo.row() >= 1 && alvo.column() >= 1)
        evento->acceptProposedAction();
    else
        evento->ignore();
}

void SymbolGrid::dropEvent(QDropEvent* evento) {
    const QModelIndex alvo = indexAt(evento->position().toPoint());
    if (alvo.isValid() && soltar(*evento->mimeData(), alvo.row(), alvo.column()))
        evento->acceptProposedAction();
    else
        evento->ignore();
}

void SymbolGrid::mousePressEvent(QMouseEvent* evento) {
    const QModelIndex celula = indexAt(evento->position().toPoint());
    const bool arrastavel = evento->button() == Qt::LeftButton && celula.row() >= 1 &&
                            celula.column() >= 1 && !celula.data().toString().isEmpty();
    linhaArrasto_ = arrastavel ? celula.row() : -1;
    colunaArrasto_ = celula.column();
    inicioArrasto_ = evento->position().toPoint();
    QTableWidget::mousePressEvent(evento);
}

void SymbolGrid::mouseMoveEvent(QMouseEvent* evento) {
    const bool longe = (evento->position().toPoint() - inicioArrasto_).manhattanLength() >=
                       QApplication::startDragDistance();
    if (!(evento->buttons() & Qt::LeftButton) || linhaArrasto_ < 0 || !longe) {
        QTableWidget::mouseMoveEvent(evento);
        return;
    }
    auto* arrasto = new QDrag(this);
    arrasto->setMimeData(mimeDaCelula(linhaArrasto_, colunaArrasto_));
    linhaArrasto_ = -1;
    arrasto->exec(Qt::MoveAction);
}

}  // namespace trovale
