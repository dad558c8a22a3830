#include "ui/chord_choice/select_form.h"

#include "ui/chord_choice/button_row.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include "base/text_codec.h"
#include "catalogue/notes.h"
#include "render/qt_text.h"
#include "ui/help/help_form.h"

namespace trovale {

const std::array<RaizDaLista, 17> kRaizesDaLista = {{
    {"Ab", "Lá bemol"},      {"A", "Lá"},          {"A#", "Lá sustenido"},
    {"Bb", "Si bemol"},      {"B", "Si"},          {"C", "Dó"},
    {"C#", "Dó sustenido"},  {"Db", "Ré bemol"},   {"D", "Ré"},
    {"D#", "Ré sustenido"},  {"Eb", "Mi bemol"},   {"E", "Mi"},
    {"F", "Fá"},             {"F#", "Fá sustenido"}, {"Gb", "Sol bemol"},
    {"G", "Sol"},            {"G#", "Sol sustenido"},
}};

namespace {

const QColor kPrata(0xC0, 0xC0, 0xC0);

const char* const kDica =
    "Se preferir deixar indefinida a digitação do acorde, use o botão abaixo. Caso contrário, "
    "use a janela ao lado.";

// The symbol as the cell keeps it, without the fingering option marker ("*" and the
// character after it).
std::string semMarcaDeOpcao(std::string cifra) {
    const std::size_t asterisco = cifra.find('*');
    if (asterisco != std::string::npos) cifra.erase(asterisco, 2);
    return cifra;
}

}  // namespace

TSelectForm::TSelectForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                         QWidget* parent)
    : QDialog(parent), catalogo_(catalogo), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral(" Tipos de acorde"));
    // The browser is this window's child so that it takes input while this one is modal.
    navegador_ = new TChordsForm(catalogo, aparencia, dialogs, this);
    createControls();
    connectControls();
}

void TSelectForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(createRoots());

    ComboBoxTipo = new QComboBox(this);
    ComboBoxTipo->setAccessibleName(QStringLiteral("Tipo de acorde"));
    // The plain delegate honours the separators' silver background in the popup.
    ComboBoxTipo->setItemDelegate(new QStyledItemDelegate(ComboBoxTipo));
    ComboBoxTipo->setMaxVisibleItems(20);
    ComboBoxTipo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    principal->addWidget(ComboBoxTipo);
    principal->addWidget(createStyle());

    Label2 = new QLabel(this);
    Label2->setAlignment(Qt::AlignCenter);
    principal->addWidget(Label2);
    Memo1 = new QLabel(this);
    Memo1->setAlignment(Qt::AlignCenter);
    Memo1->setFrameShape(QFrame::StyledPanel);
    Memo1->setForegroundRole(QPalette::Text);
    Memo1->setBackgroundRole(QPalette::Base);
    Memo1->setAutoFillBackground(true);
    principal->addWidget(Memo1);
    principal->addStretch(1);
    Label3 = new QLabel(QString::fromUtf8(kDica), this);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignCenter);
    principal->addWidget(Label3);

    CheckBoxTodas = new QCheckBox(QStringLiteral("Aplicar a todas as ocorrências"), this);
    CheckBoxTodas->hide();
    principal->addWidget(CheckBoxTodas);

    principal->addLayout(linhaDeBotoes(this, BtnOK, QStringLiteral("&Indefinir"), BtnCancel,
                                       QStringLiteral("C&ancelar")));

    preencherTipos();
    setTabOrder(ComboBoxNome, ComboBoxSigla);
    setTabOrder(ComboBoxSigla, ComboBoxTipo);
}

QWidget* TSelectForm::createRoots() {
    auto* quadro = new QWidget(this);
    auto* l = new QHBoxLayout(quadro);
    l->setContentsMargins(0, 0, 0, 0);
    ComboBoxNome = new QComboBox(quadro);
    ComboBoxSigla = new QComboBox(quadro);
    ComboBoxNome->setAccessibleName(QStringLiteral("Nome do tom"));
    ComboBoxSigla->setAccessibleName(QStringLiteral("Tom"));
    for (const RaizDaLista& r : kRaizesDaLista) {
        ComboBoxNome->addItem(QString::fromUtf8(r.nome));
        ComboBoxSigla->addItem(QString::fromUtf8(r.sigla));
    }
    ComboBoxNome->setMaxVisibleItems(17);
    ComboBoxSigla->setMaxVisibleItems(17);
    l->addWidget(ComboBoxNome, 3);
    l->addWidget(ComboBoxSigla, 1);
    return quadro;
}

