#include "ui/text_editor/letra_dlg.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "base/dialogs.h"
#include "base/text_codec.h"
#include "render/qt_text.h"
#include "ui/help/help_form.h"
#include "ui/text_editor/check_form.h"
#include "ui/text_editor/text_grid.h"

namespace trovale {

namespace {

constexpr int kPerguntaSairSemConfirmar = 7;

std::string deQString(const QString& texto) {
    return windows1252DeUtf8(texto.toUtf8().toStdString());
}

QString mensagemTruncado() {
    return QStringLiteral("Atenção: arquivo muito longo. Conteúdo truncado na linha ") +
           QString::number(kMaxLinhasTexto) + QLatin1Char('.');
}

}  // namespace

TLetraDlg::TLetraDlg(const Catalogo& catalogo, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), catalogo_(catalogo), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TLetraDlg"));
    setWindowTitle(QStringLiteral(" Trovale 2.04 - Edição em modo texto"));
    setModal(true);
    setSizeGripEnabled(true);
    createControls();
    connectControls();
    check_ = new TCheckForm(catalogo_, dialogs_, this);
    aplicarFonte();
    mostrarModo();
}

void TLetraDlg::setTexto(std::vector<std::string> linhas, AcordesConhecidos conhecidos) {
    conhecidos_ = std::move(conhecidos);
    pendente_ = std::move(linhas);
    pendenteModificado_ = false;
    mudancaNaVerificacao_ = false;
    if (isVisible()) carregarPendente();
}

void TLetraDlg::substituirTexto(std::vector<std::string> linhas) {
    pendente_ = std::move(linhas);
    pendenteModificado_ = true;
    if (isVisible()) carregarPendente();
}

void TLetraDlg::setFonteEditor(int s) {
    fonte_ = fonteDoCodigo(s);
    aplicarFonte();
}

bool TLetraDlg::textoModificado() const {
    return Memo->document()->isModified();
}

void TLetraDlg::setAparencia(const Aparencia* aparencia) {
    aparencia_ = aparencia;
    check_->setAparencia(aparencia);
}

void TLetraDlg::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
    check_->setAjuda(ajuda);
}

bool TLetraDlg::modoCorrecao() const {
    return Memo->modoCorrecao();
}

std::vector<std::string> TLetraDlg::linhas() const {
    std::vector<std::string> linhas;
    const QTextDocument* documento = Memo->document();
    if (documento->isEmpty()) return linhas;
    for (QTextBlock b = documento->begin(); b.isValid(); b = b.next())
        linhas.push_back(deQString(b.text()));
    return linhas;
}

// ---- Controls ------------------------------------------------------------------------------

void TLetraDlg::createControls() {
    auto* principal = new QVBoxLayout(this);
    principal->setMenuBar(createMenus());
    Memo = new TextGrid(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    principal->addWidget(Memo, 1);
    principal->addWidget(createButtons());
    QList<QKeySequence> atalhos;
    for (QAction* a : {mAumentar, mReduzir, mOriginal, mItalico, mNegrito, mSalvar, mDesfazer,
                       mCopiar, mColar, mTudo})
        atalhos << a->shortcut();
    Memo->setAtalhosDaJanela(atalhos);
    const QRect tela = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(tela.size() * 3 / 4);
}

QAction* TLetraDlg::item(QMenu* menu, const char* nome, const QString& legenda,
                         const QKeySequence& tecla) {
    auto* a = menu->addAction(legenda);
    a->setObjectName(QString::fromLatin1(nome));
    if (!tecla.isEmpty()) a->setShortcut(tecla);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);  // the keys work while the menu is closed
    return a;
}

