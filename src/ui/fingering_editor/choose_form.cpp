#include "ui/fingering_editor/choose_form.h"

#include "catalogue/symbol_elements.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "render/qt_chord_name.h"
#include "ui/chord_choice/button_row.h"
#include "ui/common/focus_frame.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

// Logical pixels at 96 dpi.
constexpr int kLarguraSimbolo = 111;
constexpr int kAlturaLinha = 31;
constexpr int kLarguraGrade = 2 * kLarguraSimbolo + 80;
constexpr int kAlturaGrade = 5 * kAlturaLinha + 36;
constexpr double kTamanhoCifra = 11;

const QColor kAmarelo(255, 255, 0);
const QColor kVermelho(255, 0, 0);
const QColor kLinhaGrade(0xC0, 0xC0, 0xC0);

const char* const kAjudaEscolha =
    "Selecione o acorde com um duplo \"click\" do mouse ou destaque-o e use os botões abaixo:";
const char* const kAjudaVermelho = "Cifras em vermelho já têm esta digitação catalogada.";

QString observacao(int omissao) {
    if (omissao == kSemQuinta) return QStringLiteral("Sem 5ª");
    if (omissao == kSemFundamental) return QStringLiteral("Sem 1ª");
    return {};
}

}  // namespace

LadoALado posicaoDasOpcoes(const QRect& area, const QRect& editor, const QSize& janela,
                           const QRect& braco) {
    const int fimDaTela = area.left() + area.width();
    const int topo = editor.top();
    if (editor.left() + editor.width() + janela.width() <= fimDaTela)
        return {editor.topLeft(), {editor.left() + editor.width(), topo}};
    const int juntas = editor.width() + janela.width();
    if (juntas <= area.width()) {
        const int x = area.left() + (area.width() - juntas) / 2;
        return {{x, topo}, {x + editor.width(), topo}};
    }
    // The window covers the editor's panel right of the fretboard.
    const int ateOBraco = braco.left() + braco.width() - editor.left();
    const int x =
        std::max(area.left(), std::min(editor.left(), fimDaTela - janela.width() - ateOBraco));
    const int xJanela = std::max(area.left(), std::min(x + ateOBraco, fimDaTela - janela.width()));
    return {{x, topo}, {xJanela, topo}};
}

// ---- DrawGrid ------------------------------------------------------------------------------

