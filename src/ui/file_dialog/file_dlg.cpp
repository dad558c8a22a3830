#include "ui/file_dialog/file_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "ui/file_dialog/column_header.h"
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

const char* const kArquivoAberto = "Operação bloqueada: arquivo (já) aberto.";
const char* const kIncompativel = "Arquivo incompatível ou defeituoso.";
const char* const kTarefaIncompleta =
    "Tarefa não completada: disco cheio, protegido ou defeituoso.";

QString texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString entreAspas(const QString& caminho) {
    return QLatin1Char('"') + caminho + QLatin1Char('"');
}

std::filesystem::path caminhoFs(const QString& caminho) {
    return std::filesystem::path(caminho.toStdString());
}

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

// ---- settings and folders ----

void TFileDlg::lerConfiguracao() {
    configuracao_ =
        carregarMusicas(fs_, caminhoFs(pastaPrograma_), pastaCancoes_.toStdString(), dialogs_);
    std::array<double, 3> fracoes{};
    for (int i = 0; i < 3; ++i) {
        ordem_[i] = configuracao_.colunas[i].coluna;
        fracoes[i] = configuracao_.colunas[i].largura;
    }
    Lista->setFracoes(fracoes);
    atualizarCabecalho();
}

// The stored folder when it can be used; else the songs folder, made when missing; the
// program's own folder as a last resort.
void TFileDlg::carregarArvore() {
    QString inicial = pasta_.isEmpty() ? QString::fromStdString(configuracao_.pasta) : pasta_;
    if (verificarPasta(inicial, pasta_.isEmpty() ? QString() : volume_) != EstadoPasta::Pronta) {
        QDir().mkpath(pastaCancoes_);
        inicial = pastaCancoes_;
        if (verificarPasta(inicial) != EstadoPasta::Pronta) inicial = pastaPrograma_;
    }
    mudandoArvore_ = true;
    TreeView->carregarRaizes();
    mudandoArvore_ = false;
    pasta_.clear();
    abrirPasta(inicial);
}

bool TFileDlg::abrirPasta(const QString& pasta) {
    const QString alvo = QDir::cleanPath(QDir(pasta_).absoluteFilePath(pasta));
    QTreeWidgetItem* item = TreeView->abrirAte(alvo);
    if (!item || FolderTree::caminho(item) != alvo) {
        pastaUtil(alvo, {});
        return false;
    }
    if (TreeView->currentItem() == item) {
        if (!pastaUtil(alvo, FolderTree::volume(item))) return false;
        definirPasta(alvo, FolderTree::volume(item));
    } else {
        TreeView->setCurrentItem(item);
    }
    TreeView->scrollToItem(item);
    return pasta_ == alvo;
}

void TFileDlg::arvoreMudou(QTreeWidgetItem* atual, QTreeWidgetItem* anterior) {
    if (mudandoArvore_ || !atual) return;
    mostrarDicas(false);
    const QString pasta = FolderTree::caminho(atual);
    const QString volume = FolderTree::volume(atual);
    if (!pastaUtil(pasta, volume)) {
        // The tree goes back to the folder the list still shows.
        const QSignalBlocker bloqueio(TreeView);
        TreeView->setCurrentItem(anterior);
        return;
    }
    definirPasta(pasta, volume);
}

bool TFileDlg::pastaUtil(const QString& pasta, const QString& volume) {
    switch (verificarPasta(pasta, volume)) {
        case EstadoPasta::Pronta:
            return true;
        case EstadoPasta::DispositivoAusente:
            aviso(
                QStringLiteral("Atenção: o dispositivo de leitura/gravação não está carregado. ") +
                entreAspas(pasta));
            return false;
        case EstadoPasta::Impropria:
            break;
    }
    aviso(QStringLiteral("Arquivo/caminho impróprio ou dispositivo inválido/defeituoso ") +
          entreAspas(pasta));
    return false;
}

void TFileDlg::definirPasta(const QString& pasta, const QString& volume) {
    pasta_ = pasta;
    volume_ = volume;
    mostrarPastaNoRotulo();
    relistar();
}