QWidget* TSelectForm::createStyle() {
    auto* quadro = new QWidget(this);
    auto* l = new QGridLayout(quadro);
    l->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel(QStringLiteral("Usar:"), quadro);
    RBpadrao = new QRadioButton(QStringLiteral("Cifra &Padrão"), quadro);
    RBopcional = new QRadioButton(QStringLiteral("Cifra &Opcional"), quadro);
    RBdada = new QRadioButton(QStringLiteral("&Cifra (texto) ="), quadro);
    EditCifra = new QLineEdit(quadro);
    EditCifra->setAccessibleName(QStringLiteral("Cifra (texto)"));
    RBpadrao->setChecked(true);
    l->addWidget(Label1, 0, 0);
    l->addWidget(RBpadrao, 0, 1, 1, 2);
    l->addWidget(RBopcional, 1, 1, 1, 2);
    l->addWidget(RBdada, 2, 1);
    l->addWidget(EditCifra, 2, 2);
    l->setColumnStretch(2, 1);
    return quadro;
}

void TSelectForm::connectControls() {
    connect(ComboBoxNome, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (ComboBoxSigla->currentIndex() != i) ComboBoxSigla->setCurrentIndex(i);
        aplicar();
    });
    connect(ComboBoxSigla, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (ComboBoxNome->currentIndex() != i) ComboBoxNome->setCurrentIndex(i);
        aplicar();
    });
    connect(ComboBoxTipo, &QComboBox::currentIndexChanged, this, [this] { aplicar(); });
    for (QComboBox* lista : {ComboBoxNome, ComboBoxSigla, ComboBoxTipo})
        connect(lista, &QComboBox::activated, this, [this, lista] { ultimaLista_ = lista; });
    connect(RBopcional, &QRadioButton::toggled, navegador_, &TChordsForm::setCifraOpcional);
    // Typing a symbol means using it.
    connect(EditCifra, &QLineEdit::textEdited, this, [this] { RBdada->setChecked(true); });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{RBpadrao, RBopcional, RBdada})
        connect(b, &QAbstractButton::clicked, this, &TSelectForm::devolverFoco);
    connect(BtnOK, &QPushButton::clicked, this, &TSelectForm::confirmar);
    connect(BtnCancel, &QPushButton::clicked, this, &TSelectForm::reject);
    connect(navegador_, &TChordsForm::ocultada, Label3, &QLabel::hide);
}

void TSelectForm::preencherTipos() {
    const CatalogoTipos& tipos = catalogo_.tipos;
    auto* modelo = qobject_cast<QStandardItemModel*>(ComboBoxTipo->model());
    const QSignalBlocker bloqueio(ComboBoxTipo);
    ComboBoxTipo->clear();
    tipoDaPosicao_.clear();
    for (int k = 0; k < tipos.NumEntradas(); ++k) {
        const int t = tipos.OrdemTipos[k];
        const bool separador = t == 0 || !tipos.existe(t);
        const std::string& nome =
            separador && k < static_cast<int>(tipos.Legendas.size()) ? tipos.Legendas[k]
            : separador                                              ? std::string("-")
                                                                     : tipos.tipo(t).Nome;
        ComboBoxTipo->addItem(qs(nome));
        tipoDaPosicao_.push_back(separador ? 0 : t);
        if (separador && modelo) modelo->item(k)->setBackground(kPrata);
    }
}

void TSelectForm::mostrarCatalogo() {
    const CatalogoTipos& tipos = catalogo_.tipos;
    Label2->setText(QStringLiteral("Catalogados %1 tipos de acorde, \n%2 separadores e %3 "
                                   "digitações\npara os diversos tons.")
                        .arg(tipos.NumTipos)
                        .arg(tipos.NumEntradas() - tipos.NumTipos)
                        .arg(catalogo_.digitacoes.NumDigitacoes()));
    QStringList obs;
    if (catalogo_.TiposAlterados) obs << QStringLiteral("Salvar modificações de tipos de acorde");
    if (catalogo_.DigitacoesAlteradas) obs << QStringLiteral("Salvar modificações de digitações");
    if (!obs.isEmpty()) obs.prepend(QStringLiteral("Obs:"));
    Memo1->setText(obs.join(QLatin1Char('\n')));
    Memo1->setVisible(!obs.isEmpty());
}

