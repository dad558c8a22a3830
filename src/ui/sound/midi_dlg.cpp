#include "ui/sound/midi_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "settings/midi_settings_file.h"
#include "sound/chord_player.h"
#include "sound/midi_choices.h"
#include "sound/midi_output.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

const QString kPrefixoDispositivo = QStringLiteral("Dispositivo: ");
const QString kPaginaAjuda = QStringLiteral("som.html");

QString qs(const std::string& texto) {
    return QString::fromStdString(texto);
}

QLabel* rotulo(const char* nome, const QString& texto, QWidget* parent) {
    auto* l = new QLabel(texto, parent);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

QCheckBox* caixa(const char* nome, const QString& texto, QWidget* parent) {
    auto* c = new QCheckBox(texto, parent);
    c->setObjectName(QString::fromLatin1(nome));
    c->setChecked(true);
    return c;
}

bool digito(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The open A minor, x02210.
TDigitacao laMenor() {
    TDigitacao d;
    d.NomeNota = "Am";
    d.Nota = 1;
    d.Casa = 1;
    d.Notas[0] = {4, 2};
    d.Notas[1] = {3, 2};
    d.Notas[2] = {2, 1};
    d.Estado = {kCordaTocada, kCordaTocada, kCordaTocada, kCordaTocada, kCordaBaixo, kCordaMuda};
    return d;
}

}  // namespace

TMidiDlg::TMidiDlg(AcordeMidi& acorde, SaidaMidi& saida, FileSystem& fs,
                   std::filesystem::path pasta, QWidget* parent)
    : QDialog(parent),
      acorde_(acorde),
      saida_(saida),
      fs_(fs),
      pasta_(std::move(pasta)),
      exemplo_(&laMenor) {
    setObjectName(QStringLiteral("TMidiDlg"));
    setWindowTitle(QStringLiteral(" Gerenciamento do som dos acordes"));
    setModal(true);
    createControls();
    lerPadrao();
    connectControls();
}

void TMidiDlg::setExemplo(std::function<TDigitacao()> exemplo) {
    exemplo_ = exemplo ? std::move(exemplo) : &laMenor;
}

void TMidiDlg::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
}

// ---- Controls ------------------------------------------------------------------------------

void TMidiDlg::createControls() {
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(createDevice());
    principal->addWidget(createInstrument());
    principal->addWidget(createOptions());
    principal->addStretch();
    principal->addWidget(createButtons());
    // The instrument hint is long: wide enough for it to wrap into three lines or so.
    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
}

QGroupBox* TMidiDlg::createDevice() {
    auto* grupo = new QGroupBox(QStringLiteral(" Dispositivo "), this);
    auto* l = new QVBoxLayout(grupo);
    LabelCBD = rotulo("LabelCBD",
                      QStringLiteral("Selecione o dispositivo de interpretação de som (MIDI):"),
                      grupo);
    ComboBoxDisp = new QComboBox(grupo);
    ComboBoxDisp->setObjectName(QStringLiteral("ComboBoxDisp"));
    ComboBoxDisp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LabelCBD->setBuddy(ComboBoxDisp);
    LabelDisp = rotulo("LabelDisp", {}, grupo);
    LabelDisp->setStyleSheet(QStringLiteral("font-weight: bold"));
    l->addWidget(LabelCBD);
    l->addWidget(ComboBoxDisp);
    l->addWidget(LabelDisp);
    return grupo;
}

