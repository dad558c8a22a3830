#include "ui/aspect/aspect_form.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "drawing/appearance_file.h"
#include "drawing/appearance_validation.h"
#include "ui/aspect/diagram_box.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

// The pixel measure each proportion governs, and its forced flag.
struct MedidaDoItem {
    MedidaForcada forcada;
    int MedidasDiagrama::*pixels;
};

MedidaDoItem medidaDoItem(int numero) {
    switch (numero) {
        case kPropWC:
            return {kForcaWc, &MedidasDiagrama::Wc};
        case kPropWT:
            return {kForcaWt, &MedidasDiagrama::Wt};
        case kPropWB:
            return {kForcaWb, &MedidasDiagrama::Wb};
        case kPropWP:
            return {kForcaWp, &MedidasDiagrama::Wp};
        case kPropRP:
            return {kForcaRp, &MedidasDiagrama::Rp};
        case kPropRT:
            return {kForcaRt, &MedidasDiagrama::Rt};
        default:
            return {kForcaWl, &MedidasDiagrama::Wl};
    }
}

struct ItemEdit {
    const char* nome;
    const char* rotulo;
};

const ItemEdit kItens[] = {
    {"EditPercWC", "Cordas:"},
    {"EditPercWT", "Trastes:"},
    {"EditPercWB", "Base:"},
    {"EditPercWP", "Pestana:"},
    {"EditPercRP", "Indicadores das notas no braço:"},
    {"EditPercRT", "Baixo (e habilitação das cordas):"},
    {"EditPercWL", "Linhas (símbolos de habilitação):"},
};

// The text as the validation reads it: one byte per character, so positions agree.
std::string textoDoEdit(const QString& texto) {
    std::string bytes;
    for (QChar c : texto) bytes += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
    return bytes;
}

QRadioButton* radio(const char* nome, const QString& legenda, QWidget* parent) {
    auto* r = new QRadioButton(legenda, parent);
    r->setObjectName(QString::fromLatin1(nome));
    // The keyboard stays in the edits; the captions' letters still work.
    r->setFocusPolicy(Qt::NoFocus);
    return r;
}

QGroupBox* grupo(const QString& titulo, QRadioButton* a, QRadioButton* b, QWidget* parent) {
    auto* g = new QGroupBox(titulo, parent);
    auto* l = new QVBoxLayout(g);
    a->setParent(g);
    b->setParent(g);
    l->addWidget(a);
    l->addWidget(b);
    return g;
}

}  // namespace

TDigitacao TAspectForm::exemploPara(int casas) {
    TDigitacao d;
    d.NomeNota = "Bm";
    d.Nota = 3;
    d.Casa = 0;
    const auto n = static_cast<std::uint8_t>(casas);
    d.Notas[0] = {2, static_cast<std::uint8_t>(n - 2)};
    d.Notas[1] = {3, static_cast<std::uint8_t>(n - 1)};
    d.Notas[2] = {4, static_cast<std::uint8_t>(n - 1)};
    d.Pestanas[0] = {1, 5, static_cast<std::uint8_t>(n - 3)};
    d.Estado = {kCordaTocada, kCordaTocada, kCordaTocada, kCordaTocada, kCordaBaixo, kCordaMuda};
    return d;
}

TAspectForm::TAspectForm(Aparencia& aparencia, FileSystem& fs, std::filesystem::path pasta,
                         QWidget* parent)
    : QDialog(parent), emVigor_(aparencia), fs_(fs), pasta_(std::move(pasta)) {
    setObjectName(QStringLiteral("TAspectForm"));
    setWindowTitle(QStringLiteral(" Aparência das digitações no braço do violão"));
    setModal(true);
    emVigor_ = carregarAparencia(fs_, pasta_);
    capturada_ = emVigor_;
    exemplo_ = exemploPara(emVigor_.casas());
    createControls();
    connectControls();
    mostrarValores();
    legendasOrientacao();
}

void TAspectForm::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
}

