// TPageForm: the controls, where they stand and what they are connected to.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_form.h"
#include "ui/page_setup/page_picture.h"

namespace trovale {

namespace {

struct ItemEdit {
    const char* nome;
    const char* rotulo;
    int tag;
    CampoLayout campo;
};

// In the order the arrow keys go through them.
constexpr ItemEdit kEdits[] = {
    {"EditMs", "&Superior", 1, CampoLayout::MargemSuperior},
    {"EditMi", "&Inferior", 4, CampoLayout::MargemInferior},
    {"EditMe", "&Esquerda", 2, CampoLayout::MargemEsquerda},
    {"EditMd", "&Direita", 3, CampoLayout::MargemDireita},
    {"EditMc", "Inte&rna", 5, CampoLayout::EspacoColunas},
    {"EditC1", "Coluna &1", 6, CampoLayout::Coluna1},
    {"EditC2", "Coluna &2", 7, CampoLayout::Coluna2},
    {"EditC3", "Coluna &3", 8, CampoLayout::Coluna3},
};

constexpr int kRepeticaoInicial = 500;  // ms before holding plus or minus repeats
constexpr int kRepeticao = 10;

QPushButton* botao(QWidget* parent, const char* nome, const QString& legenda,
                   const QString& dica = {}) {
    auto* b = new QPushButton(legenda, parent);
    b->setObjectName(QString::fromLatin1(nome));
    if (!dica.isEmpty()) b->setToolTip(dica);
    // A click leaves the keyboard in the edit; Tab still reaches the button.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(false);
    return b;
}

QToolButton* botaoFerramenta(QWidget* parent, const char* nome, const QString& texto) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setText(texto);
    b->setFocusPolicy(Qt::TabFocus);
    const int lado = b->fontMetrics().height() * 2;
    b->setMinimumSize(lado, lado);
    return b;
}

}  // namespace

void TPageForm::createControls() {
    auto* principal = new QGridLayout(this);
    principal->addWidget(createPrinterLine(), 0, 0, 1, 2);
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(createEdits());
    esquerda->addWidget(createActions());
    esquerda->addStretch();
    principal->addLayout(esquerda, 1, 0);
    principal->addWidget(createPreview(), 1, 1);
    principal->addWidget(createButtons(), 2, 0, 1, 2);
    principal->setColumnStretch(1, 1);
    principal->setRowStretch(1, 1);
}

QWidget* TPageForm::createPrinterLine() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    LabelImpressora = new QLabel(linha);
    LabelImpressora->setObjectName(QStringLiteral("LabelImpressora"));
    LabelResolucao = new QLabel(linha);
    LabelResolucao->setObjectName(QStringLiteral("LabelResolucao"));
    l->addWidget(LabelImpressora);
    l->addStretch();
    l->addWidget(LabelResolucao);
    return linha;
}

QWidget* TPageForm::createEdits() {
    auto* coluna = new QWidget(this);
    auto* l = new QVBoxLayout(coluna);
    l->setContentsMargins(0, 0, 0, 0);
    auto* margens = new QGroupBox(QStringLiteral("Margens (cm)"), coluna);
    auto* grade = new QGridLayout(margens);
    for (int i = 0; i < static_cast<int>(edits_.size()); ++i) {
        QWidget* dono = i < 4 ? static_cast<QWidget*>(margens) : coluna;
        auto* e = new QLineEdit(dono);
        e->setObjectName(QString::fromLatin1(kEdits[i].nome));
        e->setProperty("Tag", kEdits[i].tag);
        e->setMaxLength(6);
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000,00")) + 16);
        e->installEventFilter(this);
        edits_[static_cast<std::size_t>(i)] = e;
        campos_[static_cast<std::size_t>(i)] = kEdits[i].campo;
        if (i >= 4) continue;
        auto* rotulo = new QLabel(QString::fromUtf8(kEdits[i].rotulo), margens);
        rotulo->setBuddy(e);
        grade->addWidget(rotulo, i, 0);
        grade->addWidget(e, i, 1);
    }
    EditMs = edits_[0], EditMi = edits_[1], EditMe = edits_[2], EditMd = edits_[3];
    EditMc = edits_[4], EditC1 = edits_[5], EditC2 = edits_[6], EditC3 = edits_[7];
    grade->setColumnStretch(0, 1);
    l->addWidget(margens);
    l->addWidget(createColumnEdits(coluna));
    return coluna;
}