QGroupBox* TMidiDlg::createInstrument() {
    auto* grupo = new QGroupBox(QStringLiteral(" Instrumento "), this);
    auto* l = new QVBoxLayout(grupo);
    LabelCBI = rotulo("LabelCBI",
                      QStringLiteral("Selecione o instrumento dentre as sugestões abaixo ou "
                                     "digite seu número (entre 0 e 127). Obs: Os nomes refletem "
                                     "a tabela padrão dos MIDI's, nem sempre obedecida pelo "
                                     "dispositivo."),
                      grupo);
    LabelCBI->setWordWrap(true);
    ComboBoxInst = new QComboBox(grupo);
    ComboBoxInst->setObjectName(QStringLiteral("ComboBoxInst"));
    ComboBoxInst->setEditable(true);
    // A typed "02" is program 2, not the first suggestion that starts with it.
    ComboBoxInst->setCompleter(nullptr);
    ComboBoxInst->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxInst->setMaxVisibleItems(16);
    for (const char* instrumento : kInstrumentos) ComboBoxInst->addItem(QString::fromUtf8(instrumento));
    ComboBoxInst->installEventFilter(this);
    ComboBoxInst->lineEdit()->installEventFilter(this);
    LabelCBI->setBuddy(ComboBoxInst);
    LabelInst = rotulo("LabelInst", {}, grupo);
    LabelInst->setStyleSheet(QStringLiteral("font-weight: bold"));
    l->addWidget(LabelCBI);
    l->addWidget(ComboBoxInst);
    l->addWidget(LabelInst);
    return grupo;
}

QGroupBox* TMidiDlg::createOptions() {
    auto* grupo = new QGroupBox(QStringLiteral(" Opções "), this);
    auto* l = new QVBoxLayout(grupo);
    CBtestar = caixa("CBtestar", QStringLiteral("Testar som a cada nova escolha"), grupo);
    CBbaixo =
        caixa("CBbaixo", QStringLiteral("Destacar o baixo ao emitir o som de cada acorde"), grupo);
    l->addWidget(CBtestar);
    l->addWidget(CBbaixo);
    return grupo;
}

QWidget* TMidiDlg::createButtons() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    auto botao = [linha](const char* nome, const QString& legenda) {
        auto* b = new QPushButton(legenda, linha);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        return b;
    };
    BtnTest = botao("BtnTest", QStringLiteral("&Testar som"));
    BtnSave = botao("BtnSave", QStringLiteral("Tornar &Padrão"));
    BtnClose = botao("BtnClose", QStringLiteral("&Fechar"));
    BtnHelp = botao("BtnHelp", QStringLiteral("Aj&uda"));
    BtnClose->setDefault(true);
    BtnHelp->setEnabled(false);
    l->addWidget(BtnTest);
    l->addWidget(BtnSave);
    l->addStretch();
    l->addWidget(BtnClose);
    l->addWidget(BtnHelp);
    return linha;
}

void TMidiDlg::connectControls() {
    connect(ComboBoxDisp, &QComboBox::currentIndexChanged, this, &TMidiDlg::escolherDispositivo);
    connect(ComboBoxInst, &QComboBox::editTextChanged, this, &TMidiDlg::textoDigitado);
    connect(CBbaixo, &QCheckBox::toggled, this, &TMidiDlg::mudarBaixo);
    connect(BtnTest, &QPushButton::clicked, this, &TMidiDlg::testarSom);
    connect(BtnSave, &QPushButton::clicked, this, &TMidiDlg::tornarPadrao);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto ajuda = [this] {
        if (ajuda_) ajuda_->mostrarPagina(kPaginaAjuda);
    };
    connect(BtnHelp, &QPushButton::clicked, this, ajuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, ajuda);
}

// ---- Settings ------------------------------------------------------------------------------

// The saved device and instrument, or the first of each; this is where "changed" starts.
void TMidiDlg::lerPadrao() {
    const std::vector<std::string>& entradas = saida_.entradas();
    const EscolhaMidi escolha =
        escolhaSalva(lerMidi(fs_, pasta_).value_or(ConfiguracaoMidi{}), entradas);
    for (const std::string& entrada : entradas) ComboBoxDisp->addItem(qs(entrada));
    ComboBoxDisp->setCurrentIndex(escolha.entrada);
    usarDispositivo(escolha.entrada);
    aplicarInstrumento(escolha.instrumento);
    mostrarNoCampo();
    acorde_.destacarBaixo(CBbaixo->isChecked());
    marcarAlterado(false);
}

void TMidiDlg::usarDispositivo(int entrada) {
    entrada_ = entrada;
    acorde_.EscolherDispositivo(entrada - 1);
    LabelDisp->setText(kPrefixoDispositivo + ComboBoxDisp->itemText(entrada));
}

