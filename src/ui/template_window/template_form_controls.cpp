// The controls of the template window and their places.

#include <QButtonGroup>
#include <QGroupBox>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/template_window/element_label.h"
#include "ui/template_window/size_edit.h"
#include "ui/template_window/template_form.h"

namespace trovale {

namespace {

// Labels that are no element carry the tag 20.
constexpr int kTagSemElemento = 20;

QLabel* legenda(const char* nome, const QString& texto, QWidget* parent) {
    auto* l = new QLabel(texto, parent);
    l->setObjectName(QString::fromLatin1(nome));
    l->setProperty("Tag", kTagSemElemento);
    return l;
}

QRadioButton* radio(const char* nome, const QString& texto, QWidget* parent) {
    auto* r = new QRadioButton(texto, parent);
    r->setObjectName(QString::fromLatin1(nome));
    // The keyboard stays in the size edit; the captions' letters still choose.
    r->setFocusPolicy(Qt::NoFocus);
    return r;
}

}  // namespace

void TModelForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(createElementos(), 1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(createApresentacao());
    direita->addWidget(createTamanho());
    CBQuebrar = new QCheckBox(QStringLiteral("&Quebrar linhas longas"), this);
    CBQuebrar->setObjectName(QStringLiteral("CBQuebrar"));
    CBQuebrar->setToolTip(QStringLiteral(
        "Uma linha mais larga que a coluna continua na linha seguinte, com as cifras"));
    direita->addWidget(CBQuebrar);
    direita->addStretch(1);
    topo->addLayout(direita);
    principal->addLayout(topo, 1);
    LabelHint = legenda("LabelHint", {}, this);
    LabelHint->setWordWrap(true);
    LabelHint->setFrameShape(QFrame::StyledPanel);
    LabelHint->setMargin(4);
    principal->addWidget(LabelHint);
    principal->addWidget(createBotoes());
}

// The elements on a white page, each in its own font; the page scrolls when large fonts
// would not fit on the screen.
QWidget* TModelForm::createElementos() {
    auto* grupo = new QGroupBox(QStringLiteral(" Elementos da folha "), this);
    auto* l = new QVBoxLayout(grupo);
    rolagem_ = new QScrollArea(grupo);
    rolagem_->setObjectName(QStringLiteral("ScrollElementos"));
    rolagem_->setWidgetResizable(true);
    auto* folha = new QWidget;
    folha->setObjectName(QStringLiteral("Folha"));
    folha->setAutoFillBackground(true);
    QPalette papel = folha->palette();
    papel.setColor(QPalette::Window, Qt::white);
    folha->setPalette(papel);
    auto* coluna = new QVBoxLayout(folha);
    const std::pair<ElementLabel**, std::pair<int, const char*>> itens[] = {
        {&LabelTitulo, {0, "Título"}},          {&LabelAutor, {1, "Autor"}},
        {&LabelNormal, {2, "Letra da música"}}, {&LabelCifras, {3, "Cifras (ex: C#m7)"}},
        {&LabelRefrao, {6, "Refrão"}},          {&LabelCoro, {7, "Coro"}},
        {&LabelObs, {8, "Observações"}}};
    const char* nomes[] = {"LabelTitulo", "LabelAutor", "LabelNormal", "LabelCifras",
                           "LabelRefrao", "LabelCoro",  "LabelObs"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const auto& [membro, item] = itens[i];
        auto* label = new ElementLabel(item.first, QString::fromUtf8(item.second), folha);
        label->setObjectName(QString::fromLatin1(nomes[i]));
        coluna->addWidget(label);
        *membro = label;
        labels_[i] = label;
    }
    coluna->addStretch(1);
    rolagem_->setWidget(folha);
    l->addWidget(rolagem_);
    return grupo;
}

QWidget* TModelForm::createApresentacao() {
    auto* grupo = new QGroupBox(QStringLiteral(" Apresentação "), this);
    auto* l = new QVBoxLayout(grupo);
    RBSL = radio("RBSL", QStringLiteral("&Só letra"), grupo);
    RBLC = radio("RBLC", QStringLiteral("&Letra cifrada"), grupo);
    RBCL = radio("RBCL", QStringLiteral("Letra cifrada e lista de dia&gramas"), grupo);
    RBLD = radio("RBLD", QStringLiteral("Letra com diagramas &intercalados"), grupo);
    auto* modos = new QButtonGroup(grupo);
    for (QRadioButton* r : {RBSL, RBLC, RBCL}) {
        modos->addButton(r);
        l->addWidget(r);
    }
    // The order belongs to the list, so it sits under "lista de diagramas".
    auto* ordem = new QWidget(grupo);
    auto* lo = new QHBoxLayout(ordem);
    lo->setContentsMargins(fontMetrics().averageCharWidth() * 4, 0, 0, 0);
    LabelOrdem = legenda("LabelOrdem", QStringLiteral("Ordem da lista:"), ordem);
    RBDT = radio("RBDT", QStringLiteral("&Tom"), ordem);
    RBDC = radio("RBDC", QStringLiteral("Apa&rição"), ordem);
    auto* ordens = new QButtonGroup(ordem);
    ordens->addButton(RBDT);
    ordens->addButton(RBDC);
    lo->addWidget(LabelOrdem);
    lo->addWidget(RBDT);
    lo->addWidget(RBDC);
    lo->addStretch(1);
    l->addWidget(ordem);
    modos->addButton(RBLD);
    l->addWidget(RBLD);
    return grupo;
}

QWidget* TModelForm::createTamanho() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    LabelSide = legenda("LabelSide", QStringLiteral("Tamanho das digitações, em c&m:"), linha);
    EditSize = new EditTamanho(linha);
    EditSize->setObjectName(QStringLiteral("EditSize"));
    EditSize->setToolTip(QStringLiteral("Lado dos diagramas impressos, de 0,9 a 10 cm"));
    EditSize->setFixedWidth(EditSize->fontMetrics().horizontalAdvance(QStringLiteral("000,00")) +
                            EditSize->fontMetrics().averageCharWidth() * 2);
    LabelSide->setBuddy(EditSize);
    l->addWidget(LabelSide);
    l->addWidget(EditSize);
    l->addStretch(1);
    return linha;
}

QWidget* TModelForm::createBotoes() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    auto botao = [linha](const char* nome, const QString& texto, const QString& dica) {
        auto* b = new QPushButton(texto, linha);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(dica);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        return b;
    };
    BtnAplicar = botao("BtnAplicar", QStringLiteral("A&plicar"),
                       QStringLiteral("Aplicar, sem confirmar, para visualização"));
    BtnPadrao = botao("BtnPadrao", QStringLiteral("Tornar pa&drão"),
                      QStringLiteral("Tornar padrão, na criação de novos documentos"));
    BtnAdotar = botao("BtnAdotar", QStringLiteral("&Adotar padrão"),
                      QStringLiteral("Importar o modelo padrão"));
    OKBtn = botao("OKBtn", QStringLiteral("&OK"),
                  QStringLiteral("Confirmar, para o documento selecionado"));
    CancelBtn = botao("CancelBtn", QStringLiteral("&Cancelar"), QStringLiteral("Cancelar"));
    BtnHelp = botao("BtnHelp", QStringLiteral("Aj&uda"), QStringLiteral("Ajuda (F1)"));
    OKBtn->setDefault(true);
    for (QPushButton* b : {BtnAplicar, BtnPadrao, BtnAdotar}) l->addWidget(b);
    l->addStretch(1);
    for (QPushButton* b : {OKBtn, CancelBtn, BtnHelp}) l->addWidget(b);
    return linha;
}

}  // namespace trovale
