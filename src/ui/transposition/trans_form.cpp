#include "ui/transposition/trans_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/text_codec.h"
#include "catalogue/notes.h"
#include "document/capo.h"
#include "document/song_document.h"
#include "document/sounding_chords.h"
#include "render/sheet_painter.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/common/code_diagram.h"
#include "ui/common/focus_frame.h"
#include "ui/help/help_form.h"
#include "ui/text_editor/paint_box.h"

namespace trovale {

namespace {

constexpr int kLinhasVisiveis = 6;
constexpr int kAlturaLinha = 30;  // logical pixels: Qt scales them on dense screens
constexpr int kTamanhoCifra = 12;
const QColor kCinza(0x80, 0x80, 0x80);

QString qs1252(const std::string& texto) {
    return QString::fromStdString(utf8DeWindows1252(texto));
}

// The root spelling a display symbol starts with: a letter and its accidental.
std::string raizDe(std::string_view simbolo) {
    if (simbolo.empty()) return {};
    const std::size_t n = simbolo.size() > 1 && (simbolo[1] == '#' || simbolo[1] == 'b') ? 2 : 1;
    return std::string(simbolo.substr(0, n));
}

}  // namespace

// Each row: the original symbol, and the new one where the new diagram stands.
class LinhaDeAcorde : public QStyledItemDelegate {
  public:
    LinhaDeAcorde(TTransForm& janela) : QStyledItemDelegate(&janela), janela_(janela) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override {
        const auto& linhas = janela_.linhas_;
        const int i = indice.row();
        if (i < 0 || i >= static_cast<int>(linhas.size())) return;
        const bool selecionada = opcao.state & QStyle::State_Selected;
        p->fillRect(opcao.rect, selecionada ? kCinza : QColor(Qt::white));
        const QColor cor = selecionada ? QColor(Qt::white) : QColor(Qt::black);
        QFont fonte(QStringLiteral("Arial"));
        const QRect r = opcao.rect.adjusted(6, 2, -6, -4);
        const QRect esquerda(r.left(), r.top(), r.width() / 2, r.height());
        const QRect direita(r.left() + r.width() / 2, r.top(), r.width() / 2, r.height());
        DrawChordSymbol(*p, janela_.catalogo_.tipos, linhas[i].simbolo, esquerda, fonte,
                        kTamanhoCifra, cor);
        if (janela_.transposto())
            DrawChordSymbol(*p, janela_.catalogo_.tipos, storedSymbol(linhas[i].novoSimbolo),
                            direita, fonte, kTamanhoCifra, cor);
        if (opcao.state & QStyle::State_HasFocus) desenharFoco(*p, opcao.rect, cor);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {200, kAlturaLinha};
    }

  private:
    TTransForm& janela_;
};

TTransForm::TTransForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                       TChordsForm& navegador, QWidget* parent)
    : QDialog(parent),
      catalogo_(catalogo),
      aparencia_(aparencia),
      dialogs_(dialogs),
      navegador_(navegador) {
    setWindowTitle(QStringLiteral(" Transposição"));
    createControls();
    connectControls();
}

void TTransForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    auto* alto = new QHBoxLayout;
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setAccessibleName(QStringLiteral("Acordes da música"));
    ListBox->setItemDelegate(new LinhaDeAcorde(*this));
    ListBox->setFixedSize(220, kAlturaLinha * kLinhasVisiveis + 2 * ListBox->frameWidth());
    ListBox->setUniformItemSizes(true);
    alto->addWidget(ListBox);
    auto* lado = new QWidget(this);
    auto* direita = new QVBoxLayout(lado);
    direita->setContentsMargins(0, 0, 0, 0);
    direita->addWidget(createPreviews());
    direita->addWidget(createHelp());
    alto->addWidget(lado, 1);
    principal->addLayout(alto);
    // As large as the larger of its two states, so that the window and the buttons below stay
    // where they are when the shift passes 0.
    const std::initializer_list<QRadioButton*> grafias{RBTb, RBTs, RBBb, RBBs};
    for (QRadioButton* b : grafias) b->setText(QStringLiteral("G#m7(b5)"));
    mostrarTransposicao(true);
    const QSize transposto = lado->sizeHint();
    for (QRadioButton* b : grafias) b->setText(QString());
    mostrarTransposicao(false);
    lado->setMinimumSize(transposto.expandedTo(lado->sizeHint()));
    principal->addWidget(createOptions());

    auto* botoes = new QHBoxLayout;
    OKBtn = new QPushButton(QStringLiteral("&Confirmar"), this);
    CancelBtn = new QPushButton(QStringLiteral("C&ancelar"), this);
    HelpBtn = new QPushButton(QStringLiteral("Aj&uda"), this);
    for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    principal->addLayout(botoes);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}

// The previews and spelling choices of a transposed song, or the help before a shift.
void TTransForm::mostrarTransposicao(bool transposto) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{GBtom, GBbaixo, PBnovo, PBorig, SrcLabel, ImageSeta})
        w->setVisible(transposto);
    PanelHelp->setVisible(!transposto);
}

QWidget* TTransForm::createPreviews() {
    auto* quadro = new QWidget(this);
    auto* g = new QGridLayout(quadro);
    g->setContentsMargins(0, 0, 0, 0);
    SrcLabel = new QLabel(QStringLiteral("No tom original:"), quadro);
    LabelNovo = new QLabel(quadro);
    LabelNovo->setObjectName(QStringLiteral("LabelNovo"));
    // Room for the longest shift, so that the window keeps its width while stepping.
    int largura = 0;
    for (int passo = -11; passo <= 11; ++passo)
        largura = std::max(largura, LabelNovo->fontMetrics().horizontalAdvance(
                                        QString::fromUtf8(textoDoDeslocamento(passo))));
    LabelNovo->setMinimumSize(largura, LabelNovo->fontMetrics().height());
    PBorig = new PaintBox(quadro);
    PBnovo = new PaintBox(quadro);
    for (PaintBox* pb : {PBorig, PBnovo}) pb->setFixedSize(110, 120);
    ImageSeta = new QLabel(QStringLiteral("→"), quadro);
    QFont seta = ImageSeta->font();
    seta.setPointSizeF(seta.pointSizeF() * 2.5);
    ImageSeta->setFont(seta);
    g->addWidget(SrcLabel, 0, 0);
    g->addWidget(LabelNovo, 0, 2);
    g->addWidget(PBorig, 1, 0);
    g->addWidget(ImageSeta, 1, 1, Qt::AlignCenter);
    g->addWidget(PBnovo, 1, 2);

    GBtom = new QGroupBox(QStringLiteral(" Nova cifra "), quadro);
    GBbaixo = new QGroupBox(QStringLiteral(" Novo baixo "), quadro);
    RBTb = new QRadioButton(GBtom);
    RBTs = new QRadioButton(GBtom);
    RBBb = new QRadioButton(GBbaixo);
    RBBs = new QRadioButton(GBbaixo);
    auto* lt = new QHBoxLayout(GBtom);
    lt->addWidget(RBTb);
    lt->addWidget(RBTs);
    auto* lb = new QHBoxLayout(GBbaixo);
    lb->addWidget(RBBb);
    lb->addWidget(RBBs);
    g->addWidget(GBtom, 2, 0);
    g->addWidget(GBbaixo, 2, 2);
    return quadro;
}