void TAspectForm::createControls() {
    auto* principal = new QGridLayout(this);
    principal->addWidget(createOptions(), 0, 0, 1, 2);
    principal->addWidget(createEdits(), 1, 0);

    PBexemplo = new DiagramBox(this);
    PBexemplo->setObjectName(QStringLiteral("PBexemplo"));
    PBexemplo->setMinimumSize(240, 240);
    PBexemplo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    PBexemplo->setToolTip(QStringLiteral("Clique num elemento do desenho para editá-lo"));
    principal->addWidget(PBexemplo, 1, 1);
    principal->addWidget(createButtons(), 2, 0, 1, 2);
    principal->setColumnStretch(1, 1);
    principal->setRowStretch(1, 1);
    resize(820, 600);
}

QWidget* TAspectForm::createOptions() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    HorizontalRB = radio("HorizontalRB", QStringLiteral("&Horizontal"), linha);
    VerticalRB = radio("VerticalRB", QStringLiteral("&Vertical"), linha);
    AcEsqRBI = radio("AcEsqRBI", {}, linha);
    AbDirRBI = radio("AbDirRBI", {}, linha);
    AcEsqRBp = radio("AcEsqRBp", {}, linha);
    AbDirRBp = radio("AbDirRBp", {}, linha);
    RB4casas = radio("RB4casas", QStringLiteral("&4 casas"), linha);
    RB5casas = radio("RB5casas", QStringLiteral("&5 casas"), linha);
    l->addWidget(grupo(QStringLiteral(" Orientação "), HorizontalRB, VerticalRB, linha));
    l->addWidget(grupo(QStringLiteral(" Início "), AcEsqRBI, AbDirRBI, linha));
    l->addWidget(grupo(QStringLiteral(" 1ª corda "), AcEsqRBp, AbDirRBp, linha));
    l->addWidget(grupo(QStringLiteral(" Extensão "), RB4casas, RB5casas, linha));
    return linha;
}

QWidget* TAspectForm::createEdits() {
    auto* coluna = new QWidget(this);
    auto* l = new QGridLayout(coluna);
    l->setContentsMargins(0, 0, 0, 0);
    auto* titulo =
        new QLabel(QStringLiteral("Espessura das linhas e raio dos símbolos  (%)"), coluna);
    titulo->setStyleSheet(QStringLiteral("font-weight: bold"));
    l->addWidget(titulo, 0, 0, 1, 3);
    for (int i = 0; i < 7; ++i) {
        auto* edit = new QLineEdit(coluna);
        edit->setObjectName(QString::fromLatin1(kItens[i].nome));
        edit->setMaxLength(5);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.0000")) + 12);
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        auto* rotulo = new QLabel(QString::fromUtf8(kItens[i].rotulo), coluna);
        rotulo->setBuddy(edit);
        l->addWidget(rotulo, i + 1, 0);
        l->addWidget(edit, i + 1, 1);
        edits_[i] = edit;
    }
    SpeedButtonMais = new QToolButton(coluna);
    SpeedButtonMenos = new QToolButton(coluna);
    const std::pair<QToolButton*, const char*> botoes[] = {{SpeedButtonMais, "+"},
                                                           {SpeedButtonMenos, "\u2212"}};
    for (const auto& [botao, texto] : botoes) {
        botao->setObjectName(botao == SpeedButtonMais ? QStringLiteral("SpeedButtonMais")
                                                      : QStringLiteral("SpeedButtonMenos"));
        botao->setText(QString::fromUtf8(texto));
        botao->setAutoRepeat(true);
        botao->setFocusPolicy(Qt::NoFocus);
        botao->setFixedSize(28, 24);
    }
    auto* dica = new QLabel(QStringLiteral("Edite o item selecionado ou use os botões ao lado para "
                                           "forçar sua mudança visual (um ponto, em valor "
                                           "absoluto)."),
                            coluna);
    dica->setWordWrap(true);
    auto* botoes2 = new QVBoxLayout;
    botoes2->addWidget(SpeedButtonMais);
    botoes2->addWidget(SpeedButtonMenos);
    botoes2->addStretch();
    l->addWidget(dica, 8, 0);
    l->addLayout(botoes2, 8, 1, Qt::AlignHCenter);

    // The two small examples at the sizes they are printed in: 15 and 20 mm.
    const double ppp = screen() ? screen()->logicalDotsPerInch() : 96.0;
    PB1 = new DiagramBox(coluna);
    PB2 = new DiagramBox(coluna);
    PB1->setObjectName(QStringLiteral("PB1"));
    PB2->setObjectName(QStringLiteral("PB2"));
    PB1->setFixedSize(QSize(1, 1) * static_cast<int>(ppp * 15 / 25.4));
    PB2->setFixedSize(QSize(1, 1) * static_cast<int>(ppp * 20 / 25.4));
    auto* exemplos = new QHBoxLayout;
    exemplos->addWidget(PB1, 0, Qt::AlignBottom);
    exemplos->addWidget(PB2, 0, Qt::AlignBottom);
    exemplos->addStretch();
    l->addLayout(exemplos, 9, 0, 1, 3);
    l->setRowStretch(10, 1);
    return coluna;
}

