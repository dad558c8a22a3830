#include "ui/main_window/trovale_form1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QScreen>
#include <QStackedWidget>

#include "catalogue/catalogue_commands.h"
#include "ui/aspect/aspect_form.h"
#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/start_panel.h"
#include "ui/main_window/start_picture.h"
#include "ui/main_window/startup_checks.h"
#include "ui/page_setup/page_form.h"
#include "ui/print/print_form.h"
#include "ui/template_window/template_form.h"

namespace trovale {

const QString TTrovaleForm1::kTitulo = QStringLiteral(" Trovale 2.04");

namespace {

int impressorasInstaladas() {
    return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

// The same file, however the path was written. Letter case only counts where the file
// system tells such names apart.
QString chaveArquivo(const QString& caminho) {
    const QFileInfo info(caminho);
    const QString chave =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return chave.toCaseFolded();
#else
    return chave;
#endif
}

// Clears a flag when the scope ends, however it ends.
struct Marca {
    bool& flag;
    explicit Marca(bool& f) : flag(f) { flag = true; }
    ~Marca() { flag = false; }
};

}  // namespace

TTrovaleForm1::TTrovaleForm1(ServicosPrincipais servicos, QStringList argumentos, QWidget* parent)
    : QMainWindow(parent),
      servicos_(std::move(servicos)),
      argumentos_(std::move(argumentos)),
      modeloFabrica_(modeloDeFabrica()),
      layoutFabrica_(layoutDeFabrica()) {
    setObjectName(QStringLiteral("TTrovaleForm1"));
    setWindowTitle(kTitulo);
    setWindowIcon(iconePrograma());
    if (!servicos_.contarImpressoras) servicos_.contarImpressoras = impressorasInstaladas;

    centro_ = new QStackedWidget(this);
    painel_ = new PainelInicial(centro_);
    mdi_ = new QMdiArea(centro_);
    mdi_->setObjectName(QStringLiteral("AreaDocumentos"));
    centro_->addWidget(painel_);
    centro_->addWidget(mdi_);
    setCentralWidget(centro_);

    criarAcoes();
    ligarComandos();
    ligarCapotraste();
    ligarPalco();
    aplicarRegras();
}

TTrovaleForm1::~TTrovaleForm1() = default;

void TTrovaleForm1::criarAcoes() {
    menu_ = criarMenuPrincipal(menuBar());
    // Each of these opens a window that the program does not have yet.
    semJanela_ = {menu_.mNovo,         menu_.mAbrir,    menu_.mSalvarComo,  menu_.mImportar,
                  menu_.mColar,        menu_.mExportar, menu_.mExportarPdf, menu_.mExportarCho,
                  menu_.mCaderno,      menu_.mModelo,   menu_.mConfigurar,  menu_.mImprimir,
                  menu_.mTexto,        menu_.mTranspor, menu_.mSelect,      menu_.mDigitacao,
                  menu_.mNomenclatura, menu_.mOrdem,    menu_.mAspecto,     menu_.mSom,
                  menu_.mImpressora,   menu_.mRepertorio};
    painel_->ligarBotoes(menu_.mNovo, menu_.mAbrir, menu_.mSelect);
    criarAtalhosJanelas();
}

void TTrovaleForm1::ligarComandos() {
    // The rules run again each time one of the two menus with rules of their own opens.
    connect(menu_.mArquivo, &QMenu::aboutToShow, this, &TTrovaleForm1::aplicarRegras);
    connect(menu_.mAcordes, &QMenu::aboutToShow, this, &TTrovaleForm1::aplicarRegras);
    connect(menu_.mArquivo, &QMenu::aboutToShow, this, &TTrovaleForm1::listarJanelas);

    connect(menu_.mFechar, &QAction::triggered, this, &TTrovaleForm1::fecharDocumentoAtivo);
    connect(menu_.mSalvar, &QAction::triggered, this, &TTrovaleForm1::salvarAtivo);
    connect(menu_.mAbrir, &QAction::triggered, this, &TTrovaleForm1::abrirPeloNavegador);
    connect(menu_.mSalvarComo, &QAction::triggered, this, [this] {
        if (TImageForm* documento = documentoAtivo()) salvarComo(*documento);
    });
    connect(menu_.mJanela, &QAction::triggered, this, &TTrovaleForm1::arrumarJanelas);
    // Leaving is closing the window, with the same questions about catalogue and songs.
    connect(menu_.mSair, &QAction::triggered, this, &QWidget::close);
    connect(menu_.mGravarTipos, &QAction::triggered, this,
            [this] { gravarCatalogo(comandoGravarTipos); });
    connect(menu_.mGravarPosicoes, &QAction::triggered, this,
            [this] { gravarCatalogo(comandoGravarPosicoes); });
    connect(menu_.mGravarJunto, &QAction::triggered, this,
            [this] { gravarCatalogo(comandoGravarJunto); });
    connect(menu_.mPainel, &QAction::toggled, this, &TTrovaleForm1::painelFerramentasAlternado);
    connect(menu_.mBarras, &QAction::toggled, this, &TTrovaleForm1::barrasRolagemAlternadas);
    connect(menu_.mConteudo, &QAction::triggered, this, [this] {
        if (ajuda_) ajuda_->mostrarConteudo();
    });
    connect(menu_.mAssunto, &QAction::triggered, this, [this] {
        if (ajuda_) ajuda_->mostrarAssunto();
    });
    connect(menu_.mComoUsar, &QAction::triggered, this, [this] {
        if (ajuda_) ajuda_->mostrarComoUsar();
    });
}

void TTrovaleForm1::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    aplicarRegras();
}

void TTrovaleForm1::setAspecto(TAspectForm* aspecto) {
    aspecto_ = aspecto;
    semJanela_.removeAll(menu_.mAspecto);
    // Diagrams change their size and their numbers' place: every open song is laid out again.
    connect(menu_.mAspecto, &QAction::triggered, this, [this] {
        if (!aspecto_ || aspecto_->exec() != QDialog::Accepted) return;
        for (TImageForm* documento : documentosAbertos()) documento->dispor();
    });
    aplicarRegras();
}

SituacaoMenu TTrovaleForm1::situacao() const {
    const Catalogo& catalogo = servicos_.catalogo;
    return {numeroDocumentos(), printerCount_, catalogo.TiposAlterados,
            catalogo.DigitacoesAlteradas, catalogo.GravarJuntos};
}

void TTrovaleForm1::habilitar(QAction* item, bool regra) {
    item->setEnabled(regra && !semJanela_.contains(item));
}

void TTrovaleForm1::aplicarRegras() {
    const EstadoMenu estado = regrasMenu(situacao());
    const std::pair<QAction*, bool> regras[] = {
        {menu_.mNovo, true},
        {menu_.mAbrir, true},
        {menu_.mFechar, estado.fechar},
        {menu_.mSalvar, estado.salvar},
        {menu_.mSalvarComo, estado.salvarComo},
        {menu_.mImportar, true},
        {menu_.mColar, true},
        {menu_.mExportar, estado.exportar},
        {menu_.mExportarPdf, estado.exportar},
        {menu_.mExportarCho, estado.exportar},
        {menu_.mCaderno, true},
        {menu_.mRepertorio, true},
        {menu_.mModelo, estado.modelo},
        {menu_.mConfigurar, estado.configurar},
        {menu_.mImprimir, estado.imprimir},
        {menu_.mJanela, estado.janela},
        {menu_.mSair, true},
        {menu_.mTexto, estado.texto},
        {menu_.mTranspor, estado.transpor},
        {menu_.mCapotraste, estado.texto},
        {menu_.mSoantes, estado.texto},
        {menu_.mPalco, estado.texto},
        {menu_.mSelect, true},
        {menu_.mDigitacao, true},
        {menu_.mNomenclatura, true},
        {menu_.mOrdem, true},
        {menu_.mGravarTipos, estado.gravarTipos},
        {menu_.mGravarPosicoes, estado.gravarPosicoes},
        {menu_.mGravarJunto, estado.gravarJunto},
        {menu_.mAspecto, true},
        {menu_.mSom, true},
        {menu_.mImpressora, printerCount_ != 0},
        {menu_.mConteudo, !ajuda_.isNull()},
        {menu_.mAssunto, !ajuda_.isNull()},
        {menu_.mComoUsar, !ajuda_.isNull()},
    };
    for (const auto& [item, regra] : regras) habilitar(item, regra);
    menu_.mSelect->setText(estado.legendaSelect);
    for (QAction* item : {menu_.N6, menu_.mPainel, menu_.mBarras})
        item->setVisible(estado.barrasVisivel);
}

int TTrovaleForm1::modalTop() const {
    return mapToGlobal(QPoint(0, menuBar()->geometry().bottom() + 1)).y();
}

void TTrovaleForm1::mostrarInicio() {
    const QRect tela = screen()->availableGeometry();
    setWindowState(Qt::WindowNoState);
    move(tela.topLeft());
    resize(tela.size());
    show();
    repaint();
}

bool TTrovaleForm1::event(QEvent* evento) {
    // The first run is the posted one; until then an activation only belongs to the start.
    if (evento->type() == QEvent::WindowActivate && !starting_ && !firstActivation_)
        QMetaObject::invokeMethod(this, &TTrovaleForm1::executarInicioAdiado, Qt::QueuedConnection);
    return QMainWindow::event(evento);
}

void TTrovaleForm1::executarInicioAdiado() {
    // A message shown below re-activates the window when it closes: no second round then.
    if (noInicioAdiado_ || !dialogs_) return;
    Marca emCurso(noInicioAdiado_);
    const bool primeiraVez = firstActivation_;
    painel_->mostrarFigura();
    if (primeiraVez && printerCount_ < 0) {
        printerCount_ = servicos_.contarImpressoras();
        if (printerCount_ == 0) dialogs_->aviso(mensagemSemImpressora());
        aplicarRegras();
    }
    if (!verificarCatalogo(servicos_.catalogo, *dialogs_)) {
        close();
        return;
    }
    if (!primeiraVez) return;
    const int rejeitadas = servicos_.catalogo.digitacoes.DigitacoesRejeitadas;
    if (rejeitadas > 0) dialogs_->aviso(mensagemInconsistencias(rejeitadas));
    if (!argumentos_.isEmpty()) {
        repaint();
        firstActivation_ = false;
        abrirArquivo(argumentos_.join(QLatin1Char(' ')));
    }
    firstActivation_ = false;
    emit inicioConcluido();
    atenderPendentes();
}

void TTrovaleForm1::receberDeOutraInstancia(const QString& caminho) {
    // Nothing is opened before the catalogue has been checked.
    if (firstActivation_) {
        recebidosDuranteInicio_.append(caminho);
        return;
    }
    trazerParaFrente();
    if (caminho.isEmpty()) return;
    abrirArquivo(caminho);
    activateWindow();
}

void TTrovaleForm1::atenderPendentes() {
    const QStringList pendentes = std::exchange(recebidosDuranteInicio_, {});
    for (const QString& caminho : pendentes) receberDeOutraInstancia(caminho);
}

void TTrovaleForm1::trazerParaFrente() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

TImageForm* TTrovaleForm1::abrirArquivo(const QString& caminho) {
    if (!dialogs_) return nullptr;
    if (QMdiSubWindow* aberto = documentoComArquivo(caminho)) {
        dialogs_->aviso("Operação bloqueada: arquivo (já) aberto.");
        mdi_->setActiveSubWindow(aberto);
        return nullptr;
    }
    // The window is up while the song loads; one that fails closes itself.
    TImageForm* documento = criarDocumento();
    adicionarJanelaDocumento(documento);
    if (!documento->carregar(caminho)) return nullptr;
    atualizarTitulos();
    return documento;
}

TImageForm* TTrovaleForm1::abrirNovo() {
    if (!dialogs_) return nullptr;
    TImageForm* documento = criarDocumento();
    adicionarJanelaDocumento(documento);
    documento->iniciarNovo();
    return documento;
}

TImageForm* TTrovaleForm1::criarDocumento() {
    ServicosDocumento servicos{
        servicos_.catalogo.tipos,
        servicos_.aparencia ? *servicos_.aparencia : aparenciaFabrica_,
        servicos_.modeloPadrao ? *servicos_.modeloPadrao : modeloFabrica_,
        servicos_.layoutPadrao ? *servicos_.layoutPadrao : layoutFabrica_,
        *dialogs_,
        [this](int orientacao) { return metricasPagina(orientacao == 1); },
        [this](TImageForm& documento) { return salvarComo(documento); },
        ItensFerramentas{menu_.mNovo, menu_.mAbrir, menu_.mSalvar, menu_.mModelo, menu_.mConfigurar,
                         menu_.mImprimir, menu_.mExportarPdf, menu_.mTexto, menu_.mSelect,
                         menu_.mTranspor},
        [this](const PedidoAcorde& pedido) { return escolherAcorde(pedido); },
        modelo_ ? std::function<void(TImageForm&)>(
                      [this](TImageForm& documento) { definirLinhas(documento); })
                : nullptr};
    servicos.som = som_;
    servicos.analisarDigitacao = [this](const std::string& digitacao) {
        abrirEditorDeDigitacoes(digitacao);
    };
    auto* documento = new TImageForm(std::move(servicos));
    documento->mostrarPainel(menu_.mPainel->isChecked());
    documento->mostrarBarras(menu_.mBarras->isChecked());
    connect(this, &TTrovaleForm1::painelFerramentasAlternado, documento,
            &TImageForm::mostrarPainel);
    connect(this, &TTrovaleForm1::barrasRolagemAlternadas, documento, &TImageForm::mostrarBarras);
    connect(documento, &TImageForm::arquivoAlterado, this, &TTrovaleForm1::atualizarTitulos);
    connect(documento, &TImageForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    return documento;
}

// The page the layout paginates for: the printer's paper, or the A4 page without printer.
PageMetrics TTrovaleForm1::metricasPagina(bool paisagem) const {
    if (servicos_.metricasPagina) return servicos_.metricasPagina(paisagem);
    if (printerCount_ == 0) return metricasSemImpressora(paisagem);
    return impressora_.metricas(paisagem);
}

TImageForm* TTrovaleForm1::documentoAtivo() const {
    QMdiSubWindow* janela = mdi_->currentSubWindow();
    if (!janela) {
        const QList<QMdiSubWindow*> janelas = mdi_->subWindowList();
        if (janelas.isEmpty()) return nullptr;
        janela = janelas.last();
    }
    return qobject_cast<TImageForm*>(janela->widget());
}

void TTrovaleForm1::salvarAtivo() {
    if (TImageForm* documento = documentoAtivo()) documento->salvar();
}

QList<TImageForm*> TTrovaleForm1::documentosAbertos() const {
    QList<TImageForm*> documentos;
    for (QMdiSubWindow* janela : mdi_->subWindowList())
        if (auto* documento = qobject_cast<TImageForm*>(janela->widget())) documentos << documento;
    return documentos;
}

QMdiSubWindow* TTrovaleForm1::documentoComArquivo(const QString& caminho) const {
    const QString chave = chaveArquivo(caminho);
    for (QMdiSubWindow* janela : mdi_->subWindowList()) {
        const auto* documento = qobject_cast<const TImageForm*>(janela->widget());
        if (documento && documento->semTitulo()) continue;
        const QString arquivo = janela->widget() ? janela->widget()->windowFilePath() : QString();
        if (!arquivo.isEmpty() && chaveArquivo(arquivo) == chave) return janela;
    }
    return nullptr;
}

QMdiSubWindow* TTrovaleForm1::adicionarJanelaDocumento(QWidget* documento) {
    QMdiSubWindow* janela = mdi_->addSubWindow(documento);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    connect(janela, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(this, &TTrovaleForm1::aoFecharDocumento, Qt::QueuedConnection);
    });
    connect(janela, &QMdiSubWindow::windowStateChanged, this, &TTrovaleForm1::atualizarTitulos);
    mostrarPainel(false);
    if (numeroDocumentos() == 1)
        janela->showMaximized();
    else
        janela->show();
    aplicarRegras();
    atualizarTitulos();
    return janela;
}

int TTrovaleForm1::numeroDocumentos() const {
    return static_cast<int>(mdi_->subWindowList().size());
}

void TTrovaleForm1::aoFecharDocumento() {
    if (numeroDocumentos() == 0) mostrarPainel(true);
    aplicarRegras();
    atualizarTitulos();
}

void TTrovaleForm1::mostrarPainel(bool visivel) {
    centro_->setCurrentWidget(visivel ? static_cast<QWidget*>(painel_) : mdi_);
}

// A maximized song gives its file name to the main caption and shows none of its own.
void TTrovaleForm1::atualizarTitulos() {
    const QList<QMdiSubWindow*> janelas = mdi_->subWindowList();
    for (QMdiSubWindow* janela : janelas) {
        const QString arquivo = janela->widget() ? janela->widget()->windowFilePath() : QString();
        janela->setWindowTitle(janela->isMaximized() ? QString() : arquivo);
    }
    QMdiSubWindow* ativa = mdi_->currentSubWindow();
    if (!ativa && !janelas.isEmpty()) ativa = janelas.last();
    if (ativa && ativa->isMaximized() && ativa->widget())
        setWindowTitle(kTitulo + QStringLiteral(" - ") + ativa->widget()->windowFilePath());
    else
        setWindowTitle(kTitulo);
}

void TTrovaleForm1::gravarCatalogo(void (*comando)(const ArquivosCatalogo&, Catalogo&, Dialogs&,
                                                   const RelogioDias&)) {
    if (!dialogs_) return;
    comando(servicos_.arquivos, servicos_.catalogo, *dialogs_, servicos_.relogio);
    aplicarRegras();
}

void TTrovaleForm1::fecharDocumentoAtivo() {
    if (QMdiSubWindow* janela = mdi_->currentSubWindow()) janela->close();
}

void TTrovaleForm1::closeEvent(QCloseEvent* evento) {
    const Catalogo& catalogo = servicos_.catalogo;
    if ((catalogo.TiposAlterados || catalogo.DigitacoesAlteradas) && dialogs_ &&
        dialogs_->pergunta(3) != Resposta::Nao) {
        evento->ignore();
        return;
    }
    // Each song asks about its own changes; one kept open keeps the program running.
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        evento->ignore();
        return;
    }
    if (ajuda_) ajuda_->close();
    evento->accept();
}

}  // namespace trovale