void TMidiDlg::escolherDispositivo(int entrada) {
    if (entrada < 0) return;
    usarDispositivo(entrada);
    testarSeMarcado();
    marcarAlterado();
}

void TMidiDlg::aplicarInstrumento(const std::string& texto) {
    instrumento_ = texto;
    selecionarInstrumento(texto);
    LabelInst->setText(qs(texto));
    acorde_.definirPrograma(programaDoInstrumento(texto));
    marcarAlterado();
}

// The suggestion equal to the text, or none; what the user is typing stays as it is.
void TMidiDlg::selecionarInstrumento(const std::string& texto) {
    const QSignalBlocker bloqueio(ComboBoxInst);
    QLineEdit* edit = ComboBoxInst->lineEdit();
    const QString digitado = edit->text();
    const int cursor = edit->cursorPosition();
    ComboBoxInst->setCurrentIndex(ComboBoxInst->findText(qs(texto), Qt::MatchExactly));
    if (edit->text() == digitado) return;
    edit->setText(digitado);
    edit->setCursorPosition(cursor);
}

void TMidiDlg::mostrarNoCampo() {
    const QSignalBlocker bloqueio(ComboBoxInst);
    ComboBoxInst->setEditText(qs(instrumento_));
    selecionarInstrumento(instrumento_);
}

void TMidiDlg::textoDigitado(const QString& texto) {
    const std::optional<std::string> instrumento = instrumentoDigitado(texto.toStdString());
    if (!instrumento) return;
    aplicarInstrumento(*instrumento);
    testarSeMarcado();
}

void TMidiDlg::vizinho(int passo) {
    const std::optional<std::string> instrumento =
        instrumentoVizinho(programaDoInstrumento(instrumento_), passo);
    if (!instrumento) return;
    aplicarInstrumento(*instrumento);
    mostrarNoCampo();
    testarSeMarcado();
}

void TMidiDlg::mudarBaixo(bool destacar) {
    acorde_.destacarBaixo(destacar);
    testarSeMarcado();
    marcarAlterado();
}

void TMidiDlg::testarSeMarcado() {
    if (CBtestar->isChecked()) testarSom();
}

void TMidiDlg::testarSom() {
    acorde_.TestarSom(exemplo_());
}

void TMidiDlg::tornarPadrao() {
    const ConfiguracaoMidi salvar = configuracaoDe({entrada_, instrumento_}, saida_.entradas());
    if (gravarMidi(fs_, pasta_, salvar)) marcarAlterado(false);
}

// Only a change since the last save is worth saving.
void TMidiDlg::marcarAlterado(bool alterado) {
    BtnSave->setEnabled(alterado);
}

// ---- Events --------------------------------------------------------------------------------

void TMidiDlg::showEvent(QShowEvent* evento) {
    mostrarNoCampo();
    ComboBoxDisp->setFocus();
    QDialog::showEvent(evento);
}

// A chord must not go on sounding behind another window.
void TMidiDlg::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow()) acorde_.PararAcorde();
    QDialog::changeEvent(evento);
}

bool TMidiDlg::eventFilter(QObject* objeto, QEvent* evento) {
    const bool doInstrumento = objeto == ComboBoxInst || objeto == ComboBoxInst->lineEdit();
    if (doInstrumento && evento->type() == QEvent::KeyPress)
        return teclaInstrumento(*static_cast<QKeyEvent*>(evento));
    return QDialog::eventFilter(objeto, evento);
}

// "+" and "-" step the program; digits and backspace edit; other characters are dropped.
// Keys without a character (arrows, Delete, Tab) and shortcuts keep their usual work.
bool TMidiDlg::teclaInstrumento(const QKeyEvent& tecla) {
    const QString texto = tecla.text();
    // Shortcuts (select all, paste) are not typing.
    if (texto.isEmpty() || tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QChar c = texto.front();
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        vizinho(c == QLatin1Char('+') ? +1 : -1);
        return true;
    }
    if (digito(c)) return false;
    // Control characters: backspace, Enter and Escape for the buttons, the editing shortcuts.
    return !(c.unicode() < 32 || c.unicode() == 127);
}

}  // namespace trovale