GradeDeOpcoes::GradeDeOpcoes(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrawGrid"));
    setAccessibleName(QStringLiteral("Opções de nomenclatura"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(qRound(kLarguraGrade * escala()), qRound(kAlturaGrade * escala()));
}

double GradeDeOpcoes::escala() const {
    return logicalDpiX() / 96.0;
}

int GradeDeOpcoes::largura(int coluna) const {
    const int simbolo = qRound(kLarguraSimbolo * escala());
    return coluna < 2 ? simbolo : width() - 2 * simbolo;
}

int GradeDeOpcoes::altura(int linha) const {
    const int h = qRound(kAlturaLinha * escala());
    return linha > 0 ? h : height() - (kLinhas - 1) * h;
}

QRect GradeDeOpcoes::retanguloCelula(int linha, int coluna) const {
    int x = 0, y = 0;
    for (int c = 0; c < coluna; ++c) x += largura(c);
    for (int l = 0; l < linha; ++l) y += altura(l);
    return {x, y, largura(coluna), altura(linha)};
}

std::pair<int, int> GradeDeOpcoes::celulaEm(QPoint ponto) const {
    for (int l = 0; l < kLinhas; ++l)
        for (int c = 0; c < kColunas; ++c)
            if (retanguloCelula(l, c).contains(ponto)) return {l, c};
    return {-1, -1};
}

QString GradeDeOpcoes::texto(int linha, int coluna) const {
    if (linha == 0 && coluna == 0)
        return QStringLiteral("Cifra ") +
               (cifraOpcional_ ? QStringLiteral("opcional") : QStringLiteral("padrão"));
    if (linha == 0) return coluna == 1 ? QStringLiteral("Equivalente") : QStringLiteral("Obs:");
    if (linha > static_cast<int>(opcoes_.size())) return {};
    const Opcao& o = opcoes_[linha - 1];
    if (coluna == 2) return observacao(o.candidato.omission);
    // The symbol as one line of text, for screen readers and tests.
    const ChordCandidate& c = o.candidato;
    const std::string& raiz = coluna == 0 ? c.rootSpelling : c.equivalentSpelling;
    if (raiz.empty()) return {};
    const std::string& baixo = coluna == 0 ? c.bassSpelling : c.equivalentBassSpelling;
    std::string texto = raiz + CifraLinearDe(o.cifra);
    if (!baixo.empty() && baixo != raiz) texto += "/" + baixo;
    return QString::fromLatin1(texto.c_str());
}

void GradeDeOpcoes::mostrar(const Identification& identificacao, const CatalogoTipos& tipos,
                            bool cifraOpcional) {
    cifraOpcional_ = cifraOpcional;
    opcoes_.clear();
    for (const ChordCandidate& c : identificacao.candidates) {
        if (static_cast<int>(opcoes_.size()) == kLinhas - 1) break;
        const TTipoAcorde& t = tipos.tipo(c.type);
        opcoes_.push_back({c, cifraOpcional ? t.CifraOpcional : t.CifraPadrao});
    }
    linha_ = coluna_ = 0;
    selecionar(1, 0);
    update();
}

bool GradeDeOpcoes::selecionavel(int linha, int coluna) const {
    if (linha < 1 || linha > static_cast<int>(opcoes_.size())) return false;
    return coluna == 0 || (coluna == 1 && !opcoes_[linha - 1].candidato.equivalentSpelling.empty());
}

bool GradeDeOpcoes::selecionar(int linha, int coluna) {
    if (!selecionavel(linha, coluna)) return false;
    linha_ = linha;
    coluna_ = coluna;
    update();
    return true;
}

std::optional<Escolhida> GradeDeOpcoes::escolha() const {
    if (!selecionavel(linha_, coluna_)) return std::nullopt;
    const ChordCandidate& c = opcoes_[linha_ - 1].candidato;
    return Escolhida{c.type, coluna_ == 0 ? c.rootSpelling : c.equivalentSpelling};
}

void GradeDeOpcoes::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int l = 0; l < kLinhas; ++l)
        for (int c = 0; c < kColunas; ++c) desenharCelula(p, l, c);
}

void GradeDeOpcoes::desenharCelula(QPainter& p, int linha, int coluna) {
    const QRect r = retanguloCelula(linha, coluna);
    const bool marcada = linha == linha_ && coluna == coluna_ && linha > 0;
    p.fillRect(r, linha == 0 ? palette().color(QPalette::Button) : marcada ? kAmarelo : Qt::white);
    p.setPen(kLinhaGrade);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (marcada && hasFocus()) desenharFoco(p, r, Qt::black);
    p.setFont(font());
    p.setPen(palette().color(linha == 0 ? QPalette::ButtonText : QPalette::Text));
    if (linha == 0 || coluna == 2)
        p.drawText(r, Qt::AlignCenter, texto(linha, coluna));
    else if (linha <= static_cast<int>(opcoes_.size()))
        desenharCifra(p, opcoes_[linha - 1], coluna, r);
}

void GradeDeOpcoes::desenharCifra(QPainter& p, const Opcao& o, int coluna, const QRect& r) {
    const ChordCandidate& c = o.candidato;
    const std::string& raiz = coluna == 0 ? c.rootSpelling : c.equivalentSpelling;
    if (raiz.empty()) return;
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSizeF(kTamanhoCifra);
    p.setFont(fonte);
    OpcoesNomeAcorde opcoes;
    opcoes.caixa = r;
    opcoes.centralizar = true;
    opcoes.alinharNoTopo = true;
    opcoes.tamanhoFonte = kTamanhoCifra;
    opcoes.cor = c.catalogued ? kVermelho : QColor(Qt::black);
    DesenharNomeAcorde(p, o.cifra, raiz, coluna == 0 ? c.bassSpelling : c.equivalentBassSpelling,
                       opcoes);
}

void GradeDeOpcoes::mousePressEvent(QMouseEvent* evento) {
    setFocus(Qt::MouseFocusReason);
    if (evento->button() != Qt::LeftButton) return;
    const auto [linha, coluna] = celulaEm(evento->position().toPoint());
    selecionar(linha, coluna);
}

void GradeDeOpcoes::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    const auto [linha, coluna] = celulaEm(evento->position().toPoint());
    if (selecionar(linha, coluna)) emit ativada();
}