void TFileDlg::mostrarPastaNoRotulo() {
    const int largura = std::max(LabelDir->width(), 40);
    LabelDir->setText(LabelDir->fontMetrics().elidedText(pasta_, Qt::ElideMiddle, largura));
    LabelDir->setToolTip(pasta_);
}

// ---- the list ----

void TFileDlg::atualizarCabecalho() {
    // A songbook takes many songs at once, which the other modes never do: say how.
    if (modo() == Modo::Caderno)
        LabelLista->setText(QStringLiteral("Selecione as músicas do caderno (Ctrl ou Shift com "
                                           "o clique) ou anote-as, e aperte Confirmar:"));
    else
        LabelLista->setText(QStringLiteral("Lista de arquivos ") + mascara_ +
                            QStringLiteral(" no diretório (ou pasta) acima, ordenados pelos "
                                           "primeiros atributos:"));
    QStringList titulos;
    for (ColunaArquivo c : ordem_) titulos << QString::fromUtf8(nomeColuna(c));
    Lista->setHeaderLabels(titulos);
}

void TFileDlg::relistar() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ListagemPasta listagem = listarPasta(pasta_, mascara_);
    QGuiApplication::restoreOverrideCursor();
    for (const QString& nome : listagem.ilegiveis)
        aviso(QStringLiteral("Arquivo incompatível ou defeituoso :") + nome);
    arquivos_ = std::move(listagem.arquivos);
    reordenar();
}

void TFileDlg::reordenar() {
    const QStringList selecionados = nomesSelecionados();
    linhas_ = ordenarListagem(arquivos_, ordem_);
    mostrarLinhas(selecionados);
}

void TFileDlg::mostrarLinhas(const QStringList& selecionar) {
    preenchendo_ = true;
    Lista->clear();
    QList<QTreeWidgetItem*> itens;
    itens.reserve(linhas_.size());
    for (const LinhaOrdenada& linha : linhas_) {
        QStringList valores;
        for (ColunaArquivo c : ordem_) valores << linha.arquivo.valor(c);
        itens << new QTreeWidgetItem(valores);
    }
    Lista->addTopLevelItems(itens);
    bool primeiro = true;
    for (int i = 0; i < linhas_.size(); ++i) {
        if (!selecionar.contains(linhas_[i].arquivo.nome)) continue;
        if (primeiro) Lista->setCurrentItem(itens[i], 0, QItemSelectionModel::NoUpdate);
        itens[i]->setSelected(true);
        primeiro = false;
    }
    preenchendo_ = false;
}

void TFileDlg::selecaoMudou() {
    if (preenchendo_) return;
    mostrarDicas(false);
    QTreeWidgetItem* item = Lista->currentItem();
    if (!item || !item->isSelected()) {
        const QList<QTreeWidgetItem*> selecionados = Lista->selectedItems();
        item = selecionados.isEmpty() ? nullptr : selecionados.first();
    }
    if (item) Edit->setText(linhas_[Lista->indexOfTopLevelItem(item)].arquivo.nome);
}

void TFileDlg::selecionarLinha(int linha) {
    if (linha < 0 || linha >= Lista->topLevelItemCount()) return;
    Lista->setCurrentItem(Lista->topLevelItem(linha));
    Lista->scrollToItem(Lista->topLevelItem(linha));
}

QList<int> TFileDlg::linhasSelecionadas() const {
    QList<int> linhas;
    for (int i = 0; i < Lista->topLevelItemCount(); ++i)
        if (Lista->topLevelItem(i)->isSelected()) linhas << i;
    return linhas;
}

QStringList TFileDlg::nomesSelecionados() const {
    QStringList nomes;
    for (int linha : linhasSelecionadas()) nomes << linhas_[linha].arquivo.nome;
    return nomes;
}

QString TFileDlg::caminhoDe(const QString& nome) const {
    return QDir(pasta_).filePath(nome);
}

