#include "ui/document_window/image_form.h"

#include "document/chord_type_reading.h"
#include "ui/common/chord_sound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QPrinter>
#include <QToolButton>
#include <numeric>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "document/song_file.h"
#include "render/pdf_export.h"
#include "document/text_conversion.h"
#include "render/qt_text.h"
#include "ui/common/tool_button.h"
#include "base/dialogs.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/document_window/sheet_viewport.h"

namespace trovale {

const QString TImageForm::kAvisoTruncado = QStringLiteral(
    "Atenção: pelo menos uma linha excedeu o comprimento disponível e aparecerá truncada.");

const QString TImageForm::kPaginaAjuda = QStringLiteral("janela_musica.html");

namespace {

constexpr int kEsperaAviso = 10;  // ms: the warning waits until the window is on screen

QFrame* moldura(QWidget* parent, const char* nome) {
    auto* painel = new QFrame(parent);
    painel->setObjectName(QString::fromLatin1(nome));
    painel->setAutoFillBackground(true);
    QPalette fundo = painel->palette();
    fundo.setColor(QPalette::Window, QColor(0x8C, 0x8C, 0x8C));
    painel->setPalette(fundo);
    return painel;
}

// Busy cursor for the length of a scope.
struct CursorOcupado {
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TImageForm::TImageForm(ServicosDocumento servicos, QWidget* parent)
    : QWidget(parent), servicos_(std::move(servicos)) {
    setObjectName(QStringLiteral("TImageForm"));
    doc_ = newSongDocument(servicos_.modeloPadrao, servicos_.layoutPadrao);
    doc_.Template.QuebrarLinhas = true;  // a new song wraps; files that never did keep their pages
    editor_ = new SheetEditor(*this);
    criarPainel();
    criarFolha();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TImageForm::avisarTruncamento);
    const std::pair<QKeySequence, bool> historia[] = {{QKeySequence::Undo, true},
                                                      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), false},
                                                      {QKeySequence(QStringLiteral("Ctrl+Y")), false}};
    for (const auto& [teclas, desfaz] : historia) {
        auto* atalho = new QShortcut(teclas, this);
        atalho->setContext(Qt::WidgetWithChildrenShortcut);
        connect(atalho, &QShortcut::activated, this, [this, desfaz = desfaz] {
            if (!(desfaz ? editor_->desfazer() : editor_->refazer())) QApplication::beep();
        });
    }
    auto* ajuda = new QShortcut(QKeySequence::HelpContents, this);
    ajuda->setContext(Qt::WidgetWithChildrenShortcut);
    connect(ajuda, &QShortcut::activated, this, [this] { emit ajudaPedida(kPaginaAjuda); });
    definirArquivo(doc_.FileName);
}

TImageForm::~TImageForm() = default;

