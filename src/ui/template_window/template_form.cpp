#include "ui/template_window/template_form.h"

#include <QCheckBox>

#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "base/dialogs.h"
#include "settings/template.h"
#include "ui/template_window/element_label.h"
#include "ui/template_window/size_edit.h"
#include "ui/template_window/template_placement.h"

namespace trovale {

const QString TModelForm::kPaginaAjuda = QStringLiteral("modelo.html");

namespace {

const char* const kDicaEdicao =
    "Duplo clique num elemento: muda a sua fonte. Botão direito: fonte normal, só maiúsculas "
    "ou cor. Arraste um elemento sobre outro para dar a ele a mesma fonte.";
const char* const kDicaArraste =
    "Para modificar o significado de linhas específicas do documento, arraste o elemento "
    "básico e solte-o sobre elas.";

// Reading the size for what the window shows says nothing: the message belongs to the buttons.
class DialogosMudos : public Dialogs {
  public:
    void aviso(const std::string&) override {}
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }
};

}  // namespace

TModelForm::TModelForm(Modelo& padrao, FileSystem& fs, std::filesystem::path pastaPrograma,
                       Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      padrao_(padrao),
      fs_(fs),
      pasta_(std::move(pastaPrograma)),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("TModelForm"));
    setWindowTitle(QStringLiteral(" Modelo de apresentação"));
    escolherFonte = [](const QFont& atual, QWidget* pai) -> std::optional<QFont> {
        bool aceita = false;
        const QFont escolhida = QFontDialog::getFont(&aceita, atual, pai, QStringLiteral("Fonte"));
        return aceita ? std::optional<QFont>(escolhida) : std::nullopt;
    };
    escolherCor = [](const QColor& atual, QWidget* pai) -> std::optional<QColor> {
        const QColor cor = QColorDialog::getColor(atual, pai, QStringLiteral("Cor"));
        return cor.isValid() ? std::optional<QColor>(cor) : std::nullopt;
    };
    createControls();
    connectControls();
    prepararModo(false);
    mostrarModelo(padrao_);
}

void TModelForm::connectControls() {
    for (ElementLabel* label : labels_) connectLabel(label);
    for (QRadioButton* r : {RBSL, RBLC, RBCL, RBLD}) {
        connect(r, &QRadioButton::toggled, this, [this](bool ligado) {
            if (ligado) habilitarOrdem();
        });
    }
    for (QRadioButton* r : {RBSL, RBLC, RBCL, RBLD, RBDT, RBDC})
        connect(r, &QRadioButton::clicked, this, &TModelForm::devolverFoco);
    connect(CBQuebrar, &QCheckBox::clicked, this, &TModelForm::devolverFoco);
    connect(OKBtn, &QPushButton::clicked, this, &TModelForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAplicar, &QPushButton::clicked, this, &TModelForm::BtnAplicarClick);
    connect(BtnPadrao, &QPushButton::clicked, this, &TModelForm::BtnPadraoClick);
    connect(BtnAdotar, &QPushButton::clicked, this, &TModelForm::BtnAdotarClick);
    const auto ajuda = [this] {
        emit ajudaPedida(kPaginaAjuda);
        devolverFoco();
    };
    connect(BtnHelp, &QPushButton::clicked, this, ajuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, ajuda);
}

void TModelForm::connectLabel(ElementLabel* label) {
    connect(label, &ElementLabel::fontePedida, this, [this, label] { escolherFonteDe(label); });
    connect(label, &ElementLabel::corPedida, this, [this, label] { escolherCorDe(label); });
    connect(label, &ElementLabel::maiusculasMudou, this, &TModelForm::ajustarTamanho);
    connect(label, &ElementLabel::fonteSoltada, this,
            [this, label](int deElemento) { copiarFonte(label, deElemento); });
}

ElementLabel* TModelForm::labelDoElemento(int elemento) const {
    const auto it = std::find_if(labels_.begin(), labels_.end(),
                                 [elemento](ElementLabel* l) { return l->tag() == elemento; });
    return it == labels_.end() ? nullptr : *it;
}

bool TModelForm::editar(const Modelo& doDocumento) {
    // Line-meaning mode ends as if closed, so that whoever waits for it knows.
    if (isVisible()) reject();
    prepararModo(false);
    mostrarModelo(doDocumento);
    ajustarTamanho();
    posicionar();
    return exec() == QDialog::Accepted;
}

void TModelForm::mostrarParaArrastar(const Modelo& doDocumento, std::optional<int> topoDaFolha) {
    if (!modoArrastar()) prepararModo(true);
    mostrarModelo(doDocumento);
    ajustarTamanho();
    posicionar(topoDaFolha);
    show();
    raise();
    activateWindow();
}

bool TModelForm::modoArrastar() const {
    return arrastar_ && isVisible();
}

