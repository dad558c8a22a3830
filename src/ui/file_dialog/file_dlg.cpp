#include "ui/file_dialog/file_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/dialogs.h"
#include "ui/file_dialog/column_header.h"
#include "ui/file_dialog/file_dlg_helpers.h"
#include "ui/file_dialog/folder_tree.h"
#include "ui/file_dialog/song_list_view.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

const char* const kDica1 =
    "1. A lista de arquivos é ordenada conforme a sequência das colunas, que pode ser alterada, "
    "agarrando-se e movendo-se seus identificadores com o \"mouse\". A largura de cada coluna "
    "também pode ser modificada, arrastando-se as fronteiras.";
const char* const kDica2 =
    "2. Para copiar a lista e colar num editor de textos, por exemplo, selecione as linhas "
    "desejadas e clique sobre a lista com o botão direito do \"mouse\". Daí, use o menu que se "
    "abrirá, onde também se pode \"Selecionar tudo\".";
const char* const kDica3 =
    "3. Para deletar um ou mais arquivos, selecione-os e aperte a tecla \"Del\" ou \"Delete\".";

QPushButton* botao(const QString& legenda, const char* nome, QWidget* parent,
                   const QString& dica = {}) {
    auto* b = new QPushButton(legenda, parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    if (!dica.isEmpty()) b->setToolTip(dica);
    return b;
}

}  // namespace

TFileDlg::TFileDlg(Dialogs& dialogs, QString pastaPrograma, QString pastaCancoes, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      pastaPrograma_(std::move(pastaPrograma)),
      pastaCancoes_(std::move(pastaCancoes)) {
    setObjectName(QStringLiteral("TFileDlg"));
    setWindowTitle(QStringLiteral(" Abrir arquivo existente"));
    setModal(true);
    setSizeGripEnabled(true);
    createControls();
    connectControls();
    lerConfiguracao();
    carregarArvore();
    ajustarTamanhos();
}

void TFileDlg::setOperacoes(OperacoesArquivo operacoes) {
    operacoes_ = std::move(operacoes);
}

void TFileDlg::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
}

void TFileDlg::setMascara(const QString& mascara) {
    if (mascara == mascara_) return;
    mascara_ = mascara;
    atualizarCabecalho();
    if (isVisible()) relistar();
}

TFileDlg::Modo TFileDlg::modo() const {
    QString titulo = windowTitle();
    if (titulo.startsWith(QLatin1Char(' '))) titulo.remove(0, 1);
    switch (titulo.isEmpty() ? 'A' : titulo[0].toUpper().toLatin1()) {
        case 'S':
            return Modo::Salvar;
        case 'I':
            return Modo::Importar;
        case 'E':
            return Modo::Exportar;
        case 'C':
            return Modo::Caderno;
        default:
            return Modo::Abrir;  // "A" and "O"
    }
}

OrdemColunas TFileDlg::ordemColunas() const {
    return ordem_;
}

bool TFileDlg::dicasVisiveis() const {
    return pilha_->currentIndex() == 1;
}

// ---- building the window ----

void TFileDlg::createControls() {
    auto* principal = new QGridLayout(this);
    auto* rotuloNome = new QLabel(QStringLiteral("Nome do arquivo:"), this);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setClearButtonEnabled(true);
    Edit->installEventFilter(this);
    rotuloNome->setBuddy(Edit);

    auto* rotuloPastas =
        new QLabel(QStringLiteral("Selecione o dispositivo e a pasta (diretório):"), this);
    TreeView = new FolderTree(this);
    rotuloPastas->setBuddy(TreeView);
    Dicas = new QLabel(QStringLiteral("\n") + texto(kDica1) + QStringLiteral("\n\n") +
                           texto(kDica2) + QStringLiteral("\n\n") + texto(kDica3),
                       this);
    Dicas->setObjectName(QStringLiteral("Dicas"));
    Dicas->setWordWrap(true);
    Dicas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Dicas->setMargin(6);
    auto* rolagemDicas = new QScrollArea(this);
    rolagemDicas->setWidget(Dicas);
    rolagemDicas->setWidgetResizable(true);
    rolagemDicas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolagemDicas->setFocusPolicy(Qt::NoFocus);
    pilha_ = new QStackedWidget(this);
    pilha_->addWidget(TreeView);
    pilha_->addWidget(rolagemDicas);

    LabelDir = new QLabel(this);
    LabelDir->setObjectName(QStringLiteral("LabelDir"));
    LabelDir->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelDir->setStyleSheet(QStringLiteral("font-weight: bold"));
    LabelDir->installEventFilter(this);  // a long path is shortened in the middle to fit
    LabelLista = new QLabel(this);
    LabelLista->setObjectName(QStringLiteral("LabelLista"));
    LabelLista->setWordWrap(true);
    Lista = new SongListView(this);
    LabelLista->setBuddy(Lista);
    auto* caixaLista = new WholeRowsBox(Lista, this);

    principal->addWidget(rotuloNome, 0, 0);
    principal->addWidget(Edit, 1, 0);
    principal->addWidget(rotuloPastas, 2, 0);
    principal->addWidget(pilha_, 3, 0);
    principal->addWidget(LabelDir, 4, 0);
    principal->addWidget(LabelLista, 5, 0);
    principal->addWidget(caixaLista, 6, 0);
    principal->addWidget(createButtons(), 0, 1, 7, 1);
    principal->setRowStretch(3, 2);
    principal->setRowStretch(6, 3);
    principal->setColumnStretch(0, 1);
    TreeView->setMinimumHeight(fontMetrics().height() * 6);
}