void TFileDlg::trocarColunas(int de, int para) {
    mostrarDicas(false);
    if (de == para || de < 0 || para < 0 || de > 2 || para > 2) return;
    std::swap(ordem_[de], ordem_[para]);
    std::array<double, 3> fracoes = Lista->fracoes();
    std::swap(fracoes[de], fracoes[para]);
    atualizarCabecalho();
    Lista->setFracoes(fracoes);
    reordenar();
}

QMenu* TFileDlg::menuDaLista() {
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("Selecionar tudo"), Lista, &QTreeWidget::selectAll);
    const bool selecao = !Lista->selectedItems().isEmpty();
    for (int coluna = 1; coluna <= 3; ++coluna) {
        QAction* acao = menu->addAction(QStringLiteral("Copiar coluna %1").arg(coluna), this,
                                        [this, coluna] { copiarColuna(coluna); });
        acao->setEnabled(selecao);
    }
    // The keyboard's way to what dragging the column titles does.
    menu->addSeparator();
    menu->addAction(QStringLiteral("Trocar colunas 1 e 2"), this, [this] { trocarColunas(0, 1); });
    menu->addAction(QStringLiteral("Trocar colunas 2 e 3"), this, [this] { trocarColunas(1, 2); });
    return menu;
}

void TFileDlg::copiarColuna(int coluna) {
    QString texto;
    for (int linha : linhasSelecionadas())
        texto += linhas_[linha].arquivo.valor(ordem_[coluna - 1]) + QLatin1Char('\n');
    if (!texto.isEmpty()) QGuiApplication::clipboard()->setText(texto);
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

// ---- "&Confirmar" ----

std::optional<QString> TFileDlg::resolverNome() {
    QString nome = Edit->text().trimmed();
    if (nome.isEmpty() || nome.contains(QLatin1Char('*'))) return std::nullopt;
    const QString arquivo = nome.section(QLatin1Char('/'), -1);
    if (arquivo.isEmpty()) return std::nullopt;
    const QStringList extensoes = extensoesDaMascara(mascara_);
    const qsizetype ponto = arquivo.lastIndexOf(QLatin1Char('.'));
    if (ponto < 0) {
        nome += extensoes.value(0);
    } else if (!extensoes.contains(arquivo.mid(ponto), Qt::CaseInsensitive)) {
        aviso(QStringLiteral("Extensão deve ser forçosamente igual a ") +
              entreAspas(extensoes.join(QStringLiteral("\" ou \""))) + QLatin1Char('.'));
        return std::nullopt;
    }
    QString caminho;
    if (nome.startsWith(QLatin1Char('/')))
        caminho = nome;
    else if (nome == QLatin1String("~") || nome.startsWith(QLatin1String("~/")))
        caminho = QDir::homePath() + nome.mid(1);
    else  // "./x" and "../x" too: the folder on show is the one the user sees
        caminho = caminhoDe(nome);
    return QDir::cleanPath(caminho);
}

void TFileDlg::BtnOKClick() {
    mostrarDicas(false);
    if (modo() == Modo::Caderno) {
        if (confirmarCaderno()) accept();
        return;
    }
    const std::optional<QString> caminho = resolverNome();
    if (!caminho) return;
    std::error_code erro;
    const bool existe = std::filesystem::exists(caminhoFs(*caminho), erro);
    if (erro) {
        aviso(texto(kMensagemNaoAberto));
        return;
    }
    indiceAberto_ = -1;
    bool feito = false;
    switch (modo()) {
        case Modo::Abrir:
            feito = confirmarAbrir(*caminho, existe);
            break;
        case Modo::Salvar:
            feito = confirmarSalvar(*caminho);
            break;
        case Modo::Importar:
            feito = confirmarImportar(*caminho);
            break;
        case Modo::Exportar:
            feito = confirmarExportar(*caminho);
            break;
    }
    if (!feito) return;
    caminho_ = *caminho;
    accept();
}

bool TFileDlg::confirmarAbrir(const QString& caminho, bool existe) {
    const int indice = operacoes_.indiceAberto ? operacoes_.indiceAberto(caminho) : -1;
    if (indice >= 0) {
        indiceAberto_ = indice;
        aviso(texto(kArquivoAberto));
        return false;
    }
    // Another kind of file (a repertoire) is only read by whoever asked for it.
    if (!mascara_.endsWith(QStringLiteral(".dec"), Qt::CaseInsensitive)) {
        if (lerInicioArquivoRegular(caminhoFs(caminho), 1)) return true;
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    // A song in the list has been read already; a file listed by its name alone is no song,
    // and the check below says so.
    const QFileInfo info(caminho);
    const bool listado =
        existe && info.absolutePath() == pasta_ &&
        std::any_of(linhas_.begin(), linhas_.end(), [&info](const LinhaOrdenada& l) {
            return l.arquivo.nome == info.fileName() && !l.arquivo.titulo.isEmpty();
        });
    return listado || arquivoDeCancao(caminho);
}

bool TFileDlg::arquivoDeCancao(const QString& caminho) {
    const auto inicio = lerInicioArquivoRegular(caminhoFs(caminho), 16);
    if (!inicio) {
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    if (!marcaDeCancao(*inicio)) {
        aviso(texto(kIncompativel));
        return false;
    }
    return true;
}

bool TFileDlg::mesmoArquivo(const QString& a, const QString& b) const {
    if (a.isEmpty() || b.isEmpty() || b == QStringLiteral("Sem título")) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

bool TFileDlg::substituirExistente(const QString& caminho, const QString& mostrado) {
    if (!QFileInfo::exists(caminho)) return true;
    return dialogs_.pergunta(5, mostrado.toStdString()) == Resposta::Sim;
}

bool TFileDlg::confirmarSalvar(const QString& caminho) {
    const QString ativo = operacoes_.arquivoAtivo ? operacoes_.arquivoAtivo() : QString();
    if (!mesmoArquivo(caminho, ativo)) {
        const int indice = operacoes_.indiceAberto ? operacoes_.indiceAberto(caminho) : -1;
        if (indice >= 0) {
            indiceAberto_ = indice;
            aviso(texto(kArquivoAberto));
            return false;
        }
        if (!substituirExistente(caminho, caminho)) return false;
    }
    if (!operacoes_.salvarAtivo) {
        aviso(texto(kMensagemArquivoImproprio));
        return false;
    }
    return operacoes_.salvarAtivo(caminho);
}

bool TFileDlg::confirmarImportar(const QString& caminho) {
    if (!lerInicioArquivoRegular(caminhoFs(caminho), 1) || !operacoes_.importar) {
        aviso(texto(kMensagemNaoAberto));
        return false;
    }
    return operacoes_.importar(caminho);
}

bool TFileDlg::confirmarExportar(const QString& caminho) {
    if (!substituirExistente(caminho, caminho)) return false;
    if (!operacoes_.exportar) {
        aviso(texto(kMensagemArquivoImproprio));
        return false;
    }
    return operacoes_.exportar(caminho);
}

// The songs of a book: what was noted, else the rows selected, else the name typed.
bool TFileDlg::confirmarCaderno() {
    escolhidos_ = anotados_;
    if (escolhidos_.isEmpty())
        for (const QString& nome : nomesSelecionados()) escolhidos_ << caminhoDe(nome);
    if (escolhidos_.isEmpty()) {
        const std::optional<QString> caminho = resolverNome();
        if (!caminho) return false;
        if (!arquivoDeCancao(*caminho)) return false;
        escolhidos_ << *caminho;
    }
    return true;
}

// ---- file operations ----

void TFileDlg::apagarSelecionados() {
    mostrarDicas(false);
    const QList<int> selecionadas = linhasSelecionadas();
    if (selecionadas.isEmpty()) return;
    if (verificarPasta(pasta_, volume_) != EstadoPasta::Pronta) {
        aviso(texto(kMensagemNaoAberto));
        return;
    }
    QStringList apagados;
    for (int linha : selecionadas) {
        const QString nome = linhas_[linha].arquivo.nome;
        const QString caminho = caminhoDe(nome);
        if (operacoes_.indiceAberto && operacoes_.indiceAberto(caminho) >= 0) {
            aviso(QStringLiteral("Arquivo ") + entreAspas(caminho) +
                  QStringLiteral(" está aberto e não pode ser deletado."));
            continue;
        }
        if (dialogs_.pergunta(6, caminho.toStdString()) == Resposta::Nao) continue;
        bool removido = false;
        try {
            removido = fs_.remove(caminhoFs(caminho));
        } catch (const FileSystemError&) {
        }
        if (!removido) {
            aviso(QStringLiteral("Arquivo ") + entreAspas(caminho) +
                  QStringLiteral(" não encontrado (ou dispositivo protegido contra gravação)."));
            continue;
        }
        apagados << nome;
        anotados_.removeAll(caminho);
    }
    BtnCopia->setEnabled(!anotados_.isEmpty());
    if (apagados.isEmpty()) return;
    arquivos_.removeIf([&](const ArquivoListado& a) { return apagados.contains(a.nome); });
    linhas_.removeIf([&](const LinhaOrdenada& l) { return apagados.contains(l.arquivo.nome); });
    mostrarLinhas({});
    if (linhas_.isEmpty()) {
        Edit->clear();
        return;
    }
    selecionarLinha(std::min(selecionadas.first(), static_cast<int>(linhas_.size()) - 1));
}

void TFileDlg::BtnAnotaClick() {
    mostrarDicas(false);
    anotados_.clear();
    for (const QString& nome : nomesSelecionados()) anotados_ << caminhoDe(nome);
    BtnCopia->setEnabled(!anotados_.isEmpty());
}

void TFileDlg::BtnCopiaClick() {
    mostrarDicas(false);
    if (anotados_.isEmpty()) return;
    if (verificarPasta(QFileInfo(anotados_.first()).absolutePath()) != EstadoPasta::Pronta) {
        aviso(QStringLiteral("Atenção: dispositivo de origem não carregado ou caminho inválido."));
        return;
    }
    if (verificarPasta(pasta_, volume_) != EstadoPasta::Pronta) {
        aviso(QStringLiteral("Atenção: dispositivo de destino não carregado ou caminho inválido."));
        return;
    }
    for (const QString& de : std::as_const(anotados_)) {
        const QString nome = QFileInfo(de).fileName();
        const QString para = caminhoDe(nome);
        const QFileInfo destino(para);
        // Copying a file onto itself would only ask a pointless question.
        if (destino.exists() && destino.canonicalFilePath() == QFileInfo(de).canonicalFilePath())
            continue;
        if (destino.exists() && dialogs_.pergunta(5, nome.toStdString()) != Resposta::Sim) continue;
        std::error_code erro;
        bool copiado = std::filesystem::is_regular_file(caminhoFs(de), erro);
        try {
            if (copiado) fs_.copyFile(caminhoFs(de), caminhoFs(para));
        } catch (const FileSystemError&) {
            copiado = false;
        }
        if (!copiado) {
            aviso(texto(kTarefaIncompleta));
            break;
        }
    }
    relistar();
}

void TFileDlg::BtnPadraoClick() {
    mostrarDicas(false);
    configuracao_.pasta = pasta_.toStdString();
    const std::array<double, 3> fracoes = Lista->fracoes();
    for (int i = 0; i < 3; ++i) configuracao_.colunas[i] = {ordem_[i], fracoes[i]};
    gravarMusicas(fs_, caminhoFs(pastaPrograma_), configuracao_, dialogs_);
}

void TFileDlg::guardarFonteEditor(int fonte) {
    configuracao_.fonteEditor = fonte;
    gravarMusicas(fs_, caminhoFs(pastaPrograma_), configuracao_, dialogs_);
}

void TFileDlg::BtnRefreshClick() {
    mostrarDicas(false);
    if (!pastaUtil(pasta_, volume_)) {
        arquivos_.clear();
        linhas_.clear();
        mostrarLinhas({});
        return;
    }
    relistar();
}

}  // namespace trovale