void GradeDeOpcoes::keyPressEvent(QKeyEvent* evento) {
    int linha = linha_, coluna = coluna_;
    switch (evento->key()) {
        case Qt::Key_Up:
            --linha;
            break;
        case Qt::Key_Down:
            ++linha;
            break;
        case Qt::Key_Left:
            --coluna;
            break;
        case Qt::Key_Right:
            ++coluna;
            break;
        default:
            QWidget::keyPressEvent(evento);
            return;
    }
    // A cell that cannot be selected keeps the selection where it is.
    selecionar(linha, coluna);
}

// ---- The window ----------------------------------------------------------------------------

TChooseForm::TChooseForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" Opções de nomenclatura"));
    createControls();
}

void TChooseForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    LabelHelp = new QLabel(QString::fromUtf8(kAjudaEscolha), this);
    LabelHelp->setObjectName(QStringLiteral("LabelHelp"));
    DrawGrid = new GradeDeOpcoes(this);
    LabelRed = new QLabel(QString::fromUtf8(kAjudaVermelho), this);
    LabelRed->setObjectName(QStringLiteral("LabelRed"));
    for (QLabel* l : {LabelHelp, LabelRed}) {
        l->setWordWrap(true);
        // Wrapping labels otherwise widen the window to one long line.
        l->setMaximumWidth(DrawGrid->width());
    }
    principal->addWidget(LabelHelp);
    principal->addWidget(DrawGrid);
    principal->addWidget(LabelRed);

    QHBoxLayout* botoes = linhaDeBotoes(this, BtnOK, QStringLiteral("&Confirmar"), BtnCancel,
                                        QStringLiteral("C&ancelar"));
    BtnHelp = new QPushButton(QStringLiteral("Aj&uda"), this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setAutoDefault(false);
    BtnHelp->setEnabled(false);
    botoes->addWidget(BtnHelp);
    principal->addLayout(botoes);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOK, &QPushButton::clicked, this, &TChooseForm::confirmar);
    connect(BtnCancel, &QPushButton::clicked, this, &TChooseForm::reject);
    connect(DrawGrid, &GradeDeOpcoes::ativada, this, &TChooseForm::confirmar);
    connect(BtnHelp, &QPushButton::clicked, this, &TChooseForm::abrirAjuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TChooseForm::abrirAjuda);
}

void TChooseForm::preparar(const Identification& identificacao, const CatalogoTipos& tipos,
                           bool cifraOpcional) {
    resultado_.reset();
    DrawGrid->mostrar(identificacao, tipos, cifraOpcional);
    adjustSize();
}

void TChooseForm::posicionar(QWidget& editor, const QRect& braco) {
    editor_ = &editor;
    braco_ = braco;
    QWidget& janela = *editor.window();
    const QScreen* tela = janela.screen() ? janela.screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 4096, 4096);
    const QRect bracoNaTela(editor.mapToGlobal(braco.topLeft()), braco.size());
    const LadoALado lugar =
        posicaoDasOpcoes(area, janela.frameGeometry(), frameGeometry().size(), bracoNaTela);
    if (lugar.editor != janela.frameGeometry().topLeft()) janela.move(lugar.editor);
    move(lugar.janela);
}

std::optional<Escolhida> TChooseForm::escolher(const Identification& identificacao,
                                               const CatalogoTipos& tipos, bool cifraOpcional,
                                               QWidget& editor, const QRect& braco) {
    preparar(identificacao, tipos, cifraOpcional);
    posicionar(editor, braco);
    exec();
    return resultado_;
}

void TChooseForm::confirmar() {
    resultado_ = DrawGrid->escolha();
    if (!resultado_) {
        QApplication::beep();
        return;
    }
    accept();
}

void TChooseForm::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
}

void TChooseForm::abrirAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("opcoes_nomenclatura.html"));
}

void TChooseForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    aEnquadrar_ = frameGeometry() == geometry();
    DrawGrid->setFocus();
}

// Unframed, the window's frame can only be guessed and the window manager reads the place
// asked for its own way (a title bar lower than the editor's): placed again once framed.
void TChooseForm::moveEvent(QMoveEvent* evento) {
    QDialog::moveEvent(evento);
    if (!aEnquadrar_ || frameGeometry() == geometry()) return;
    aEnquadrar_ = false;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && editor_) posicionar(*editor_, braco_);
    });
}

}  // namespace trovale