QWidget* TFileDlg::createButtons() {
    auto* coluna = new QWidget(this);
    auto* l = new QVBoxLayout(coluna);
    l->setContentsMargins(0, 0, 0, 0);
    BtnOK =
        botao(QStringLiteral("&Confirmar"), "BtnOK", coluna, QStringLiteral("Executar operação"));
    BtnOK->setDefault(true);
    BtnOK->setAutoDefault(true);
    BtnCancel = botao(QStringLiteral("C&ancelar"), "BtnCancel", coluna);
    BtnAnota = botao(QStringLiteral("Anotar"), "BtnAnota", coluna,
                     QStringLiteral("... arquivos destacados para copiar em outro "
                                    "dispositivo/diretório"));
    BtnCopia = botao(QStringLiteral("Copiar"), "BtnCopia", coluna,
                     QStringLiteral("... os arquivos anotados para o diretório corrente"));
    BtnCopia->setEnabled(false);
    BtnPadrao = botao(QStringLiteral("Tornar &Padrão"), "BtnPadrao", coluna,
                      QStringLiteral("Diretório e opções de abertura"));
    BtnRefresh = botao(QStringLiteral("Atualizar lista"), "BtnRefresh", coluna);
    LabelDicas = botao(QStringLiteral("Ver dicas"), "LabelDicas", coluna);
    // It reads as a link, as the label it stands for did.
    LabelDicas->setFlat(true);
    LabelDicas->setCursor(Qt::PointingHandCursor);
    LabelDicas->setStyleSheet(
        QStringLiteral("QPushButton { color: palette(link); "
                       "text-decoration: underline; border: none; }"));
    BtnHelp = botao(QStringLiteral("Aj&uda"), "BtnHelp", coluna);
    BtnHelp->setEnabled(false);

    for (QPushButton* b : {BtnOK, BtnCancel}) l->addWidget(b);
    l->addSpacing(fontMetrics().height());
    for (QPushButton* b : {BtnAnota, BtnCopia}) l->addWidget(b);
    l->addSpacing(fontMetrics().height());
    for (QPushButton* b : {BtnRefresh, BtnPadrao}) l->addWidget(b);
    l->addStretch(1);
    for (QPushButton* b : {LabelDicas, BtnHelp}) l->addWidget(b);
    return coluna;
}