void TImageForm::criarPainel() {
    PanelT = new QFrame(this);
    PanelT->setObjectName(QStringLiteral("PanelT"));
    PanelT->setFrameShape(QFrame::StyledPanel);
    auto* linha = new QHBoxLayout(PanelT);
    linha->setContentsMargins(4, 2, 4, 2);
    linha->setSpacing(2);
    const ItensFerramentas& itens = servicos_.itens;
    struct Botao {
        QToolButton*& botao;
        const char* nome;
        const char* dica;
        IconeFerramenta icone;
        QAction* item;
    };
    const Botao botoes[] = {
        {BtnNew, "BtnNew", "Documento novo (criar)", IconeFerramenta::Novo, itens.novo},
        {BtnOpen, "BtnOpen", "Abrir documento (arquivo)", IconeFerramenta::Abrir, itens.abrir},
        {BtnSave, "BtnSave", "Salvar documento (gravar)", IconeFerramenta::Salvar, itens.salvar},
        {BtnModelo, "BtnModelo", "Definir modelo de apresentação", IconeFerramenta::Modelo,
         itens.modelo},
        {BtnDrag, "BtnDrag", "Definir significado das linhas", IconeFerramenta::Linhas, nullptr},
        {BtnPreview, "BtnPreview", "Lay-out: configurar página e visualizar impressão",
         IconeFerramenta::Visualizar, itens.configurar},
        {BtnPrint, "BtnPrint", "Imprimir", IconeFerramenta::Imprimir, itens.imprimir},
        {BtnPdf, "BtnPdf", "Exportar em PDF", IconeFerramenta::Pdf, itens.pdf},
        {BtnEdit, "BtnEdit", "Editar em formato texto", IconeFerramenta::Editar, itens.texto},
        {BtnAcorde, "BtnAcorde", "Escolher acorde/digitação", IconeFerramenta::Acorde,
         itens.acorde},
        {BtnTom, "BtnTom", "Transpor - Mudar tom", IconeFerramenta::Tom, itens.transpor},
    };
    for (const Botao& b : botoes) {
        b.botao = criarBotaoFerramenta(PanelT, b.nome, QString::fromUtf8(b.dica), b.icone);
        linha->addWidget(b.botao);
        if (b.item) seguirItem(b.botao, b.item);
        if (b.botao == BtnSave || b.botao == BtnPdf || b.botao == BtnTom) linha->addSpacing(8);
    }
    BtnDrag->setEnabled(static_cast<bool>(servicos_.definirLinhas));
    connect(BtnDrag, &QToolButton::clicked, this, [this] {
        if (servicos_.definirLinhas) servicos_.definirLinhas(*this);
    });
    linha->addSpacing(8);
    PanelLixo = new PainelAcordes("PanelLixo", QStringLiteral("Para deletar cifras, arraste-as até aqui"),
                                  iconeFerramenta(IconeFerramenta::Lixo), PanelT);
    PanelCopia = new PainelCopia(servicos_.tipos, PanelT);
    PanelLupa = new PainelAcordes("PanelLupa",
                                  QStringLiteral("Para analisar uma digitação, arraste a cifra até aqui"),
                                  iconeFerramenta(IconeFerramenta::Lupa), PanelT);
    for (QWidget* painel : {static_cast<QWidget*>(PanelLixo), static_cast<QWidget*>(PanelCopia),
                            static_cast<QWidget*>(PanelLupa)})
        linha->addWidget(painel);
    editor_->ligarPaineis(PanelLixo, PanelCopia, PanelLupa);
    // A click on the magnifier opens the fingering editor with nothing to analyse.
    connect(PanelLupa, &PainelAcordes::clicado, this, [this] {
        if (servicos_.analisarDigitacao) servicos_.analisarDigitacao({});
    });
    linha->addStretch();
    Label1 = new QLabel(PanelT);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameShape(QFrame::StyledPanel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(
        QStringLiteral(" Página 0000 de 0000 ")));
    linha->addWidget(Label1);
}

void TImageForm::criarFolha() {
    auto* grade = new QGridLayout(this);
    grade->setContentsMargins(0, 0, 0, 0);
    grade->setSpacing(0);
    // The frame around the sheet grows with the screen, as paper on a desk would.
    const int espessura = (screen() ? screen()->size().width() : 1024) / 150;
    PanelPT = moldura(this, "PanelPT");
    PanelPB = moldura(this, "PanelPB");
    PanelPL = moldura(this, "PanelPL");
    PanelPR = moldura(this, "PanelPR");
    PanelPT->setFixedHeight(std::max(0, espessura - 2));
    PanelPL->setFixedWidth(std::max(0, espessura - 2));
    PanelPB->setFixedHeight(espessura);
    PanelPR->setFixedWidth(espessura);
    vista_ = new SheetViewport(this);
    for (int c = 0; c < kMaxColunas; ++c) {
        grades_[static_cast<std::size_t>(c)] = new SheetGrid(c, vista_);
        connect(grades_[static_cast<std::size_t>(c)], &SheetGrid::linhaTruncada, this,
                [this] { truncated_ = true; });
        editor_->observar(grades_[static_cast<std::size_t>(c)]);
    }
    VertBar = new QScrollBar(Qt::Vertical, this);
    VertBar->setObjectName(QStringLiteral("VertBar"));
    HorzBar = new QScrollBar(Qt::Horizontal, this);
    HorzBar->setObjectName(QStringLiteral("HorzBar"));
    for (QScrollBar* barra : {VertBar, HorzBar}) barra->setRange(0, kFimBarra);
    grade->addWidget(PanelT, 0, 0, 1, 4);
    grade->addWidget(PanelPT, 1, 0, 1, 3);
    grade->addWidget(PanelPL, 2, 0);
    grade->addWidget(vista_, 2, 1);
    grade->addWidget(PanelPR, 2, 2);
    grade->addWidget(PanelPB, 3, 0, 1, 3);
    grade->addWidget(VertBar, 1, 3, 3, 1);
    grade->addWidget(HorzBar, 4, 0, 1, 3);
    grade->setRowStretch(2, 1);
    grade->setColumnStretch(1, 1);
    connect(vista_, &SheetViewport::redimensionada, this, &TImageForm::aoRedimensionarVista);
    connect(vista_, &SheetViewport::passosPedidos, this, &TImageForm::rolarPassos);
    connect(vista_, &SheetViewport::inicioPedido, this, [this] { rolarPara(0); });
    connect(vista_, &SheetViewport::fimPedido, this, [this] { rolarPara(passosV_.excesso); });
    connect(VertBar, &QScrollBar::valueChanged, this, &TImageForm::aoRolarVertical);
    connect(HorzBar, &QScrollBar::valueChanged, this, &TImageForm::aoRolarHorizontal);
    setFocusProxy(vista_);
}