QWidget* TPageForm::createColumnEdits(QWidget* parent) {
    auto* colunas = new QGroupBox(QStringLiteral("Colunas (cm)"), parent);
    auto* grade = new QGridLayout(colunas);
    SpeedButton1 = botaoFerramenta(colunas, "SpeedButton1", QStringLiteral("1"));
    SpeedButton2 = botaoFerramenta(colunas, "SpeedButton2", QStringLiteral("2"));
    SpeedButton3 = botaoFerramenta(colunas, "SpeedButton3", QStringLiteral("3"));
    auto* numero = new QHBoxLayout;
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        numero->addWidget(b);
    }
    auto* rotuloNumero = new QLabel(QStringLiteral("&Número de colunas:"), colunas);
    rotuloNumero->setBuddy(SpeedButton1);
    grade->addWidget(rotuloNumero, 0, 0);
    grade->addLayout(numero, 0, 1);
    for (int i = 4; i < static_cast<int>(edits_.size()); ++i) {
        QLineEdit* e = edits_[static_cast<std::size_t>(i)];
        e->setParent(colunas);
        auto* rotulo = new QLabel(QString::fromUtf8(kEdits[i].rotulo), colunas);
        rotulo->setBuddy(e);
        grade->addWidget(rotulo, i - 3, 0);
        grade->addWidget(e, i - 3, 1, Qt::AlignRight);
    }
    grade->setColumnStretch(0, 1);
    return colunas;
}

QWidget* TPageForm::createActions() {
    auto* caixa = new QWidget(this);
    auto* l = new QVBoxLayout(caixa);
    l->setContentsMargins(0, 0, 0, 0);
    SpeedButtonMais = botaoFerramenta(caixa, "SpeedButtonMais", QStringLiteral("+"));
    SpeedButtonMenos = botaoFerramenta(caixa, "SpeedButtonMenos", QStringLiteral("\u2212"));
    SpeedButtonMais->setToolTip(QStringLiteral("Aumentar 1 mm (tecla +)"));
    SpeedButtonMenos->setToolTip(QStringLiteral("Diminuir 1 mm (tecla -)"));
    for (QToolButton* b : {SpeedButtonMais, SpeedButtonMenos}) {
        // The buttons act on the edit entered last, which keeps the keyboard.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(kRepeticaoInicial);
        b->setAutoRepeatInterval(kRepeticao);
    }
    auto* passos = new QHBoxLayout;
    passos->addWidget(new QLabel(QStringLiteral("Valor selecionado:"), caixa));
    passos->addStretch();
    passos->addWidget(SpeedButtonMenos);
    passos->addWidget(SpeedButtonMais);
    l->addLayout(passos);
    BtnGirar = botao(caixa, "BtnGirar", QStringLiteral("&Girar papel"));
    CheckBox = new QCheckBox(QStringLiteral("&Mostrar linhas marginais"), caixa);
    CheckBox->setObjectName(QStringLiteral("CheckBox"));
    CheckBox->setChecked(true);
    CheckBox->setFocusPolicy(Qt::TabFocus);
    BtnModel = botao(caixa, "BtnModel", QStringLiteral("Definir modelo de &apresentação"));
    BtnPadrao =
        botao(caixa, "BtnPadrao", QStringLiteral("&Tornar padrão, na criação de novos documentos"));
    BtnAdotar = botao(caixa, "BtnAdotar", QStringLiteral("Imp&ortar o lay-out padrão"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{BtnGirar, CheckBox, BtnModel, BtnPadrao, BtnAdotar})
        l->addWidget(w);
    return caixa;
}

QWidget* TPageForm::createPreview() {
    auto* caixa = new QWidget(this);
    auto* l = new QVBoxLayout(caixa);
    l->setContentsMargins(0, 0, 0, 0);
    LabelPapel = new QLabel(caixa);
    LabelPapel->setObjectName(QStringLiteral("LabelPapel"));
    LabelPapel->setAlignment(Qt::AlignCenter);
    ImagemPagina = new PagePicture(caixa);
    ImagemPagina->setObjectName(QStringLiteral("ImagemPagina"));
    ImagemPagina->setMinimumSize(240, 240);
    ImagemPagina->setToolTip(QStringLiteral("Clique numa margem ou coluna para editá-la"));
    auto* paginas = new QHBoxLayout;
    BtnUp = botao(caixa, "BtnUp", QStringLiteral("Page Up"), QStringLiteral("Página anterior"));
    BtnDn = botao(caixa, "BtnDn", QStringLiteral("Page Dn"), QStringLiteral("Página seguinte"));
    LabelPagina = new QLabel(caixa);
    LabelPagina->setObjectName(QStringLiteral("LabelPagina"));
    LabelPagina->setAlignment(Qt::AlignCenter);
    paginas->addWidget(BtnUp);
    paginas->addWidget(LabelPagina, 1);
    paginas->addWidget(BtnDn);
    l->addWidget(LabelPapel);
    l->addWidget(ImagemPagina, 1);
    l->addLayout(paginas);
    return caixa;
}

QWidget* TPageForm::createButtons() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    BtnOptions = botao(linha, "BtnOptions", QStringLiteral("Im&primir"));
    BtnHelp = botao(linha, "BtnHelp", QStringLiteral("Aj&uda"), QStringLiteral("Ajuda (F1)"));
    BtnOK = botao(linha, "BtnOK", QStringLiteral("Confirmar"));
    BtnCancel = botao(linha, "BtnCancel", QStringLiteral("Cancelar"));
    BtnOK->setDefault(true);
    l->addWidget(BtnOptions);
    l->addStretch();
    l->addWidget(BtnHelp);
    l->addWidget(BtnOK);
    l->addWidget(BtnCancel);
    return linha;
}