QMenuBar* TLetraDlg::createMenus() {
    auto* barra = new QMenuBar(this);
    QMenu* fonte = barra->addMenu(QStringLiteral("&Fonte"));
    mAumentar = item(fonte, "mAumentar", QStringLiteral("Aumentar"), QKeySequence("Ctrl+A"));
    mReduzir = item(fonte, "mReduzir", QStringLiteral("Reduzir"), QKeySequence("Ctrl+R"));
    mOriginal = item(fonte, "mOriginal", QStringLiteral("Usar original"), QKeySequence("Ctrl+O"));
    fonte->addSeparator();
    mItalico = item(fonte, "mItalico", QStringLiteral("Itálico"), QKeySequence("Ctrl+I"));
    mNegrito = item(fonte, "mNegrito", QStringLiteral("Negrito"), QKeySequence("Ctrl+N"));
    mItalico->setCheckable(true);
    mNegrito->setCheckable(true);
    fonte->addSeparator();
    mSalvar = item(fonte, "mSalvar", QStringLiteral("Salvar"), QKeySequence("Ctrl+S"));
    mSalvar->setToolTip(QStringLiteral("Guardar esta fonte como padrão do editor"));

    QMenu* editar = barra->addMenu(QStringLiteral("&Editar"));
    mDesfazer = item(editar, "mDesfazer", QStringLiteral("Desfazer"), QKeySequence("Ctrl+Z"));
    editar->addSeparator();
    mCopiar = item(editar, "mCopiar", QStringLiteral("Copiar "), QKeySequence("Ctrl+C"));
    mColar = item(editar, "mColar", QStringLiteral("Colar"), QKeySequence("Ctrl+V"));
    editar->addSeparator();
    mTudo = item(editar, "mTudo", QStringLiteral("Selecionar tudo"), QKeySequence("Ctrl+T"));
    mDesfazer->setEnabled(false);
    mCopiar->setEnabled(false);

    QMenu* marcadores = barra->addMenu(QStringLiteral("&Marcadores"));
    mAutor = item(marcadores, "mAutor", QStringLiteral("&Autor <A>"), {});
    mCoro = item(marcadores, "mCoro", QStringLiteral("&Coro <C>"), {});
    mNormal = item(marcadores, "mNormal", QStringLiteral("&Normal <N>"), {});
    mObserv = item(marcadores, "mObserv", QStringLiteral("&Observ. <O>"), {});
    mRefrao = item(marcadores, "mRefrao", QStringLiteral("&Refrão <R>"), {});
    mTitulo = item(marcadores, "mTitulo", QStringLiteral("&Título <T>"), {});
    return barra;
}

QWidget* TLetraDlg::createButtons() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    LabelModo = new QLabel(linha);
    LabelModo->setObjectName(QStringLiteral("LabelModo"));
    LabelModo->setFrameShape(QFrame::StyledPanel);
    LabelModo->setFrameShadow(QFrame::Sunken);
    LabelModo->setToolTip(QStringLiteral("A tecla Insert alterna entre inserção e correção"));
    // Room for the longer caption, so that the buttons do not move.
    LabelModo->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Modo de Inserção ")) +
        fontMetrics().averageCharWidth() * 2);
    auto botao = [linha](const QString& legenda, const char* nome, const QString& dica) {
        auto* b = new QPushButton(legenda, linha);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(dica);
        b->setAutoDefault(false);
        return b;
    };
    BtnCheck = botao(QStringLiteral("&Verificar"), "BtnCheck",
                     QStringLiteral("Ver como o texto será interpretado"));
    BtnOK = botao(QStringLiteral("&Confirmar"), "BtnOK",
                  QStringLiteral("Levar o texto para a folha da música (Ctrl+Enter)"));
    BtnCancel = botao(QStringLiteral("C&ancelar"), "BtnCancel",
                      QStringLiteral("Sair sem levar o texto para a folha (Esc)"));
    BtnHelp = botao(QStringLiteral("Aj&uda"), "BtnHelp", QStringLiteral("Ajuda (F1)"));
    BtnHelp->setEnabled(false);
    l->addWidget(LabelModo);
    l->addStretch(1);
    for (QPushButton* b : {BtnCheck, BtnOK, BtnCancel, BtnHelp}) l->addWidget(b);
    return linha;
}