QWidget* TAspectForm::createButtons() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    auto botao = [linha, l](const char* nome, const QString& legenda, const QString& dica) {
        auto* b = new QPushButton(legenda, linha);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(dica);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        l->addWidget(b);
        return b;
    };
    BtnPadrao =
        botao("BtnPadrao", QStringLiteral("Tornar &Padrão"), QStringLiteral("Tornar padrão"));
    BtnFabrica = botao("BtnFabrica", QStringLiteral("Aparência &original"),
                       QStringLiteral("Aparência original"));
    l->addStretch();
    BtnOK = botao("BtnOK", QStringLiteral("&OK"), QStringLiteral("Confirmar e fechar janela"));
    BtnCancel =
        botao("BtnCancel", QStringLiteral("&Cancelar"), QStringLiteral("Desistir e fechar janela"));
    BtnHelp = botao("BtnHelp", QStringLiteral("Aj&uda"), QStringLiteral("Ajuda"));
    BtnHelp->setEnabled(false);
    return linha;
}

void TAspectForm::connectControls() {
    for (QRadioButton* r :
         {HorizontalRB, VerticalRB, AcEsqRBI, AbDirRBI, AcEsqRBp, AbDirRBp, RB4casas, RB5casas}) {
        connect(r, &QRadioButton::toggled, this, [this](bool ligado) {
            if (!ligado) return;
            legendasOrientacao();
            DesenharClick();
            devolverFoco();
        });
    }
    connect(SpeedButtonMais, &QToolButton::clicked, this, [this] { mudarUmPixel(+1); });
    connect(SpeedButtonMenos, &QToolButton::clicked, this, [this] { mudarUmPixel(-1); });
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (validarEdit(selecionado_)) accept();
    });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnPadrao, &QPushButton::clicked, this, &TAspectForm::BtnPadraoClick);
    connect(BtnFabrica, &QPushButton::clicked, this, &TAspectForm::BtnFabricaClick);
    connect(BtnHelp, &QPushButton::clicked, this, [this] {
        if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("acordes.html"));
    });
    PBexemplo->setPintura([this](QPainter& p) { pintarExemplo(p); });
    PB1->setPintura([this](QPainter& p) { pintarPequeno(p, *PB1); });
    PB2->setPintura([this](QPainter& p) { pintarPequeno(p, *PB2); });
    PBexemplo->setClique([this](QPoint ponto) { selecionarPeloExemplo(ponto); });
}

// The settings in force into the radios and edits.
void TAspectForm::mostrarValores() {
    const std::pair<QRadioButton*, bool> marcas[] = {
        {HorizontalRB, emVigor_.Orientacao == kOrientacaoHorizontal},
        {VerticalRB, emVigor_.Orientacao != kOrientacaoHorizontal},
        {AcEsqRBI, emVigor_.Inicio == 1},
        {AbDirRBI, emVigor_.Inicio != 1},
        {AcEsqRBp, emVigor_.PrimeiraCorda == 1},
        {AbDirRBp, emVigor_.PrimeiraCorda != 1},
        {RB4casas, emVigor_.Extensao == 1},
        {RB5casas, emVigor_.Extensao != 1}};
    for (const auto& [r, marcado] : marcas) {
        const QSignalBlocker bloqueio(r);
        r->setChecked(marcado);
    }
    escreverEdits();
    legendasOrientacao();
    DesenharClick();
}

