#include "ui/stage/stage_keys_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/dialogs.h"
#include "ui/common/dialog_button.h"
#include "ui/stage/stage_keys.h"

namespace trovale {

namespace {

bool ehModificador(int tecla) {
    return tecla == Qt::Key_Shift || tecla == Qt::Key_Control || tecla == Qt::Key_Alt ||
           tecla == Qt::Key_Meta || tecla == Qt::Key_AltGr || tecla == Qt::Key_unknown;
}

QString nomesLegiveis(const std::vector<std::string>& nomes) {
    QStringList lista;
    for (const QKeyCombination tecla : combinacoesDeTeclas(nomes)) lista << nomeLegivel(tecla);
    return lista.isEmpty() ? QStringLiteral("(nenhuma)") : lista.join(QStringLiteral(", "));
}

void retirar(std::vector<std::string>& lado, const std::string& nome) {
    lado.erase(std::remove(lado.begin(), lado.end(), nome), lado.end());
}

}  // namespace

CampoDeTeclas::CampoDeTeclas(QWidget* parent) : QFrame(parent), texto_(new QLabel(this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    texto_->setWordWrap(true);
    auto* l = new QHBoxLayout(this);
    l->addWidget(texto_);
}

void CampoDeTeclas::setTexto(const QString& texto) {
    texto_->setText(texto);
}

// Shortcuts and the dialog's own keys (Enter, Esc) must not act while the field listens.
bool CampoDeTeclas::event(QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != Qt::Key_Tab && tecla != Qt::Key_Backtab) {
            evento->accept();
            return true;
        }
    }
    return QFrame::event(evento);
}

void CampoDeTeclas::keyPressEvent(QKeyEvent* evento) {
    if (ehModificador(evento->key()) || evento->key() == Qt::Key_Tab ||
        evento->key() == Qt::Key_Backtab)
        return QFrame::keyPressEvent(evento);
    emit teclaPressionada(combinacaoDaTecla(*evento));
}

TTeclasPalcoDlg::TTeclasPalcoDlg(FileSystem& fs, std::filesystem::path pastaPrograma,
                                 Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), fs_(fs), pasta_(std::move(pastaPrograma)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TeclasPalcoDlg"));
    setWindowTitle(QStringLiteral(" Teclas do palco"));
    teclas_ = lerTeclasDoPalco(fs_, pasta_);
    criarControles();
}