void TLetraDlg::connectControls() {
    connect(BtnOK, &QPushButton::clicked, this, &TLetraDlg::BtnOKClick);
    connect(BtnCheck, &QPushButton::clicked, this, &TLetraDlg::BtnCheckClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TLetraDlg::reject);
    connect(BtnHelp, &QPushButton::clicked, this, &TLetraDlg::abrirAjuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TLetraDlg::abrirAjuda);
    connect(Memo, &TextGrid::confirmacaoPedida, this, &TLetraDlg::BtnOKClick);
    connect(Memo, &TextGrid::modoMudou, this, &TLetraDlg::mostrarModo);
    connect(Memo, &QPlainTextEdit::undoAvailable, mDesfazer, &QAction::setEnabled);
    connect(Memo, &QPlainTextEdit::copyAvailable, mCopiar, &QAction::setEnabled);

    connect(mAumentar, &QAction::triggered, this, [this] { mudarTamanho(+1); });
    connect(mReduzir, &QAction::triggered, this, [this] { mudarTamanho(-1); });
    connect(mOriginal, &QAction::triggered, this, [this] {
        fonte_.tamanho = kTamanhoOriginal;
        aplicarFonte();
    });
    connect(mItalico, &QAction::triggered, this, [this] {
        fonte_.italico = !fonte_.italico;
        aplicarFonte();
    });
    connect(mNegrito, &QAction::triggered, this, [this] {
        fonte_.negrito = !fonte_.negrito;
        aplicarFonte();
    });
    connect(mSalvar, &QAction::triggered, this, [this] {
        if (aoSalvarFonte) aoSalvarFonte(fonteEditor());
    });
    connect(mDesfazer, &QAction::triggered, Memo, &QPlainTextEdit::undo);
    connect(mCopiar, &QAction::triggered, Memo, &QPlainTextEdit::copy);
    connect(mColar, &QAction::triggered, Memo, &QPlainTextEdit::paste);
    connect(mTudo, &QAction::triggered, Memo, &QPlainTextEdit::selectAll);
    const std::pair<QAction*, char> marcadores[] = {{mAutor, 'A'},  {mCoro, 'C'},   {mNormal, 'N'},
                                                    {mObserv, 'O'}, {mRefrao, 'R'}, {mTitulo, 'T'}};
    for (const auto& [a, letra] : marcadores)
        connect(a, &QAction::triggered, this, [this, letra = letra] { inserirMarcador(letra); });

    connect(Memo, &QWidget::customContextMenuRequested, this, [this](const QPoint& ponto) {
        QMenu menu(this);
        menu.addActions({mDesfazer, mCopiar, mColar, mTudo});
        menu.addSeparator();
        QMenu* marcadores = menu.addMenu(QStringLiteral("&Marcadores"));
        marcadores->addActions({mAutor, mCoro, mNormal, mObserv, mRefrao, mTitulo});
        menu.exec(Memo->viewport()->mapToGlobal(ponto));
    });
}

void TLetraDlg::mostrarModo() {
    LabelModo->setText(Memo->modoCorrecao() ? QStringLiteral("Modo de Correção ")
                                            : QStringLiteral("Modo de Inserção "));
}

void TLetraDlg::aplicarFonte() {
    Memo->setFont(fonteMonoespacada(fonte_));
    mItalico->setChecked(fonte_.italico);
    mNegrito->setChecked(fonte_.negrito);
}

void TLetraDlg::mudarTamanho(int passo) {
    if (passo < 0 && fonte_.tamanho <= kTamanhoMinimo) return;
    fonte_.tamanho = std::clamp(fonte_.tamanho + passo, kTamanhoMinimo, kTamanhoMaximo);
    aplicarFonte();
}

void TLetraDlg::abrirAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("texto.html"));
}

// ---- The text ------------------------------------------------------------------------------

void TLetraDlg::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return;
    setWindowState(windowState() | Qt::WindowMaximized);
    carregarPendente();
    Memo->moveCursor(QTextCursor::Start);
    Memo->setFocus();
}