void TSelectForm::preparar(const AcordeDaCelula& celula, bool podeEscolher, bool todas,
                           bool soDigitacao) {
    // The browser may have served another window since (the text check, a transposition).
    navegador_->pertencerA(this);
    celula_ = celula;
    podeEscolher_ = podeEscolher;
    soDigitacao_ = podeEscolher && soDigitacao;
    resultado_.reset();
    preencherTipos();
    mostrarCatalogo();

    selecionarNasListas(celula.raiz, celula.tipo);
    aoMudarVinculo_ = nullptr;
    editor_ = nullptr;
    BtnOK->setText(QStringLiteral("&Indefinir"));
    BtnOK->setEnabled(podeEscolher);
    BtnCancel->setText(podeEscolher ? QStringLiteral("C&ancelar") : QStringLiteral("&Fechar"));
    const QString cifra = qs(semMarcaDeOpcao(celula.cifra));
    EditCifra->setText(podeEscolher ? cifra : QString());
    RBdada->setVisible(podeEscolher);
    EditCifra->setVisible(podeEscolher);
    if (RBdada->isChecked() && (!podeEscolher || EditCifra->text().isEmpty()))
        RBpadrao->setChecked(true);
    CheckBoxTodas->setVisible(todas || soDigitacao_);
    CheckBoxTodas->setChecked(soDigitacao_);
    CheckBoxTodas->setEnabled(!soDigitacao_);
    for (QComboBox* lista : {ComboBoxNome, ComboBoxSigla, ComboBoxTipo})
        lista->setEnabled(!soDigitacao_);
    ultimaLista_ = soDigitacao_ ? nullptr : ComboBoxTipo;
    Label3->setVisible(podeEscolher);
    navegador_->setCifraOpcional(RBopcional->isChecked());
    aplicar();
}

void TSelectForm::selecionarNasListas(const std::string& raiz, int tipo) {
    // Cb, Fb, E# and B# are not listed: the list's note of the same pitch stands for them.
    int indice = 0;
    const int nota = notaDaGrafiaDeCifra(raiz);
    for (std::size_t i = kRaizesDaLista.size(); i-- > 0;)
        if (notaDaGrafiaDeCifra(kRaizesDaLista[i].sigla) == nota) indice = static_cast<int>(i);
    for (std::size_t i = 0; i < kRaizesDaLista.size(); ++i)
        if (raiz == kRaizesDaLista[i].sigla) indice = static_cast<int>(i);
    const int posicao = posicaoDoTipo(tipo);
    const QSignalBlocker b1(ComboBoxNome), b2(ComboBoxSigla), b3(ComboBoxTipo);
    ComboBoxNome->setCurrentIndex(indice);
    ComboBoxSigla->setCurrentIndex(indice);
    ComboBoxTipo->setCurrentIndex(posicao >= 0 ? posicao : 0);
}

bool TSelectForm::vincular(const std::string& raiz, int tipo, MudancaDoVinculo aoMudar,
                           const QWidget& editor) {
    podeEscolher_ = true;
    soDigitacao_ = false;
    resultado_.reset();
    preencherTipos();
    mostrarCatalogo();
    selecionarNasListas(raiz, tipo);
    aoMudarVinculo_ = std::move(aoMudar);
    editor_ = &editor;
    BtnOK->setText(QStringLiteral("&Vincular"));
    BtnOK->setEnabled(true);
    BtnCancel->setText(QStringLiteral("C&ancelar"));
    if (RBdada->isChecked()) RBpadrao->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{RBdada, EditCifra, CheckBoxTodas, Label3})
        w->hide();
    for (QComboBox* lista : {ComboBoxNome, ComboBoxSigla, ComboBoxTipo}) lista->setEnabled(true);
    ultimaLista_ = ComboBoxTipo;
    aplicar();
    const bool confirmado = exec() == QDialog::Accepted;
    aoMudarVinculo_ = nullptr;
    editor_ = nullptr;
    return confirmado;
}

bool TSelectForm::cifraOpcional() const {
    return RBopcional->isChecked();
}

std::optional<EscolhaDeAcorde> TSelectForm::escolher(const AcordeDaCelula& celula,
                                                    bool podeEscolher, bool todas,
                                                    bool soDigitacao) {
    preparar(celula, podeEscolher, todas, soDigitacao);
    exec();
    return podeEscolher ? resultado_ : std::nullopt;
}

bool TSelectForm::aplicarATodas() const {
    return CheckBoxTodas->isVisible() && CheckBoxTodas->isChecked();
}

void TSelectForm::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    navegador_->setAjuda(ajuda);
}

std::string TSelectForm::raizEscolhida() const {
    return ComboBoxSigla->currentText().toStdString();
}

int TSelectForm::tipoEscolhido() const {
    const int posicao = ComboBoxTipo->currentIndex();
    return posicao >= 0 && posicao < static_cast<int>(tipoDaPosicao_.size())
               ? tipoDaPosicao_[posicao]
               : 0;
}

