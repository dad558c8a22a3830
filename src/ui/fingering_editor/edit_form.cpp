#include "ui/fingering_editor/edit_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "fingering/string_states.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/common/chord_sound.h"
#include "ui/chord_choice/select_form.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/fingering_editor/criar_form.h"
#include "ui/fingering_editor/detail_panel.h"
#include "ui/fingering_editor/fretboard_panel.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

constexpr int kPrimeiraRepeticaoMs = 500;
constexpr int kRepeticaoMs = 1;

const char* const kAjudaSemVinculo =
    "Digitações devem ser vinculadas a um acorde (identificadas) antes de serem transpostas "
    "para outros tons ou catalogadas no banco ...";

QPushButton* botao(const QString& nome, const QString& texto, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

QToolButton* botaoDeRepeticao(const QString& nome, const QString& texto, const QString& dica,
                              QWidget* pai) {
    auto* b = new QToolButton(pai);
    b->setObjectName(nome);
    b->setText(texto);
    b->setToolTip(dica);
    b->setAccessibleName(dica);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(kPrimeiraRepeticaoMs);
    b->setAutoRepeatInterval(kRepeticaoMs);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

TEditForm::TEditForm(Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                     LembreteGravacao& lembrete, TSelectForm& selecao, QWidget* parent)
    : QDialog(parent),
      catalogo_(catalogo),
      aparencia_(aparencia),
      dialogs_(dialogs),
      lembrete_(lembrete),
      selecao_(selecao),
      estado_(emptyEditorState()) {
    setWindowTitle(QStringLiteral(" Digitação e Identificação de Acordes"));
    escolha_ = new TChooseForm(this);
    criar_ = new TCriarForm(this);
    createControls();
    connectControls();
    atualizar();
}

TChordsForm& TEditForm::navegador() {
    return selecao_.navegador();
}

void TEditForm::createControls() {
    auto* principal = new QHBoxLayout(this);

    auto* esquerda = new QVBoxLayout;
    auto* base = new QHBoxLayout;
    LabelDeslocar = new QLabel(QStringLiteral("Base:"), this);
    SpeedButtonMenos =
        botaoDeRepeticao(QStringLiteral("SpeedButtonMenos"), QStringLiteral("−"),
                         QStringLiteral("Descer uma casa (tecla -)"), this);
    SpeedButtonMais = botaoDeRepeticao(QStringLiteral("SpeedButtonMais"), QStringLiteral("+"),
                                       QStringLiteral("Subir uma casa (tecla +)"), this);
    base->addStretch(1);
    base->addWidget(LabelDeslocar);
    base->addWidget(SpeedButtonMenos);
    base->addWidget(SpeedButtonMais);
    base->addStretch(1);
    esquerda->addLayout(base);
    braco_ = new FretboardPanel(aparencia_, estado_.digitacao, this);
    esquerda->addWidget(braco_, 0, Qt::AlignHCenter);
    esquerda->addStretch(1);
    principal->addLayout(esquerda);

    auto* direita = new QVBoxLayout;
    PanelDetalhe = new DetailPanel(catalogo_.tipos, this);
    PanelHelp = new QLabel(QString::fromUtf8(kAjudaSemVinculo), this);
    PanelHelp->setObjectName(QStringLiteral("PanelHelp"));
    PanelHelp->setWordWrap(true);
    PanelHelp->setAlignment(Qt::AlignCenter);
    PanelHelp->setFrameShape(QFrame::StyledPanel);
    // Both take the same place, so linking never resizes the window.
    PanelHelp->setFixedSize(PanelDetalhe->sizeHint());
    direita->addWidget(PanelDetalhe);
    direita->addWidget(PanelHelp);
    direita->addWidget(createButtons());
    principal->addLayout(direita);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TEditForm::createButtons() {
    auto* quadro = new QWidget(this);
    auto* grade = new QGridLayout(quadro);
    grade->setContentsMargins(0, 0, 0, 0);
    BtnIdent = botao(QStringLiteral("BtnIdent"), QStringLiteral("&Identificar"), quadro);
    BtnCriar = botao(QStringLiteral("BtnCriar"), QStringLiteral("C&riar tipo"), quadro);
    BtnIncluir = botao(QStringLiteral("BtnIncluir"), QStringLiteral("&Catalogar"), quadro);
    BtnTranspor = botao(QStringLiteral("BtnTranspor"), QStringLiteral("&Transpor"), quadro);
    BtnVerificar =
        botao(QStringLiteral("BtnVerificar"), QStringLiteral("&Verificar digitação"), quadro);
    BtnVinculo = botao(QStringLiteral("BtnVinculo"), QStringLiteral("&Vincular acorde"), quadro);
    BtnCancel = botao(QStringLiteral("BtnCancel"), QStringLiteral("&Fechar"), quadro);
    BtnHelp = botao(QStringLiteral("BtnHelp"), QStringLiteral("Aj&uda"), quadro);
    grade->addWidget(BtnIdent, 0, 0);
    grade->addWidget(BtnVerificar, 0, 1);
    grade->addWidget(BtnVinculo, 1, 0);
    grade->addWidget(BtnIncluir, 1, 1);
    grade->addWidget(BtnTranspor, 2, 0);
    grade->addWidget(BtnCriar, 2, 1);
    Label2 = new QLabel(QStringLiteral("Nas funções acima:"), quadro);
    CheckBox = new QCheckBox(QStringLiteral("Habilitar cordas &soltas"), quadro);
    CheckBox->setToolTip(QStringLiteral("... que fazem parte do acorde sem alterar o baixo"));
    grade->addWidget(Label2, 3, 0, 1, 2);
    grade->addWidget(CheckBox, 4, 0, 1, 2);
    grade->setRowMinimumHeight(5, 8);
    grade->addWidget(BtnHelp, 6, 0);
    grade->addWidget(BtnCancel, 6, 1);
    return quadro;
}

void TEditForm::connectControls() {
    FretboardImage* imagem = braco_->Image;
    connect(imagem, &FretboardImage::pontoClicado, this, &TEditForm::clicarPonto);
    connect(imagem, &FretboardImage::cordaAlternada, this, &TEditForm::alternarCorda);
    connect(imagem, &FretboardImage::pestanaClicada, this, &TEditForm::clicarPestana);
    connect(imagem, &FretboardImage::pestanaArrastada, this, &TEditForm::arrastarPestana);
    connect(imagem, &FretboardImage::somPedido, this, [this] {
        if (som_) som_->tocar(estado_.digitacao, 0);
    });
    connect(imagem, &FretboardImage::somSolto, this, [this] {
        if (som_) som_->soltar();
    });
    imagem->podeIniciarPestana = [this](int casa) { return podeIniciarPestana(casa); };
    imagem->aoSoltar = [this](const QMimeData& mime) { receberArrastada(mime); };
    connect(SpeedButtonMais, &QToolButton::clicked, this, [this] { mover(+1); });
    connect(SpeedButtonMenos, &QToolButton::clicked, this, [this] { mover(-1); });
    connect(CheckBox, &QCheckBox::toggled, this, [this](bool marcado) {
        if (marcado) habilitarSoltasSeMarcado();
    });
    connect(BtnIdent, &QPushButton::clicked, this, &TEditForm::identificar);
    connect(BtnVerificar, &QPushButton::clicked, this, &TEditForm::verificar);
    connect(BtnIncluir, &QPushButton::clicked, this, &TEditForm::catalogar);
    connect(BtnTranspor, &QPushButton::clicked, this, &TEditForm::transpor);
    connect(BtnCriar, &QPushButton::clicked, this, &TEditForm::criarTipo);
    connect(BtnVinculo, &QPushButton::clicked, this, &TEditForm::alternarVinculo);
    connect(BtnCancel, &QPushButton::clicked, this, &TEditForm::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [this] {
        if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("digitacoes.html"));
    });
    connect(selecao_.RBopcional, &QAbstractButton::toggled, this, [this] { atualizar(); });
    connect(&navegador().grade(), &ChordGrid::escape, this, [this] {
        if (isVisible()) activateWindow();
    });
}

void TEditForm::preparar(const std::optional<TDigitacao>& digitacao) {
    estado_ = emptyEditorState();
    if (digitacao) {
        estado_.digitacao = *digitacao;
        estado_.digitacao.Nota = 0;
        estado_.digitacao.Tipo = 0;
        estado_.digitacao.NomeNota.clear();
    }
    CheckBox->setChecked(false);
    navegador().pertencerA(this);
    atualizar();
}

void TEditForm::abrir() {
    preparar(std::nullopt);
    exec();
}

void TEditForm::analisar(const TDigitacao& digitacao) {
    preparar(digitacao);
    exec();
}

// Every derived text and picture follows the fingering and the link.
void TEditForm::atualizar() {
    refreshDerived(estado_, catalogo_.tipos);
    braco_->atualizar(estado_);
    braco_->Image->update();
    const bool vinculado = estado_.linked();
    PanelDetalhe->setVisible(vinculado);
    PanelHelp->setVisible(!vinculado);
    if (vinculado) PanelDetalhe->mostrar(estado_, selecao_.cifraOpcional());
    for (QWidget* w : std::initializer_list<QWidget*>{BtnTranspor, BtnIncluir, CheckBox, BtnVerificar})
        w->setEnabled(vinculado);
    BtnVinculo->setText(vinculado ? QStringLiteral("&Desvincular acorde")
                                  : QStringLiteral("&Vincular acorde"));
}

void TEditForm::mostrarNavegador(bool selecionarUltima) {
    TChordsForm& n = navegador();
    if (!estado_.linked()) {
        n.hide();
        return;
    }
    n.pertencerA(this);
    n.mostrarParaEditor(estado_.linkedRootName, estado_.linkedType, selecionarUltima,
                        [this](const ListaDeDigitacoes& lista, int catalogadas) {
                            escreverLista(lista, catalogadas);
                        });
    n.posicionarAoLado(*this);
}

void TEditForm::posicionar() {
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const int juntas = frameGeometry().width() + navegador().sizeHint().width();
    const int x = area.left() + std::max(0, (area.width() - juntas) / 2);
    const int y = topo_ >= 0 ? std::clamp(topo_, area.top(),
                                          std::max(area.top(), area.bottom() - height()))
                             : area.top() + std::max(0, (area.height() - height()) / 2);
    move(x, y);
}

void TEditForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    posicionar();
}

void TEditForm::keyPressEvent(QKeyEvent* evento) {
    const QString texto = evento->text();
    if (texto == QStringLiteral("+") || evento->key() == Qt::Key_Plus) {
        mover(+1);
        return;
    }
    if (texto == QStringLiteral("-") || evento->key() == Qt::Key_Minus) {
        mover(-1);
        return;
    }
    if (evento->key() == Qt::Key_F1 && ajuda_) {
        ajuda_->mostrarPagina(QStringLiteral("digitacoes.html"));
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TEditForm::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && som_) som_->parar();
}

void TEditForm::done(int resultado) {
    if (resultado == QDialog::Rejected && atualizacaoPendenteCancela()) return;
    navegador().hide();
    navegador().pertencerA(&selecao_);
    QDialog::done(resultado);
}

void TEditForm::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    escolha_->setAjuda(ajuda);
}

}  // namespace trovale