void TImageForm::iniciarNovo() {
    doc_ = newSongDocument(servicos_.modeloPadrao, servicos_.layoutPadrao);
    definirArquivo(doc_.FileName);
    dispor();
}

bool TImageForm::carregar(const QString& caminho) {
    loadFailed_ = true;
    carregando_ = true;
    {
        CursorOcupado ocupado;
        loadFailed_ = !LoadSong(doc_, caminho.toStdString(), servicos_.modeloPadrao,
                                servicos_.dialogs);
    }
    carregando_ = false;
    if (!loadFailed_) {
        lerTiposPelasCifras(doc_.Chords, servicos_.tipos);
        definirArquivo(doc_.FileName);
        dispor();
    }
    // An activation that came while the loader's message was up is answered now.
    if (ativado_) QMetaObject::invokeMethod(this, &TImageForm::primeiraAtivacao, Qt::QueuedConnection);
    return !loadFailed_;
}

void TImageForm::dispor() {
    ajustes_.dpi = std::max(1, logicalDpiY());
    const PageMetrics pagina = metricas();
    ajustes_.pageHeightMm =
        pagina.pixelsPorMmY > 0 ? pagina.alturaFisica / pagina.pixelsPorMmY : 297.0;
    ajustes_.fretNumbersAbove = servicos_.aparencia.Orientacao == kOrientacaoHorizontal;
    // The grids let go of the old measure before it goes.
    for (SheetGrid* g : grades_) g->setPintura(nullptr);
    medida_ = std::make_unique<SheetMeasure>(doc_.Template, servicos_.tipos, ajustes_.dpi);
    const SongDocument& exibida = exibido();
    pintura_ = std::make_unique<SheetPaint>(
        SheetPaint{exibida, sheet_, *medida_, servicos_.aparencia});
    ComputeRowHeights(sheet_, exibida, *medida_, ajustes_);
    ComputeColumns(sheet_, exibida, ajustes_, vista_->width());
    LayOut(sheet_, exibida, *medida_, ajustes_);
    truncated_ = sheet_.Truncated;
    for (SheetGrid* g : grades_) g->setPintura(pintura_.get());
    atualizarColunas();
    atualizarBotaoSalvar();
    editor_->aoDispor();
}

PageMetrics TImageForm::metricas() const {
    return servicos_.metricasPagina ? servicos_.metricasPagina(doc_.Layout.orientacao)
                                    : metricasSemImpressora(doc_.Layout.orientacao == 1);
}