void TPageForm::connectControls() {
    const std::pair<QToolButton*, int> colunas[] = {
        {SpeedButton1, 1}, {SpeedButton2, 2}, {SpeedButton3, 3}};
    for (const auto& [b, n] : colunas)
        connect(b, &QToolButton::clicked, this, [this, n = n] { definirColunas(n); });
    // On the press, so that a click takes one step at once and holding goes on repeating.
    connect(SpeedButtonMais, &QToolButton::pressed, this, [this] { passo(+1); });
    connect(SpeedButtonMenos, &QToolButton::pressed, this, [this] { passo(-1); });
    connect(BtnGirar, &QPushButton::clicked, this, &TPageForm::BtnGirarClick);
    connect(CheckBox, &QCheckBox::toggled, ImagemPagina, qOverload<>(&QWidget::update));
    connect(BtnUp, &QPushButton::clicked, this, [this] { virarPagina(-1); });
    connect(BtnDn, &QPushButton::clicked, this, [this] { virarPagina(+1); });
    connect(BtnPadrao, &QPushButton::clicked, this, &TPageForm::BtnPadraoClick);
    connect(BtnAdotar, &QPushButton::clicked, this, &TPageForm::BtnAdotarClick);
    connect(BtnModel, &QPushButton::clicked, this, [this] {
        terminarEdicao();
        if (doc_) doc_->abrirModelo();
        mostrarPaginas();
        devolverFoco();
    });
    connect(BtnOptions, &QPushButton::clicked, this, [this] {
        terminarEdicao();
        emit imprimirPedido();
    });
    auto ajuda = [this] { emit ajudaPedida(kPaginaAjuda); };
    connect(BtnHelp, &QPushButton::clicked, this, ajuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, ajuda);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ImagemPagina->setPintura([this](QPainter& p) { pintarPagina(p); });
    ImagemPagina->setClique([this](QPointF ponto) { selecionarPelaPagina(ponto); });
}

// Most of the screen: the larger the picture, the more of the page can be read.
void TPageForm::dimensionar() {
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const QSize minimo = minimumSizeHint();
    resize(std::max(minimo.width(), area.width() * 9 / 10),
           std::max(minimo.height(), area.height() * 9 / 10));
}

}  // namespace trovale