void TAspectForm::escreverEdits() {
    for (int k = kPropWC; k <= kPropWL; ++k) {
        edit(k)->setText(
            QString::fromStdString(formatarPercentual(emVigor_.proporcao(k))).trimmed());
        edit(k)->setModified(false);
    }
}

void TAspectForm::lerRadios() {
    emVigor_.Orientacao = HorizontalRB->isChecked() ? kOrientacaoHorizontal : kOrientacaoVertical;
    emVigor_.Inicio = AcEsqRBI->isChecked() ? 1 : 2;
    emVigor_.PrimeiraCorda = AcEsqRBp->isChecked() ? 1 : 2;
    emVigor_.Extensao = RB4casas->isChecked() ? 1 : 2;
    exemplo_ = exemploPara(emVigor_.casas());
}

// Which side is which depends on the way the strings run.
void TAspectForm::legendasOrientacao() {
    const bool horizontal = HorizontalRB->isChecked();
    AcEsqRBI->setText(horizontal ? QStringLiteral("&Esquerda") : QStringLiteral("A&cima"));
    AbDirRBI->setText(horizontal ? QStringLiteral("&Direita") : QStringLiteral("A&baixo"));
    AcEsqRBp->setText(horizontal ? QStringLiteral("A&cima") : QStringLiteral("&Esquerda"));
    AbDirRBp->setText(horizontal ? QStringLiteral("A&baixo") : QStringLiteral("&Direita"));
}

void TAspectForm::DesenharClick() {
    lerRadios();
    PBexemplo->update();
    PB1->update();
    PB2->update();
}

void TAspectForm::pintarExemplo(QPainter& p) {
    const int lado = PBexemplo->lado();
    const int margem = lado / 50 + 2;
    const int w = lado - 2 * margem - 2;
    if (w <= 0) return;
    const QPoint origem = PBexemplo->origem();
    DesenharBraco(p, emVigor_, medidas_, origem.x() + margem, origem.y() + margem, w, w);
    DesenharDigitacao(p, medidas_, exemplo_);
}

// The small examples have measures of their own, never forced: the large one's stay intact.
void TAspectForm::pintarPequeno(QPainter& p, const DiagramBox& caixa) {
    MedidasDiagrama medidas;
    const int w = caixa.width() - 4;
    DesenharBraco(p, emVigor_, medidas, 2, 2, w, caixa.height() - 4);
    DesenharDigitacao(p, medidas, exemplo_);
}

void TAspectForm::devolverFoco() {
    if (isVisible()) edit(selecionado_)->setFocus();
}

bool TAspectForm::validarEdit(int numero) {
    QLineEdit* e = edit(numero);
    if (!e->isModified()) return true;
    const ValidacaoProporcao v = validarTextoProporcao(emVigor_, numero, textoDoEdit(e->text()));
    if (!v.aceita) {
        aviso(v.mensagem);
        selecionado_ = numero;
        e->setFocus();
        e->setCursorPosition(v.posicao);
        e->setModified(true);
        return false;
    }
    emVigor_.proporcao(numero) = v.valor;
    escreverEdits();
    if (!v.mensagem.empty()) aviso(v.mensagem);
    DesenharClick();
    return true;
}

// One pixel more or less, taken back into the proportion; the measure is forced for the one
// redraw that follows, so that exactly that pixel shows.
void TAspectForm::mudarUmPixel(int passo) {
    const int k = selecionado_;
    const auto [forcada, pixels] = medidaDoItem(k);
    if (medidas_.W <= 0 || medidas_.Rp <= 0 || medidas_.Rt <= 0) return;
    const int novo = medidas_.*pixels + passo;
    double valor = static_cast<double>(novo) / medidas_.W;
    if (k == kPropWP) valor = 2.0 * novo * emVigor_.RP / medidas_.Rp;
    if (k == kPropWL) valor = novo * emVigor_.RT / medidas_.Rt;
    if (!validarProporcao(emVigor_, k, valor).aceita) {
        devolverFoco();
        return;
    }
    emVigor_.proporcao(k) = valor;
    medidas_.*pixels = novo;
    medidas_.Forcado[forcada] = true;
    PBexemplo->repaint();
    medidas_.Forcado[forcada] = false;
    PB1->update();
    PB2->update();
    edit(k)->setText(QString::fromStdString(formatarPercentual(valor)).trimmed());
    edit(k)->setModified(false);
    devolverFoco();
}