void TFileDlg::connectControls() {
    connect(BtnOK, &QPushButton::clicked, this, &TFileDlg::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAnota, &QPushButton::clicked, this, &TFileDlg::BtnAnotaClick);
    connect(BtnCopia, &QPushButton::clicked, this, &TFileDlg::BtnCopiaClick);
    connect(BtnPadrao, &QPushButton::clicked, this, &TFileDlg::BtnPadraoClick);
    connect(BtnRefresh, &QPushButton::clicked, this, &TFileDlg::BtnRefreshClick);
    connect(LabelDicas, &QPushButton::clicked, this, [this] { mostrarDicas(!dicasVisiveis()); });
    auto abrirAjuda = [this] {
        if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("arquivos.html"));
    };
    connect(BtnHelp, &QPushButton::clicked, this, abrirAjuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            abrirAjuda);

    connect(TreeView, &QTreeWidget::currentItemChanged, this, &TFileDlg::arvoreMudou);
    connect(Edit, &QLineEdit::textEdited, this, [this] {
        mostrarDicas(false);
        preenchendo_ = true;
        Lista->clearSelection();
        preenchendo_ = false;
    });
    connect(Lista, &QTreeWidget::itemSelectionChanged, this, &TFileDlg::selecaoMudou);
    connect(Lista, &QTreeWidget::itemDoubleClicked, this, &TFileDlg::BtnOKClick);
    connect(Lista, &SongListView::apagarPedido, this, &TFileDlg::apagarSelecionados);
    connect(Lista, &QWidget::customContextMenuRequested, this, [this](const QPoint& ponto) {
        QMenu* menu = menuDaLista();
        menu->exec(Lista->viewport()->mapToGlobal(ponto));
        menu->deleteLater();
    });
    connect(Lista->cabecalho(), &ColumnHeader::colunasTrocadas, this, &TFileDlg::trocarColunas);
    Lista->linhaDaLetra = [this](QChar letra) { return trovale::linhaDaLetra(linhas_, letra); };
}

// The designed width leaves room beside the list heading and the buttons; the narrowest window
// shows half the longest tip per line, within 4/5 of the designed width and all of it.
void TFileDlg::ajustarTamanhos() {
    const QFontMetrics fm(font());
    const QMargins margens = layout()->contentsMargins();
    const int botoes = layout()->itemAt(layout()->count() - 1)->sizeHint().width();
    const int projeto = fm.horizontalAdvance(LabelLista->text()) * 5 / 4 + botoes +
                        layout()->spacing() * 2 + margens.left() + margens.right();
    const int meiaDica = fm.horizontalAdvance(texto(kDica2)) / 2 + margens.left() + margens.right();
    setMinimumWidth(std::clamp(meiaDica, projeto * 4 / 5, projeto));
    resize(projeto, std::max(sizeHint().height(), fm.height() * 40));
}

// ---- the window on show ----

void TFileDlg::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    mostrarDicas(false);
    anotados_.clear();
    BtnCopia->setEnabled(false);
    caminho_.clear();
    escolhidos_.clear();
    indiceAberto_ = -1;
    atualizarCabecalho();
    const QStringList manter = nomesSelecionados();
    // Volumes come and go, and files change between showings.
    carregarArvore();
    BtnOK->setDefault(true);
    const Modo m = modo();
    if ((m == Modo::Abrir || m == Modo::Importar || m == Modo::Caderno) &&
        Lista->topLevelItemCount() > 0) {
        int linha = 0;
        for (int i = 0; i < linhas_.size(); ++i)
            if (!manter.isEmpty() && linhas_[i].arquivo.nome == manter.first()) linha = i;
        Lista->clearSelection();
        selecionarLinha(linha);
        Lista->setFocus();
    } else {
        preenchendo_ = true;
        Lista->clearSelection();
        preenchendo_ = false;
        Edit->clear();
        Edit->setFocus();
    }
}

void TFileDlg::mostrarDicas(bool mostrar) {
    if (mostrar == dicasVisiveis()) return;
    pilha_->setCurrentIndex(mostrar ? 1 : 0);
    LabelDicas->setText(mostrar ? QStringLiteral("Fechar dicas") : QStringLiteral("Ver dicas"));
    // While the tips show, any other action in the window closes them.
    if (mostrar)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool TFileDlg::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == LabelDir && evento->type() == QEvent::Resize) mostrarPastaNoRotulo();
    if (objeto == Edit && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown) &&
            Lista->topLevelItemCount() > 0) {
            Lista->setFocus();
            if (!Lista->currentItem())
                selecionarLinha(0);
            else
                QCoreApplication::sendEvent(Lista, evento);
            return true;
        }
    }
    if (dicasVisiveis() &&
        (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::KeyPress)) {
        auto* alvo = qobject_cast<QWidget*>(objeto);
        const bool soModificador = evento->type() == QEvent::KeyPress &&
                                   (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Shift ||
                                    static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Control ||
                                    static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Alt);
        if (alvo && alvo != LabelDicas && (alvo == this || isAncestorOf(alvo)) && !soModificador)
            mostrarDicas(false);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFileDlg::aviso(const QString& texto) {
    dialogs_.aviso(texto.toStdString());
}
}  // namespace trovale
