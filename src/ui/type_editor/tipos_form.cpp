#include "ui/type_editor/tipos_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/text_codec.h"
#include "ui/help/help_form.h"
#include "ui/type_editor/interval_list.h"
#include "ui/type_editor/symbol_grid.h"
#include "ui/type_editor/symbol_preview.h"

namespace trovale {

namespace {

const QString kPaginaAjuda = QStringLiteral("tipos_acorde.html");

QPushButton* botao(const char* nome, const QString& texto, QWidget* pai, const QString& dica = {}) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    if (!dica.isEmpty()) b->setToolTip(dica);
    return b;
}

}  // namespace

TTiposForm::TTiposForm(Catalogo& catalogo, Dialogs& dialogs, LembreteGravacao& lembrete,
                       QWidget* parent)
    : QDialog(parent), catalogo_(catalogo), dialogs_(dialogs), lembrete_(lembrete) {
    setWindowTitle(QStringLiteral(" Constituição, nomenclatura e cifras dos acordes"));
    createControls();
    connectControls();
}

void TTiposForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    auto* linhaTipo = new QHBoxLayout;
    auto* rotuloTipo = new QLabel(QStringLiteral("&Tipo de acorde:"), this);
    ComboBox = new QComboBox(this);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    ComboBox->setMaxVisibleItems(24);
    rotuloTipo->setBuddy(ComboBox);
    linhaTipo->addWidget(rotuloTipo);
    linhaTipo->addWidget(ComboBox, 1);
    principal->addLayout(linhaTipo);
    principal->addWidget(createTaskBar());

    auto* corpo = new QHBoxLayout;
    auto* PanelAcid =
        new QGroupBox(QStringLiteral("Constituição (intervalos sobre a fundamental)"), this);
    PanelAcid->setObjectName(QStringLiteral("PanelAcid"));
    auto* acid = new QVBoxLayout(PanelAcid);
    ListBox1 = new IntervalList(PanelAcid);
    acid->addWidget(ListBox1);
    acid->addStretch(1);
    corpo->addWidget(PanelAcid);
    corpo->addWidget(createSymbolPanel(), 1);
    principal->addLayout(corpo);

    auto* rodape = new QHBoxLayout;
    BtnHelp = botao("BtnHelp", QStringLiteral("Aj&uda"), this);
    BtnClose = botao("BtnClose", QStringLiteral("&Fechar"), this);
    rodape->addWidget(BtnHelp);
    rodape->addStretch(1);
    rodape->addWidget(BtnClose);
    principal->addLayout(rodape);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TTiposForm::createTaskBar() {
    auto* barra = new QWidget(this);
    auto* linha = new QHBoxLayout(barra);
    linha->setContentsMargins(0, 0, 0, 0);
    LabelTask = new QLabel(barra);
    LabelTask->setObjectName(QStringLiteral("LabelTask"));
    BtnInclude = botao("BtnInclude", QStringLiteral("Incluir"), barra, QStringLiteral("Incluir"));
    BtnModify = botao("BtnModify", QStringLiteral("Alterar"), barra, QStringLiteral("Alterar"));
    BtnExclude = botao("BtnExclude", QStringLiteral("Excluir"), barra, QStringLiteral("Excluir"));
    BtnConfirmTask = botao("BtnConfirmTask", QStringLiteral("Confirmar"), barra);
    BtnCancelTask = botao("BtnCancelTask", QStringLiteral("Cancelar"), barra);
    linha->addWidget(LabelTask);
    linha->addStretch(1);
    for (QPushButton* b : {BtnInclude, BtnModify, BtnExclude, BtnConfirmTask, BtnCancelTask})
        linha->addWidget(b);
    return barra;
}