void TAspectForm::selecionarPeloExemplo(QPoint ponto) {
    if (medidas_.W <= 0) return;
    const PontoDiagrama toque = LocalizarPonto(medidas_, ponto.x(), ponto.y(), exemplo_, false);
    int k = 0;
    switch (toque.tipo) {
        case kToqueTraste:
            k = toque.casa == 0 ? kPropWB : kPropWT;
            break;
        case kToquePestana:
            k = kPropWP;
            break;
        case kToquePonto:
            k = kPropRP;
            break;
        case kToqueCorda:
            if (toque.casa <= emVigor_.casas())
                k = kPropWC;
            else
                k = exemplo_.estado(toque.corda) == kCordaBaixo ? kPropRT : kPropWL;
            break;
        default:
            return;
    }
    if (k != selecionado_ && !validarEdit(selecionado_)) return;
    selecionado_ = k;
    edit(k)->setFocus();
    edit(k)->selectAll();
}

void TAspectForm::BtnPadraoClick() {
    if (validarEdit(selecionado_) && !gravarAparencia(fs_, pasta_, emVigor_))
        aviso(kMensagemErroGravacaoAparencia);
    devolverFoco();
}

void TAspectForm::BtnFabricaClick() {
    emVigor_ = fabrica_;
    mostrarValores();
    devolverFoco();
}

void TAspectForm::showEvent(QShowEvent* evento) {
    capturada_ = emVigor_;
    medidas_.Forcado = {};
    mostrarValores();
    QDialog::showEvent(evento);
    QTimer::singleShot(0, this, [this] { devolverFoco(); });
}

void TAspectForm::done(int resultado) {
    if (resultado != QDialog::Accepted) emVigor_ = capturada_;
    QDialog::done(resultado);
}

bool TAspectForm::eventFilter(QObject* objeto, QEvent* evento) {
    auto* e = qobject_cast<QLineEdit*>(objeto);
    const int k =
        e ? static_cast<int>(std::find(edits_.begin(), edits_.end(), e) - edits_.begin()) + 1 : 0;
    if (k < kPropWC || k > kPropWL) return QDialog::eventFilter(objeto, evento);
    switch (evento->type()) {
        case QEvent::FocusIn:
            selecionado_ = k;
            break;
        case QEvent::FocusOut: {
            // The message window taking the focus is not the user leaving the edit.
            const auto razao = static_cast<QFocusEvent*>(evento)->reason();
            if (e->isModified() && razao != Qt::ActiveWindowFocusReason &&
                razao != Qt::PopupFocusReason)
                QTimer::singleShot(0, this, [this, k] { validarEdit(k); });
            break;
        }
        case QEvent::KeyPress:
            return teclaEdit(e, static_cast<QKeyEvent*>(evento));
        default:
            break;
    }
    return QDialog::eventFilter(objeto, evento);
}

// Digits, backspace, "." and ","; "+" and "-" act as the buttons; other characters are
// dropped. Keys without a character (arrows, Tab) keep their usual work.
bool TAspectForm::teclaEdit(QLineEdit*, QKeyEvent* tecla) {
    const QString texto = tecla->text();
    if (texto.isEmpty()) return false;
    const QChar c = texto.front();
    if (c == QLatin1Char('+')) {
        mudarUmPixel(+1);
        return true;
    }
    if (c == QLatin1Char('-')) {
        mudarUmPixel(-1);
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
        c == QLatin1Char(','))
        return false;
    // Control characters: backspace, Enter, Escape and the editing shortcuts.
    return !(c.unicode() < 32 || c.unicode() == 127);
}

void TAspectForm::aviso(const std::string& texto) {
    if (dialogs_) dialogs_->aviso(texto);
}

}  // namespace trovale