QWidget* TTransForm::createHelp() {
    PanelHelp = new QWidget(this);
    auto* l = new QVBoxLayout(PanelHelp);
    l->setContentsMargins(0, 0, 0, 0);
    for (const char* texto :
         {"O tom (acorde destacado) determina a nova cifragem: o novo tom é escrito com "
          "menos acidentes (Bb, e não A#); se tanto faz, sustenido ao subir e bemol ao "
          "descer semitons. Os demais acordes (e baixos) são decorrentes.",
          "Após a conversão automática, pode-se escolher a digitação de cada acorde "
          "transposto, bem como alterar sua opção sustenido/bemol. ",
          "Simplicidade corresponde a escolher a primeira opção de digitação."}) {
        auto* rotulo = new QLabel(QString::fromUtf8(texto), PanelHelp);
        rotulo->setWordWrap(true);
        rotulo->setMaximumWidth(260);
        l->addWidget(rotulo);
    }
    l->addStretch(1);
    return PanelHelp;
}

QWidget* TTransForm::createOptions() {
    auto* PanelC = new QFrame(this);
    PanelC->setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(PanelC);
    g->addWidget(new QLabel(QStringLiteral("Variar 1 semitom:"), PanelC), 0, 0);
    BtnUp = new QToolButton(PanelC);
    BtnDn = new QToolButton(PanelC);
    BtnUp->setArrowType(Qt::UpArrow);
    BtnDn->setArrowType(Qt::DownArrow);
    BtnUp->setToolTip(QStringLiteral("Subir um semitom"));
    BtnDn->setToolTip(QStringLiteral("Descer um semitom"));
    BtnUp->setAccessibleName(BtnUp->toolTip());
    BtnDn->setAccessibleName(BtnDn->toolTip());
    auto* setas = new QHBoxLayout;
    setas->addWidget(BtnUp);
    setas->addWidget(BtnDn);
    setas->addStretch(1);
    g->addLayout(setas, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Digitações novas baseadas em:"), PanelC), 1, 0);
    RBsimples = new QRadioButton(QStringLiteral("Simplicidade"), PanelC);
    RBigual = new QRadioButton(QStringLiteral("Similaridade"), PanelC);
    RBsimples->setChecked(true);
    auto* radios = new QHBoxLayout;
    radios->addWidget(RBsimples);
    radios->addWidget(RBigual);
    radios->addStretch(1);
    g->addLayout(radios, 1, 1);
    CBsugerir = new QCheckBox(
        QStringLiteral("Sugerir digitação nova mesmo se a original for indefinida"), PanelC);
    g->addWidget(CBsugerir, 2, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Chegar ao novo tom:"), PanelC), 3, 0);
    g->addWidget(createCapoChoice(PanelC), 3, 1);
    LabelSoante = new QLabel(PanelC);
    LabelSoante->setObjectName(QStringLiteral("LabelSoante"));
    LabelSoante->setWordWrap(true);
    g->addWidget(LabelSoante, 4, 0, 1, 2);
    return PanelC;
}

// Changing the chords, or moving the capo to one of the positions listed easiest first.
QWidget* TTransForm::createCapoChoice(QWidget* dono) {
    auto* quadro = new QWidget(dono);
    RBacordes = new QRadioButton(QStringLiteral("&Mudando os acordes"), quadro);
    RBcapo = new QRadioButton(QStringLiteral("Com o ca&potraste:"), quadro);
    RBacordes->setObjectName(QStringLiteral("RBacordes"));
    RBcapo->setObjectName(QStringLiteral("RBcapo"));
    RBacordes->setChecked(true);
    CBcapo = new QComboBox(quadro);
    CBcapo->setObjectName(QStringLiteral("CBcapo"));
    CBcapo->setAccessibleName(QStringLiteral("Posição do capotraste"));
    // As wide as the longest entry, so that the window keeps its size while stepping.
    CBcapo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CBcapo->setMinimumContentsLength(34);
    auto* l = new QHBoxLayout(quadro);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(RBacordes);
    l->addWidget(RBcapo);
    l->addWidget(CBcapo);
    l->addStretch(1);
    return quadro;
}

// Every capo position for the new key, easiest shapes first; the first is taken.
void TTransForm::preencherCapotrastes(int linhaDoTom) {
    tomDasFormas_ = tomDasLinhas(linhas_, linhaDoTom, catalogo_.tipos);
    escolhas_.clear();
    if (tomDasFormas_) escolhas_ = escolhasDeCapotraste(*tomDasFormas_, capoAtual_, deslocamento_);
    escolhasPara_ = deslocamento_;
    const QSignalBlocker bloqueio(CBcapo);
    CBcapo->clear();
    for (const EscolhaDeCapotraste& e : escolhas_) {
        QString texto = QString::fromStdString(nomeDaCasa(e.casa)) +
                        QStringLiteral(": formas de ") + QString::fromStdString(e.tomDasFormas);
        if (e.deslocamento == 0) texto += QStringLiteral(" (as mesmas)");
        CBcapo->addItem(texto, e.casa);
    }
    RBcapo->setEnabled(!escolhas_.empty());
    if (escolhas_.empty()) RBacordes->setChecked(true);
}

// Where the song sounds now and where it will, with the capo counted.
void TTransForm::mostrarSoante() {
    if (!tomDasFormas_) {
        LabelSoante->clear();
        return;
    }
    const TomDaCancao& t = *tomDasFormas_;
    QString texto = QStringLiteral("Soa em ") +
                    QString::fromStdString(grafiaDaTonica(t.nota + capoAtual_, t.menor, 0));
    if (capoAtual_ > 0)
        texto += QStringLiteral(" (formas de %1, capotraste na %2)")
                     .arg(QString::fromStdString(grafiaDaTonica(t.nota, t.menor, 0)),
                          QString::fromStdString(nomeDaCasa(capoAtual_)));
    if (transposto()) {
        texto += QStringLiteral("; passa a soar em ") +
                 QString::fromStdString(
                     grafiaDaTonica(t.nota + capoAtual_ + deslocamento_, t.menor, deslocamento_));
        if (capoEscolhido_ != capoAtual_)
            texto += capoEscolhido_ == 0
                         ? QStringLiteral(", sem capotraste")
                         : QStringLiteral(", capotraste na %1")
                               .arg(QString::fromStdString(nomeDaCasa(capoEscolhido_)));
    }
    LabelSoante->setText(texto + QLatin1Char('.'));
}

void TTransForm::connectControls() {
    connect(BtnUp, &QToolButton::clicked, this, [this] { mudarDeslocamento(+1); });
    connect(BtnDn, &QToolButton::clicked, this, [this] { mudarDeslocamento(-1); });
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{RBsimples, RBigual, CBsugerir})
        connect(b, &QAbstractButton::clicked, this, [this] { mudarDeslocamento(0); });
    auto* modo = new QButtonGroup(this);
    modo->addButton(RBacordes);
    modo->addButton(RBcapo);
    for (QRadioButton* b : {RBacordes, RBcapo})
        connect(b, &QRadioButton::clicked, this, [this] { mudarDeslocamento(0); });
    connect(CBcapo, &QComboBox::activated, this, [this] {
        RBcapo->setChecked(true);
        mudarDeslocamento(0);
    });
    connect(ListBox, &QListWidget::currentRowChanged, this, [this] { mostrarSelecionada(); });
    connect(RBTb, &QRadioButton::clicked, this, [this] { usarGrafia(true, true); });
    connect(RBTs, &QRadioButton::clicked, this, [this] { usarGrafia(true, false); });
    connect(RBBb, &QRadioButton::clicked, this, [this] { usarGrafia(false, true); });
    connect(RBBs, &QRadioButton::clicked, this, [this] { usarGrafia(false, false); });
    connect(OKBtn, &QPushButton::clicked, this, &TTransForm::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TTransForm::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TTransForm::abrirAjuda);
    PBorig->setPintura([this](QPainter& p, const QRect& caixa) {
        const int i = linhaSelecionada();
        if (i >= 0) pintarDiagramaDoCodigo(p, caixa, aparencia_, linhas_[i].digitacao);
    });
    PBnovo->setPintura([this](QPainter& p, const QRect& caixa) {
        const int i = linhaSelecionada();
        if (i >= 0) pintarDiagramaDoCodigo(p, caixa, aparencia_, linhas_[i].novaDigitacao);
    });
}

int TTransForm::linhaSelecionada() const {
    const int i = ListBox->currentRow();
    return i >= 0 && i < static_cast<int>(linhas_.size()) ? i : -1;
}

void TTransForm::preparar(std::vector<LinhaTransposicao> linhas, const std::string& tom,
                          int capotraste) {
    linhas_ = std::move(linhas);
    deslocamento_ = formas_ = 0;
    capoAtual_ = capoEscolhido_ = capotraste;
    escolhasPara_ = -1;
    RBsimples->setChecked(true);
    RBacordes->setChecked(true);
    CBsugerir->setChecked(false);
    preencherLista();
    if (!tom.empty() && !linhas_.empty())
        ListBox->setCurrentRow(linhaDoTom(linhas_, tom, capotraste));
    transporTudo();
}

std::optional<std::vector<LinhaTransposicao>> TTransForm::transpor(
    std::vector<LinhaTransposicao> linhas, const std::string& tom, int capotraste) {
    preparar(std::move(linhas), tom, capotraste);
    if (exec() != QDialog::Accepted || !transposto()) return std::nullopt;
    return linhas_;
}

void TTransForm::preencherLista() {
    ListBox->clear();
    for (const LinhaTransposicao& l : linhas_) {
        auto* item = new QListWidgetItem(qs1252(displaySymbol(l.simbolo)), ListBox);
        item->setSizeHint({200, kAlturaLinha});
    }
    if (!linhas_.empty()) ListBox->setCurrentRow(0);
}

void TTransForm::mudarDeslocamento(int passo) {
    deslocamento_ = normalizarDeslocamento(deslocamento_ + passo);
    transporTudo();
}

// Every row from its original, moved by the shift after the key chord.
void TTransForm::transporTudo() {
    const int tom = std::max(0, linhaSelecionada());
    if (escolhasPara_ != deslocamento_ || tom != linhaDoTom_) preencherCapotrastes(tom);
    const int escolha = CBcapo->currentIndex();
    const bool comCapo = RBcapo->isChecked() && escolha >= 0;
    formas_ = comCapo ? escolhas_[static_cast<std::size_t>(escolha)].deslocamento : deslocamento_;
    capoEscolhido_ = comCapo ? escolhas_[static_cast<std::size_t>(escolha)].casa : capoAtual_;
    CBcapo->setEnabled(comCapo);
    OpcoesTransposicao opcoes;
    opcoes.similaridade = RBigual->isChecked();
    opcoes.sugerirMesmoIndefinida = RBsimples->isChecked() && CBsugerir->isChecked();
    transporLinhas(linhas_, formas_, tom, opcoes, catalogo_, aparencia_.casas());
    if (formas_ != 0 && std::any_of(linhas_.begin(), linhas_.end(),
                                    [](const auto& l) { return l.baixoForaDoTipo; }))
        QApplication::beep();
    LabelNovo->setText(formas_ == 0 && transposto()
                           ? QStringLiteral("As mesmas formas:")
                           : QString::fromUtf8(textoDoDeslocamento(formas_)));
    mostrarTransposicao(transposto());
    OKBtn->setEnabled(transposto());
    OKBtn->setDefault(transposto());
    CBsugerir->setEnabled(RBsimples->isChecked());
    linhaDoTom_ = tom;
    mostrarSoante();
    mostrarNovosSimbolos();
}

// Each row as "C F#", the new symbol after the original once something is transposed.
void TTransForm::mostrarNovosSimbolos() {
    for (int i = 0; i < ListBox->count(); ++i) {
        QString texto = qs1252(displaySymbol(linhas_[i].simbolo));
        if (transposto()) texto += QLatin1Char(' ') + qs1252(linhas_[i].novoSimbolo);
        ListBox->item(i)->setText(texto);
    }
    ListBox->viewport()->update();
    mostrarSelecionada();
}

void TTransForm::mostrarSelecionada() {
    PBorig->update();
    PBnovo->update();
    mostrarGrafias();
    if (isVisible()) mostrarNavegador();
}

void TTransForm::mostrarGrafias() {
    const int i = linhaSelecionada();
    if (i < 0 || !transposto()) return;
    const GrafiasOferecidas g = grafiasOferecidas(linhas_[i].novoSimbolo);
    RBTb->setText(qs1252(g.raizBemol));
    RBTs->setText(qs1252(g.raizSustenido));
    (g.raizEmBemol ? RBTb : RBTs)->setChecked(true);
    GBtom->setEnabled(g.raizComAcidente);
    RBBb->setText(qs1252(g.baixoBemol));
    RBBs->setText(qs1252(g.baixoSustenido));
    (g.baixoEmBemol ? RBBb : RBBs)->setChecked(true);
    GBbaixo->setEnabled(g.baixoComAcidente);
}

// The key chord's root spelled the other way respells every row after it; any other choice
// is that row's alone.
void TTransForm::usarGrafia(bool raiz, bool bemol) {
    const int i = linhaSelecionada();
    if (i < 0 || !transposto()) return;
    std::string& simbolo = linhas_[i].novoSimbolo;
    if (raiz && i == linhaDoTom_)
        regrafarPeloTom(linhas_, formas_, i, bemol, catalogo_.tipos);
    else
        simbolo = raiz ? comGrafiaDaRaiz(simbolo, bemol) : comGrafiaDoBaixo(simbolo, bemol);
    mostrarNovosSimbolos();
}

// The catalogued fingerings of the highlighted row's chord; a pick becomes its fingering.
void TTransForm::mostrarNavegador() {
    const int i = linhaSelecionada();
    if (i < 0) {
        navegador_.hide();
        return;
    }
    const bool mudou = transposto();
    const std::string simbolo =
        mudou ? linhas_[i].novoSimbolo : displaySymbol(linhas_[i].simbolo);
    const std::string codigo = mudou ? linhas_[i].novaDigitacao : linhas_[i].digitacao;
    TChordsForm::Escolha e;
    e.podeEscolher = mudou;
    e.cifraEmVigor = [simbolo]() -> std::optional<std::string> { return simbolo; };
    e.aoEscolher = [this, i](const std::string& novo, const CifraConferida*) {
        if (!transposto() || i >= static_cast<int>(linhas_.size())) return false;
        linhas_[i].novaDigitacao = novo;
        PBnovo->update();
        return true;
    };
    e.aoEscape = [this] {
        activateWindow();
        ListBox->setFocus();
    };
    if (navegador_.parentWidget() != this) {
        donoDoNavegador_ = navegador_.parentWidget();
        navegador_.pertencerA(this);
    }
    navegador_.mostrarAcorde(raizDe(simbolo), linhas_[i].tipo, codigo, std::move(e));
    navegador_.posicionarAoLado(*this);
}

void TTransForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (tela) {
        const QRect area = tela->availableGeometry();
        const int juntas = frameGeometry().width() + navegador_.sizeHint().width();
        move(area.left() + std::max(0, (area.width() - juntas) / 2),
             area.top() + std::max(0, (area.height() - height()) / 3));
    }
    ListBox->setFocus();
    mostrarNavegador();
}

void TTransForm::done(int resultado) {
    navegador_.hide();
    // The browser goes back to the window it belongs to when this one is not up.
    if (donoDoNavegador_) navegador_.pertencerA(donoDoNavegador_);
    donoDoNavegador_ = nullptr;
    QDialog::done(resultado);
}

void TTransForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1) {
        abrirAjuda();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TTransForm::abrirAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("transposicao.html"));
}

}  // namespace trovale