QWidget* TTiposForm::createSymbolPanel() {
    auto* painel = new QWidget(this);
    auto* coluna = new QVBoxLayout(painel);
    coluna->setContentsMargins(0, 0, 0, 0);
    auto* rotuloNome = new QLabel(QStringLiteral("&Nome de referência:"), painel);
    EditNome = new QLineEdit(painel);
    EditNome->setObjectName(QStringLiteral("EditNome"));
    EditNome->setMaxLength(static_cast<int>(kMaxNomeTipo));
    rotuloNome->setBuddy(EditNome);
    coluna->addWidget(rotuloNome);
    coluna->addWidget(EditNome);

    auto* linhaCifra = new QHBoxLayout;
    linhaCifra->addWidget(new QLabel(QStringLiteral("Editar cifra:"), painel));
    BtnEditarPadrao = botao("BtnEditarPadrao", QStringLiteral("Padrão"), painel,
                            QStringLiteral("A cifra que a folha mostra"));
    BtnEditarOpcional = botao("BtnEditarOpcional", QStringLiteral("Opcional"), painel,
                              QStringLiteral("Outra maneira de escrever o acorde"));
    linhaCifra->addWidget(BtnEditarPadrao);
    linhaCifra->addWidget(BtnEditarOpcional);
    linhaCifra->addStretch(1);
    coluna->addLayout(linhaCifra);

    coluna->addWidget(new QLabel(QStringLiteral("Cifra padrão (e opcional), no tom Dó:"), painel));
    auto* imagens = new QHBoxLayout;
    ImagemPadrao = new SymbolPreview(false, painel);
    ImagemPadrao->setObjectName(QStringLiteral("ImagemPadrao"));
    ImagemOpcional = new SymbolPreview(true, painel);
    ImagemOpcional->setObjectName(QStringLiteral("ImagemOpcional"));
    imagens->addWidget(ImagemPadrao);
    imagens->addWidget(ImagemOpcional);
    coluna->addLayout(imagens);

    painelCifra_ = new QWidget(painel);
    auto* edicao = new QVBoxLayout(painelCifra_);
    edicao->setContentsMargins(0, 0, 0, 0);
    LabelCifra = new QLabel(painelCifra_);
    LabelCifra->setObjectName(QStringLiteral("LabelCifra"));
    StringGrid = new SymbolGrid(dialogs_, painelCifra_);
    auto* dica =
        new QLabel(QStringLiteral("Digite os textos nas células ou arraste para elas os intervalos "
                                  "marcados na lista; arraste uma célula para mudá-la de lugar."),
                   painelCifra_);
    dica->setWordWrap(true);
    auto* botoes = new QHBoxLayout;
    BtnConfirmEdit = botao("BtnConfirmEdit", QStringLiteral("Confirmar"), painelCifra_);
    BtnCancelEdit = botao("BtnCancelEdit", QStringLiteral("Cancelar"), painelCifra_);
    botoes->addStretch(1);
    botoes->addWidget(BtnConfirmEdit);
    botoes->addWidget(BtnCancelEdit);
    edicao->addWidget(LabelCifra);
    edicao->addWidget(StringGrid);
    edicao->addWidget(dica);
    edicao->addLayout(botoes);
    coluna->addWidget(painelCifra_);
    coluna->addStretch(1);
    return painel;
}

void TTiposForm::connectControls() {
    connect(ComboBox, &QComboBox::currentIndexChanged, this, [this](int entrada) {
        if (tarefa_ != Tarefa::Nenhuma || entrada < 0) return;
        entrada_ = entrada;
        mostrarEntrada(entrada);
    });
    connect(BtnInclude, &QPushButton::clicked, this, [this] { iniciarTarefa(Tarefa::Inclusao); });
    connect(BtnModify, &QPushButton::clicked, this, [this] { iniciarTarefa(Tarefa::Alteracao); });
    connect(BtnExclude, &QPushButton::clicked, this, [this] { iniciarTarefa(Tarefa::Exclusao); });
    connect(BtnConfirmTask, &QPushButton::clicked, this, &TTiposForm::confirmarTarefa);
    connect(BtnCancelTask, &QPushButton::clicked, this, &TTiposForm::cancelarTarefa);
    connect(ListBox1, &IntervalList::clicado, this, &TTiposForm::clicarIntervalo);
    connect(EditNome, &QLineEdit::textChanged, this, [this](const QString& texto) {
        registro_.nome = windows1252DeUtf8(texto.toStdString());
    });
    connect(EditNome, &QLineEdit::cursorPositionChanged, this, [this](int, int posicao) {
        if (EditNome->hasFocus()) cursorNome_ = posicao;
    });
    connect(BtnEditarPadrao, &QPushButton::clicked, this, [this] { editarCifra(true); });
    connect(BtnEditarOpcional, &QPushButton::clicked, this, [this] { editarCifra(false); });
    connect(BtnConfirmEdit, &QPushButton::clicked, this, [this] { encerrarEdicaoCifra(true); });
    connect(BtnCancelEdit, &QPushButton::clicked, this, [this] { encerrarEdicaoCifra(false); });
    connect(StringGrid, &SymbolGrid::mudou, this, &TTiposForm::gradeMudou);
    connect(BtnClose, &QPushButton::clicked, this, &TTiposForm::accept);
    connect(BtnHelp, &QPushButton::clicked, this, &TTiposForm::mostrarAjuda);
}

void TTiposForm::mostrarAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(kPaginaAjuda);
}

void TTiposForm::preparar() {
    criacao_ = false;
    tarefa_ = Tarefa::Nenhuma;
    editandoCifra_ = false;
    preencherLista(0);
}

void TTiposForm::prepararCriacao(const IntervalosPropostos& proposta) {
    preparar();
    criacao_ = true;
    iniciarTarefa(Tarefa::Inclusao);
    if (tarefa_ != Tarefa::Inclusao) return;
    registro_.intervalos = selecaoDe(proposta.intervalos);
    mostrarRegistro();
}

void TTiposForm::abrir() {
    preparar();
    exec();
}

int TTiposForm::criar(const IntervalosPropostos& proposta, QWidget* editor) {
    prepararCriacao(proposta);
    // The type limit refused it before the window showed.
    if (tarefa_ != Tarefa::Inclusao) return 0;
    if (editor) {
        adjustSize();
        move(editor->window()->frameGeometry().topLeft());
    }
    exec();
    return tipoCriado_;
}

// No way out while a task is open, except cancelling a creation.
void TTiposForm::reject() {
    if (tarefa_ == Tarefa::Nenhuma) {
        QDialog::reject();
    } else if (criacao_ && !editandoCifra_) {
        cancelarTarefa();
    }
}

void TTiposForm::closeEvent(QCloseEvent* evento) {
    if (tarefa_ != Tarefa::Nenhuma) {
        evento->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(evento);
}

void TTiposForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1) {
        mostrarAjuda();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace trovale