// Line-meaning mode only lends the elements: nothing in the window can change.
void TModelForm::prepararModo(bool arrastar) {
    arrastar_ = arrastar;
    const Qt::WindowFlags molduras =
        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const Qt::WindowFlags tipo =
        arrastar ? Qt::Tool | Qt::WindowStaysOnTopHint | molduras : Qt::Dialog | molduras;
    // A new kind of window is a new native window: only when the mode changes.
    if (windowFlags() != tipo) setWindowFlags(tipo);
    setModal(!arrastar);
    for (ElementLabel* label : labels_)
        label->setModo(arrastar ? ElementLabel::Modo::Arraste : ElementLabel::Modo::Edicao);
    for (QWidget* w : std::initializer_list<QWidget*>{OKBtn, BtnAplicar, BtnPadrao, BtnAdotar, RBSL,
                                                      RBLC, RBCL, RBLD, EditSize, LabelSide,
                                                      CBQuebrar})
        w->setEnabled(!arrastar);
    CancelBtn->setFocusPolicy(arrastar ? Qt::StrongFocus : Qt::NoFocus);
    LabelHint->setText(QString::fromUtf8(arrastar ? kDicaArraste : kDicaEdicao));
    habilitarOrdem();
}

void TModelForm::mostrarModelo(const Modelo& modelo) {
    for (ElementLabel* label : labels_) label->setFonte(modelo.Fonts[label->tag()]);
    EditSize->setText(
        QString::fromStdString(textoCentimetros(modelo.Fonts[kElementoDiagrama].tamanho)));
    QRadioButton* modo = RBLC;
    if (modelo.Presentation == 0) modo = RBSL;
    if (modelo.Presentation == 1 && modelo.DiagramListOrder != 0) modo = RBCL;
    if (modelo.Presentation == 2) modo = RBLD;
    modo->setChecked(true);
    (modelo.DiagramListOrder == 1 ? RBDT : RBDC)->setChecked(true);
    CBQuebrar->setChecked(modelo.QuebrarLinhas);
    habilitarOrdem();
}

Modelo TModelForm::modeloDaJanela(const Modelo& base) const {
    Modelo modelo = base;
    for (const ElementLabel* label : labels_) modelo.Fonts[label->tag()] = label->fonte();
    DialogosMudos mudos;
    const int mm = tamanhoDiagramaDeTexto(EditSize->text().toStdString(), mudos);
    if (mm > 0) modelo.Fonts[kElementoDiagrama].tamanho = mm;
    modelo.Presentation = RBSL->isChecked() ? 0 : RBLD->isChecked() ? 2 : 1;
    modelo.DiagramListOrder = !RBCL->isChecked() ? 0 : RBDC->isChecked() ? 2 : 1;
    modelo.QuebrarLinhas = CBQuebrar->isChecked();
    return modelo;
}

void TModelForm::habilitarOrdem() {
    const bool lista = RBCL->isChecked() && !arrastar_;
    for (QWidget* w : std::initializer_list<QWidget*>{LabelOrdem, RBDT, RBDC}) w->setEnabled(lista);
}

// Labels grow with their fonts; the page of elements is shown whole unless it would not fit
// on the screen, where it scrolls.
void TModelForm::ajustarTamanho() {
    QWidget* folha = rolagem_->widget();
    folha->adjustSize();
    const QSize conteudo = folha->sizeHint();
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 1024, 768);
    const int maxAltura = area.height() * 6 / 10;
    const int maxLargura = area.width() / 2;
    const int moldura = 2 * rolagem_->frameWidth();
    const int barra = rolagem_->verticalScrollBar()->sizeHint().width();
    int largura = conteudo.width() + moldura;
    int altura = conteudo.height() + moldura;
    if (altura > maxAltura) largura += barra;
    if (largura > maxLargura) altura += barra;
    rolagem_->setMinimumSize(std::min(largura, maxLargura), std::min(altura, maxAltura));
    if (isVisible())
        resize(size().expandedTo(sizeHint()));
    else
        adjustSize();
}

void TModelForm::posicionar(std::optional<int> topo) {
    const QScreen* tela = parentWidget() ? parentWidget()->screen() : screen();
    if (!tela) tela = QGuiApplication::primaryScreen();
    if (!tela) return;
    std::optional<QRect> previa = quadroDaPrevia ? quadroDaPrevia() : std::nullopt;
    if (!topo && topoPrincipal) topo = topoPrincipal();
    const QSize externo = frameGeometry().size().expandedTo(size());
    move(posicaoDoModelo(tela->availableGeometry(), externo, previa, topo));
}

void TModelForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (arrastar_)
        CancelBtn->setFocus(Qt::OtherFocusReason);
    else
        QTimer::singleShot(0, this, &TModelForm::devolverFoco);
}

// After a click on a radio or a button the typing goes on in the size edit.
void TModelForm::devolverFoco() {
    if (!arrastar_ && isVisible()) EditSize->voltarFoco();
}

}  // namespace trovale