bool TImageForm::exportarPdf(const QString& caminho) {
    if (!pintura_) return false;
    editor_->encerrarEdicao();
    const PageMetrics pagina = metricas();
    std::vector<int> paginas(static_cast<std::size_t>(sheet_.PageCount));
    std::iota(paginas.begin(), paginas.end(), 1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto pdf = pdfDaFolha(*pintura_, {pagina.larguraPapelMm, pagina.alturaPapelMm, ajustes_.dpi},
                                paginas, metadadosDaCancao(doc_));
    QApplication::restoreOverrideCursor();
    if (!pdf) {
        servicos_.dialogs.aviso(kMensagemArquivoImproprio);
        return false;
    }
    DiskFileSystem disco;
    return gravarArquivo(disco, caminho.toStdString(), *pdf, servicos_.dialogs) ==
           ResultadoGravacao::Gravado;
}

void TImageForm::retomarPagina() {
    editor_->encerrarEdicao();
    const PageLayout antes = doc_.Layout;
    ajustarAoPapel(doc_.Layout, papelDasMetricas(metricas()));
    if (doc_.Layout != antes) marcarModificado();
    dispor();
    if (truncated_) servicos_.dialogs.aviso(kAvisoTruncado.toStdString());
}

FimImpressao TImageForm::imprimirEm(QPrinter& impressora, const std::vector<int>& paginas,
                                    const AcompanhamentoImpressao& acompanhamento) {
    if (!pintura_) return FimImpressao::NaoIniciada;
    editor_->encerrarEdicao();
    const PageMetrics pagina = metricasDaImpressora(impressora, doc_.Layout.orientacao == 1);
    impressora.setDocName(QFileInfo(nomeArquivo()).fileName());
    AcompanhamentoImpressao a = acompanhamento;
    a.abortarTrabalho = [&impressora] { impressora.abort(); };
    return PrintPages(*pintura_, paginas, {impressora, pagina, ajustes_.dpi}, a);
}

void TImageForm::redispor() {
    if (!pintura_) return;
    const SongDocument& exibida = exibido();
    // The capo came or went with the sounding names on: the painting turns to the other song.
    if (&exibida != &pintura_->doc) return dispor();
    LayOut(sheet_, exibida, *medida_, ajustes_);
    truncated_ = sheet_.Truncated;
    atualizarColunas();
    atualizarBotaoSalvar();
    editor_->aoDispor();
}

// The last column reaches to the view's right edge; only the widths change.
void TImageForm::aoRedimensionarVista() {
    if (!pintura_) return;
    ComputeColumns(sheet_, doc_, ajustes_, vista_->width());
    atualizarColunas();
}

void TImageForm::atualizarColunas() {
    for (SheetGrid* g : grades_) {
        g->atualizarLinhas();
        g->setVisible(pintura_ && sheet_.ColumnVisible[static_cast<std::size_t>(g->coluna())]);
    }
    atualizarRolagem();
}

void TImageForm::atualizarRolagem() {
    int altura = 0, largura = 0;
    for (SheetGrid* g : grades_) {
        if (!g->isVisibleTo(this)) continue;
        altura = std::max(altura, g->height());
        largura = std::max(largura, sheet_.ColumnLeft[static_cast<std::size_t>(g->coluna())] +
                                        g->width());
    }
    passosV_ = passosRolagem(altura, vista_->height());
    passosH_ = passosRolagem(largura, vista_->width());
    deslocY_ = std::clamp(deslocY_, 0, passosV_.excesso);
    deslocX_ = std::clamp(deslocX_, 0, passosH_.excesso);
    const std::pair<QScrollBar*, const PassosRolagem*> barras[] = {{VertBar, &passosV_},
                                                                   {HorzBar, &passosH_}};
    for (const auto& [barra, passos] : barras) {
        const QSignalBlocker calado(barra);
        barra->setEnabled(passos->habilitada());
        barra->setSingleStep(std::max(1, passos->pequeno));
        barra->setPageStep(std::max(1, passos->grande));
    }
    {
        const QSignalBlocker calado(VertBar);
        VertBar->setValue(posicaoDaBarra(deslocY_, passosV_.excesso));
    }
    {
        const QSignalBlocker calado(HorzBar);
        HorzBar->setValue(posicaoDaBarra(deslocX_, passosH_.excesso));
    }
    posicionarGrades();
}

void TImageForm::posicionarGrades() {
    for (SheetGrid* g : grades_)
        g->move(sheet_.ColumnLeft[static_cast<std::size_t>(g->coluna())] - deslocX_, -deslocY_);
    Label1->setText(textoPagina());
}

QString TImageForm::textoPagina() const {
    const QString pagina =
        QStringLiteral(" Página %1 de %2").arg(PageAtTop(sheet_, deslocY_)).arg(sheet_.PageCount);
    // The sheet does not name the shapes: the label says so.
    return pintura_ && &pintura_->doc == &soante_ ? pagina + QStringLiteral("\n Acordes como soam")
                                                   : pagina;
}

void TImageForm::aoRolarVertical(int posicao) {
    deslocY_ = deslocamentoDaPosicao(posicao, passosV_.excesso);
    posicionarGrades();
}

void TImageForm::aoRolarHorizontal(int posicao) {
    deslocX_ = deslocamentoDaPosicao(posicao, passosH_.excesso);
    posicionarGrades();
}

void TImageForm::rolarPassos(int linhas) {
    rolarPara(deslocY_ + linhas * passosV_.linhaPx);
}

void TImageForm::rolarPara(int deslocamento) {
    deslocY_ = std::clamp(deslocamento, 0, passosV_.excesso);
    const QSignalBlocker calado(VertBar);
    VertBar->setValue(posicaoDaBarra(deslocY_, passosV_.excesso));
    posicionarGrades();
}

void TImageForm::rolarHorizontalPara(int deslocamento) {
    deslocX_ = std::clamp(deslocamento, 0, passosH_.excesso);
    const QSignalBlocker calado(HorzBar);
    HorzBar->setValue(posicaoDaBarra(deslocX_, passosH_.excesso));
    posicionarGrades();
}

void TImageForm::mostrarPainel(bool visivel) {
    PanelT->setVisible(visivel);
}

void TImageForm::mostrarBarras(bool visiveis) {
    VertBar->setVisible(visiveis);
    HorzBar->setVisible(visiveis);
}

void TImageForm::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (ativado_) return;
    ativado_ = true;
    QMetaObject::invokeMethod(this, &TImageForm::primeiraAtivacao, Qt::QueuedConnection);
}