int TSelectForm::posicaoDoTipo(int tipo) const {
    if (tipo == 0) return -1;
    for (std::size_t i = 0; i < tipoDaPosicao_.size(); ++i)
        if (tipoDaPosicao_[i] == tipo) return static_cast<int>(i);
    return -1;
}

TChordsForm::Escolha TSelectForm::modoDeEscolha() {
    TChordsForm::Escolha e;
    e.podeEscolher = podeEscolher_;
    e.janelaDeSelecao = true;
    e.soDigitacao = soDigitacao_;
    e.cifraEmVigor = [this]() -> std::optional<std::string> {
        if (!RBdada->isVisible() || !RBdada->isChecked()) return std::nullopt;
        return windows1252DeUtf8(EditCifra->text().toStdString());
    };
    e.acertarCifra = [this](const std::string& cifra) { EditCifra->setText(qs(cifra)); };
    e.aoEscolher = [this](const std::string& codigo, const CifraConferida* cifra) {
        return receberEscolha(codigo, cifra);
    };
    e.aoEscape = [this] {
        activateWindow();
        devolverFoco();
    };
    return e;
}

void TSelectForm::aplicar() {
    if (aoMudarVinculo_) {
        aoMudarVinculo_(raizEscolhida(), tipoEscolhido());
        return;
    }
    navegador_->mostrarAcorde(raizEscolhida(), tipoEscolhido(), celula_.digitacao,
                              modoDeEscolha());
    if (isVisible()) {
        navegador_->posicionarAoLado(*this);
        Label3->setVisible(podeEscolher_);
    }
}

void TSelectForm::confirmar() {
    if (aoMudarVinculo_) {
        if (tipoEscolhido() == 0)
            QApplication::beep();
        else
            accept();
        return;
    }
    // The browser's "&Indefinir" and this one check the typed symbol the same way.
    navegador_->escolherEntrada(0);
    devolverFoco();
}

bool TSelectForm::receberEscolha(const std::string& codigo, const CifraConferida* cifra) {
    if (!podeEscolher_) return false;
    EscolhaDeAcorde e;
    e.digitacao = codigo;
    if (cifra) {
        e.raiz = cifra->raiz;
        e.tipo = cifra->tipo;
        e.cifraDada = cifra->cifra;
    } else {
        e.raiz = raizEscolhida();
        e.tipo = tipoEscolhido();
    }
    if (e.tipo == 0) {
        QApplication::beep();
        return false;
    }
    resultado_ = std::move(e);
    accept();
    return true;
}

void TSelectForm::devolverFoco() {
    if (ultimaLista_ && ultimaLista_->isEnabled())
        ultimaLista_->setFocus();
    else if (BtnOK->isEnabled())
        BtnOK->setFocus();
    else
        BtnCancel->setFocus();
}

void TSelectForm::done(int resultado) {
    // While linking for the editor the browser is the editor's.
    if (!aoMudarVinculo_) navegador_->hide();
    QDialog::done(resultado);
}

void TSelectForm::posicionarVinculo() {
    adjustSize();
    const QRect v = editor_->frameGeometry();
    resize(width(), std::max(height(), editor_->height()));
    const QScreen* tela = editor_->screen() ? editor_->screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(v.topLeft(), QSize(4096, 4096));
    int x = v.right() + 1;
    if (x + frameGeometry().width() > area.right() + 1)
        x = std::max(area.left(), v.left() - frameGeometry().width());
    move(x, v.top());
}

void TSelectForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (editor_) {
        posicionarVinculo();
        devolverFoco();
        return;
    }
    // Centred together with the browser beside it.
    adjustSize();
    const int altura = std::max(height(), navegador_->sizeHint().height());
    resize(width(), altura);
    const QScreen* tela = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                     : QGuiApplication::primaryScreen();
    if (tela) {
        const QRect area = tela->availableGeometry();
        const int juntas = frameGeometry().width() + navegador_->frameGeometry().width();
        const int topo = parentWidget() ? parentWidget()->window()->geometry().top() : area.top();
        move(area.left() + std::max(0, (area.width() - juntas) / 2),
             std::clamp(topo, area.top(), std::max(area.top(), area.bottom() - altura)));
    }
    navegador_->posicionarAoLado(*this);
    Label3->setVisible(podeEscolher_ && navegador_->emVista());
    devolverFoco();
    // A moment later the preselected fingering takes the keyboard.
    QTimer::singleShot(10, this, [this] {
        if (navegador_->isVisible() && navegador_->temPreselecionada()) {
            navegador_->activateWindow();
            navegador_->grade().setFocus();
        }
    });
}

void TSelectForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1 && ajuda_) {
        ajuda_->mostrarPagina(QStringLiteral("escolha_acorde.html"));
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace trovale