void TTeclasPalcoDlg::criarControles() {
    auto* explica = new QLabel(
        QStringLiteral("Um pedal de virar páginas manda teclas ao computador. Clique num dos "
                       "campos e pise no pedal (ou aperte a tecla): ela passa a virar a página "
                       "para esse lado."),
        this);
    explica->setWordWrap(true);
    CampoAvancar = new CampoDeTeclas(this);
    CampoAvancar->setObjectName(QStringLiteral("CampoAvancar"));
    CampoVoltar = new CampoDeTeclas(this);
    CampoVoltar->setObjectName(QStringLiteral("CampoVoltar"));
    BtnLimparAvancar = criarBotaoDeDialogo(this, "BtnLimparAvancar", QStringLiteral("&Limpar"));
    BtnLimparVoltar = criarBotaoDeDialogo(this, "BtnLimparVoltar", QStringLiteral("Lim&par"));
    LabelAviso = new QLabel(this);
    LabelAviso->setObjectName(QStringLiteral("LabelAviso"));
    LabelAviso->setWordWrap(true);
    auto* g = new QGridLayout;
    auto* rotuloAvancar = new QLabel(QStringLiteral("&Avançar:"), this);
    rotuloAvancar->setBuddy(CampoAvancar);
    auto* rotuloVoltar = new QLabel(QStringLiteral("&Voltar:"), this);
    rotuloVoltar->setBuddy(CampoVoltar);
    g->addWidget(rotuloAvancar, 0, 0);
    g->addWidget(CampoAvancar, 0, 1);
    g->addWidget(BtnLimparAvancar, 0, 2);
    g->addWidget(rotuloVoltar, 1, 0);
    g->addWidget(CampoVoltar, 1, 1);
    g->addWidget(BtnLimparVoltar, 1, 2);
    g->setColumnStretch(1, 1);

    BtnFabrica = criarBotaoDeDialogo(this, "BtnFabrica", QStringLiteral("Teclas de &fábrica"));
    BtnOK = criarBotaoDeDialogo(this, "BtnOK", QStringLiteral("OK"));
    BtnOK->setDefault(true);
    BtnCancel = criarBotaoDeDialogo(this, "BtnCancel", QStringLiteral("Cancelar"));
    BtnHelp = criarBotaoDeDialogo(this, "BtnHelp", QStringLiteral("Aj&uda"));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BtnFabrica);
    botoes->addStretch();
    for (QPushButton* b : {BtnOK, BtnCancel, BtnHelp}) botoes->addWidget(b);

    auto* tudo = new QVBoxLayout(this);
    tudo->addWidget(explica);
    tudo->addLayout(g);
    tudo->addWidget(LabelAviso);
    tudo->addStretch();
    tudo->addLayout(botoes);
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);

    connect(CampoAvancar, &CampoDeTeclas::teclaPressionada, this,
            [this](QKeyCombination t) { incluir(t, true); });
    connect(CampoVoltar, &CampoDeTeclas::teclaPressionada, this,
            [this](QKeyCombination t) { incluir(t, false); });
    connect(BtnLimparAvancar, &QPushButton::clicked, this, [this] {
        editadas_.avancar.clear();
        mostrar();
    });
    connect(BtnLimparVoltar, &QPushButton::clicked, this, [this] {
        editadas_.voltar.clear();
        mostrar();
    });
    connect(BtnFabrica, &QPushButton::clicked, this, [this] {
        editadas_ = teclasDoPalcoDeFabrica();
        LabelAviso->clear();
        mostrar();
    });
    connect(BtnOK, &QPushButton::clicked, this, &TTeclasPalcoDlg::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &TTeclasPalcoDlg::reject);
    connect(BtnHelp, &QPushButton::clicked, this,
            [this] { emit ajudaPedida(QStringLiteral("palco.html")); });
}

bool TTeclasPalcoDlg::ensinar() {
    editadas_ = teclas_;
    LabelAviso->clear();
    mostrar();
    CampoAvancar->setFocus();
    return exec() == QDialog::Accepted;
}

// A key turns one way only; the stage view's own keys keep their use.
void TTeclasPalcoDlg::incluir(QKeyCombination tecla, bool avancar) {
    const QString uso = usoReservado(tecla);
    if (!uso.isEmpty()) {
        LabelAviso->setText(QStringLiteral("A tecla %1 já serve para %2.")
                                .arg(nomeLegivel(tecla), uso));
        return;
    }
    const std::string nome = nomeDaTecla(tecla);
    retirar(editadas_.avancar, nome);
    retirar(editadas_.voltar, nome);
    (avancar ? editadas_.avancar : editadas_.voltar).push_back(nome);
    LabelAviso->setText(QStringLiteral("%1 agora %2.").arg(
        nomeLegivel(tecla), avancar ? QStringLiteral("avança") : QStringLiteral("volta")));
    mostrar();
}

void TTeclasPalcoDlg::mostrar() {
    CampoAvancar->setTexto(nomesLegiveis(editadas_.avancar));
    CampoVoltar->setTexto(nomesLegiveis(editadas_.voltar));
}

void TTeclasPalcoDlg::accept() {
    if (editadas_.avancar.empty() || editadas_.voltar.empty()) {
        LabelAviso->setText(QStringLiteral("Escolha ao menos uma tecla para avançar e uma para "
                                           "voltar."));
        return;
    }
    if (!gravarTeclasDoPalco(fs_, pasta_, editadas_)) {
        dialogs_.aviso("N\xC3\xA3o foi poss\xC3\xADvel gravar " + std::string(kArquivoPalco) +
                       " na pasta do programa.");
        return;
    }
    teclas_ = editadas_;
    QDialog::accept();
}

}  // namespace trovale