// Text handed in goes into the editor with control characters as blanks and no more than
// 3000 lines. A text set while hidden starts a fresh undo history.
void TLetraDlg::carregarPendente() {
    if (!pendente_) return;
    std::vector<std::string> linhas = std::move(*pendente_);
    pendente_.reset();
    const bool truncado = linhas.size() > static_cast<std::size_t>(kMaxLinhasTexto);
    if (truncado) linhas.resize(kMaxLinhasTexto);
    QStringList texto;
    for (const std::string& l : linhas) texto << semControles(qs(l));
    if (isVisible() && pendenteModificado_) {
        QTextCursor c(Memo->document());
        c.select(QTextCursor::Document);
        c.insertText(texto.join(QLatin1Char('\n')));
        Memo->moveCursor(QTextCursor::Start);
    } else {
        Memo->setPlainText(texto.join(QLatin1Char('\n')));
        Memo->document()->setModified(pendenteModificado_);
    }
    // The message waits for the window to be on screen.
    if (truncado)
        QTimer::singleShot(0, this, [this] { dialogs_.aviso(mensagemTruncado().toStdString()); });
}

// Before checking or confirming: control characters as blanks, lines past the 3000th cut.
void TLetraDlg::ajustarTexto() {
    const std::vector<std::string> antes = linhas();
    std::vector<std::string> depois = antes;
    for (std::string& l : depois)
        for (char& c : l)
            if (static_cast<unsigned char>(c) < 32) c = ' ';
    substituirLinhas(antes, depois);
    if (Memo->document()->blockCount() <= kMaxLinhasTexto) return;
    dialogs_.aviso(mensagemTruncado().toStdString());
    QTextCursor c(Memo->document()->findBlockByNumber(kMaxLinhasTexto - 1));
    c.movePosition(QTextCursor::EndOfBlock);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    c.removeSelectedText();
}

// The changed lines only, as one step the user may undo.
void TLetraDlg::substituirLinhas(const std::vector<std::string>& antes,
                                 const std::vector<std::string>& depois) {
    QTextCursor c(Memo->document());
    bool editando = false;
    for (std::size_t i = 0; i < antes.size() && i < depois.size(); ++i) {
        if (antes[i] == depois[i]) continue;
        if (!editando) c.beginEditBlock();
        editando = true;
        const QTextBlock bloco = Memo->document()->findBlockByNumber(static_cast<int>(i));
        c.setPosition(bloco.position());
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(qs(depois[i]));
    }
    if (editando) c.endEditBlock();
}

// ---- Commands ------------------------------------------------------------------------------

void TLetraDlg::BtnOKClick() {
    ajustarTexto();
    const int trastes = aparencia_ ? aparencia_->casas() : kTrastesMostradosPadrao;
    const InterpretacaoTexto interpretacao =
        PrepararLinhas(linhas(), {catalogo_, trastes}, conhecidos_);
    resultado_ = textoDoEditor(interpretacao, conhecidos_);
    accept();
}

void TLetraDlg::BtnCheckClick() {
    ajustarTexto();
    const std::vector<std::string> antes = linhas();
    check_->setTexto(antes, conhecidos_);
    if (check_->exec() == QDialog::Accepted) {
        if (check_->textoReescrito()) substituirLinhas(antes, check_->linhas());
        mudancaNaVerificacao_ = mudancaNaVerificacao_ || check_->houveMudanca();
    }
    Memo->setFocus();
}

// The marker goes on a line of its own above the caret's line, whatever the mode: typing it
// over the line in correction mode would eat the line's first characters.
void TLetraDlg::inserirMarcador(char letra) {
    QTextCursor c = Memo->textCursor();
    c.clearSelection();
    c.movePosition(QTextCursor::StartOfBlock);
    c.insertText(QStringLiteral("<") + QLatin1Char(letra) + QStringLiteral(">\n"));
    Memo->setTextCursor(c);
    Memo->setFocus();
}

void TLetraDlg::reject() {
    if ((textoModificado() || mudancaNaVerificacao_) &&
        dialogs_.pergunta(kPerguntaSairSemConfirmar) != Resposta::Nao)
        return;
    QDialog::reject();
}

}  // namespace trovale