// The truncation warning waits until the window is up, and comes once per window.
void TImageForm::primeiraAtivacao() {
    if (carregando_ || Timer1->isActive() || avisoFeito_) return;
    if (loadFailed_) {
        // Inside the main window the frame around the song is what closes.
        QWidget* janela = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (!janela) janela = this;
        janela->showMinimized();
        janela->close();
        return;
    }
    Timer1->start(kEsperaAviso);
}

void TImageForm::avisarTruncamento() {
    avisoFeito_ = true;
    aoRedimensionarVista();
    if (truncated_) servicos_.dialogs.aviso(kAvisoTruncado.toStdString());
}

QString TImageForm::nomeArquivo() const {
    return QString::fromStdString(doc_.FileName);
}

bool TImageForm::semTitulo() const {
    return doc_.FileName == kUntitled;
}

QString TImageForm::tituloCancao() const {
    if (!doc_.Lines.empty() && doc_.LineKinds.front() == kTitleLine) return qs(doc_.Lines.front());
    return QString::fromUtf8(kUntitled.data(), static_cast<qsizetype>(kUntitled.size()));
}

void TImageForm::marcarModificado() {
    doc_.Modified = true;
    atualizarBotaoSalvar();
}

std::optional<std::vector<std::string>> TImageForm::textoParaEditar() {
    GatherFromSheet(doc_, sheet_);
    SongDocument texto = doc_;
    if (!SongToText(texto, servicos_.dialogs)) return std::nullopt;
    InsertMarkers(texto);
    return std::move(texto.Lines);
}

const SongDocument& TImageForm::documentoAtual() {
    GatherFromSheet(doc_, sheet_);
    return doc_;
}

std::optional<std::vector<std::string>> TImageForm::textoParaExportar() {
    GatherFromSheet(doc_, sheet_);
    TextoDaCancao texto = linhasEmTexto(doc_);
    if (texto.falha) {
        servicos_.dialogs.aviso(*texto.falha);
        return std::nullopt;
    }
    return std::move(texto.linhas);
}

void TImageForm::construirDoTexto(const EditorText& texto, bool novo) {
    const SongState antes = stateOf(doc_);
    BuildFromText(doc_, texto);
    if (!novo) editor_->registrarPasso(antes);
    dispor();
    if (truncated_ && avisoFeito_) servicos_.dialogs.aviso(kAvisoTruncado.toStdString());
}

void TImageForm::colocarNaCopia(const DraggedChord& acorde) {
    editor_->soltarNaCopia({acorde, 0});
}

bool TImageForm::salvar() {
    if (semTitulo()) return servicos_.salvarComo && servicos_.salvarComo(*this);
    return salvarEm(nomeArquivo());
}

bool TImageForm::salvarEm(const QString& caminho) {
    GatherFromSheet(doc_, sheet_);
    const std::string anterior = doc_.FileName;
    const bool ok = SaveSong(doc_, caminho.toStdString(), servicos_.dialogs) == 0;
    if (ok) editor_->marcarSalvo();
    if (ok && anterior != caminho.toStdString()) definirArquivo(caminho.toStdString());
    atualizarBotaoSalvar();
    return ok;
}

void TImageForm::definirArquivo(const std::string& caminho) {
    doc_.FileName = caminho;
    setWindowFilePath(nomeArquivo());
    setWindowTitle(nomeArquivo());
    emit arquivoAlterado();
}

void TImageForm::atualizarBotaoSalvar() {
    BtnSave->setIcon(iconeFerramenta(doc_.Modified ? IconeFerramenta::SalvarModificado
                                                   : IconeFerramenta::Salvar));
}

bool TImageForm::podeFechar() {
    if (!doc_.Modified || loadFailed_) return true;
    switch (servicos_.dialogs.confirmarFechamento(tituloCancao().toStdString(),
                                                   nomeArquivo().toStdString())) {
        case Resposta::Sim: return salvar();
        case Resposta::Nao: return true;
        case Resposta::Cancelar: return false;
    }
    return false;
}

// Leaving the song window silences a chord heard from it.
void TImageForm::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && servicos_.som)
        servicos_.som->parar();
}

void TImageForm::closeEvent(QCloseEvent* evento) {
    if (podeFechar())
        evento->accept();
    else
        evento->ignore();
}

}  // namespace trovale
