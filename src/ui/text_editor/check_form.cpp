#include "ui/text_editor/check_form.h"

#include "ui/common/code_diagram.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/dialogs.h"
#include "catalogue/chord_symbol.h"
#include "catalogue/symbol_elements.h"
#include "render/diagram_image.h"
#include "render/qt_chord_name.h"
#include "render/qt_text.h"
#include "ui/help/help_form.h"
#include "ui/text_editor/line_view.h"
#include "ui/text_editor/paint_box.h"

namespace trovale {

namespace {

const QColor kEmUso = Qt::black;
const QColor kDisponivel{128, 128, 128};
const QColor kNaoSeAplica = Qt::white;
const QColor kVermelho{200, 0, 0};

constexpr int kAtrasoRepeticao = 500;
constexpr int kIntervaloRepeticao = 120;

// The chord written with other symbol elements: root, symbol, then the bass after "/" when it
// is not the root, or the variant mark alone.
std::string textoDoItem(const TAcordeInterpretado& a, const std::string& linear) {
    const std::string baixo = semMarcaVariante(a.Baixo);
    std::string texto = a.Raiz + linear;
    if (baixo != a.Raiz)
        texto += "/" + a.Baixo;
    else
        texto += a.Baixo.substr(baixo.size());
    return texto;
}

QPushButton* botao(const QString& legenda, const char* nome, QWidget* parent) {
    auto* b = new QPushButton(legenda, parent);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    return b;
}

QLabel* legenda(const QString& texto, QWidget* parent) {
    auto* l = new QLabel(texto, parent);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return l;
}

}  // namespace

TCheckForm::TCheckForm(const Catalogo& catalogo, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), catalogo_(catalogo), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TCheckForm"));
    setWindowTitle(QStringLiteral(" Interpretação do texto"));
    setModal(true);
    createControls();
    connectControls();
}

void TCheckForm::setAjuda(THelpForm* ajuda) {
    ajuda_ = ajuda;
    BtnHelp->setEnabled(ajuda != nullptr);
}

void TCheckForm::setTexto(std::vector<std::string> linhas, AcordesConhecidos& conhecidos) {
    linhas_ = std::move(linhas);
    conhecidos_ = &conhecidos;
    reescrito_ = false;
    mudou_ = false;
}

// ---- Controls ------------------------------------------------------------------------------

void TCheckForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(createLineView());
    auto* meio = new QHBoxLayout;
    auto* lista = new QVBoxLayout;
    auto* rotuloLista = new QLabel(QStringLiteral("Lista geral de siglas:"), this);
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    QFont fonteLista = ListBox->font();
    fonteLista.setPointSizeF(fonteLista.pointSizeF() * 1.15);
    ListBox->setFont(fonteLista);
    ListBox->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 11);
    ListBox->installEventFilter(this);
    rotuloLista->setBuddy(ListBox);
    lista->addWidget(rotuloLista);
    lista->addWidget(ListBox, 1);
    meio->addLayout(lista);
    meio->addWidget(createChordPanel(), 1);
    principal->addLayout(meio, 1);
    principal->addWidget(createButtons());
}

QWidget* TCheckForm::createLineView() {
    auto* quadro = new QGroupBox(this);
    auto* l = new QGridLayout(quadro);
    LabelnL = new QLabel(quadro);
    LabelnL->setObjectName(QStringLiteral("LabelnL"));
    LabelnL->setStyleSheet(QStringLiteral("font-weight: bold"));
    LabelL = new QLabel(quadro);
    LabelL->setObjectName(QStringLiteral("LabelL"));
    LabelL->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    LabelL->setFrameShape(QFrame::StyledPanel);
    LabelL->setFrameShadow(QFrame::Sunken);
    LabelL->setAutoFillBackground(true);
    QPalette fundo = LabelL->palette();
    fundo.setColor(QPalette::Window, Qt::white);
    LabelL->setPalette(fundo);
    LabelL->setMinimumHeight(fontMetrics().height() * 2);
    LabelL->installEventFilter(this);  // cut again to the new width

    SpeedButtonMenos = new QToolButton(quadro);
    SpeedButtonMais = new QToolButton(quadro);
    const std::pair<QToolButton*, const char*> botoes[] = {{SpeedButtonMenos, "SpeedButtonMenos"},
                                                           {SpeedButtonMais, "SpeedButtonMais"}};
    for (const auto& [b, nome] : botoes) {
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(kAtrasoRepeticao);
        b->setAutoRepeatInterval(kIntervaloRepeticao);
        b->setFocusPolicy(Qt::NoFocus);  // "+" and "-" in the list do the same
        b->setMinimumSize(fontMetrics().height() * 2, fontMetrics().height() * 2);
    }
    SpeedButtonMenos->setText(QStringLiteral("\u2212"));
    SpeedButtonMenos->setToolTip(QStringLiteral("Linha anterior (tecla -)"));
    SpeedButtonMais->setText(QStringLiteral("+"));
    SpeedButtonMais->setToolTip(QStringLiteral("Próxima linha (tecla +)"));

    l->addWidget(LabelnL, 0, 0, 1, 3);
    l->addWidget(LabelL, 1, 0);
    l->addWidget(SpeedButtonMenos, 1, 1);
    l->addWidget(SpeedButtonMais, 1, 2);
    l->setColumnStretch(0, 1);
    return quadro;
}

QWidget* TCheckForm::createChordPanel() {
    auto* painel = new QWidget(this);
    auto* l = new QGridLayout(painel);
    l->setContentsMargins(0, 0, 0, 0);
    const int h = fontMetrics().height();
    const std::pair<PaintBox**, const char*> caixas[] = {
        {&PaintBoxCL, "PaintBoxCL"}, {&PaintBoxCP, "PaintBoxCP"}, {&PaintBoxCO, "PaintBoxCO"}};
    const QString titulos[] = {QStringLiteral("Cifra original"), QStringLiteral("Cifra padrão"),
                               QStringLiteral("Cifra opcional")};
    for (int i = 0; i < 3; ++i) {
        auto* caixa = new PaintBox(painel);
        caixa->setObjectName(QString::fromLatin1(caixas[i].second));
        caixa->setMinimumSize(h * 8, h * 4);
        *caixas[i].first = caixa;
        l->addWidget(legenda(titulos[i], painel), 0, i);
        l->addWidget(caixa, 1, i);
    }
    LabelNA = new QLabel(painel);
    LabelNA->setObjectName(QStringLiteral("LabelNA"));
    LabelNA->setAlignment(Qt::AlignCenter);
    LabelNA->setWordWrap(true);
    LabelNA->setMinimumHeight(h * 2);
    l->addWidget(LabelNA, 2, 0, 1, 3);

    auto grupo = [painel](const QString& titulo, std::array<QPushButton**, 3> botoes,
                          std::array<const char*, 3> nomes) {
        auto* g = new QGroupBox(titulo, painel);
        auto* linha = new QHBoxLayout(g);
        const QString legendas[] = {QStringLiteral("Padrão"), QStringLiteral("Opcional"),
                                    QStringLiteral("Original")};
        for (int i = 0; i < 3; ++i) {
            *botoes[i] = botao(legendas[i], nomes[i], g);
            linha->addWidget(*botoes[i]);
        }
        return g;
    };
    l->addWidget(grupo(QStringLiteral("Para o acorde destacado, usar cifra ... "),
                       {&BtnPaD, &BtnOaD, &BtnLaD}, {"BtnPaD", "BtnOaD", "BtnLaD"}),
                 3, 0, 1, 3);
    l->addWidget(grupo(QStringLiteral("Para todos os acordes, usar cifra ... "),
                       {&BtnPtA, &BtnOtA, &BtnLtA}, {"BtnPtA", "BtnOtA", "BtnLtA"}),
                 4, 0, 1, 3);

    PaintBoxDA = new PaintBox(painel);
    PaintBoxDA->setObjectName(QStringLiteral("PaintBoxDA"));
    PaintBoxDA->setMinimumSize(h * 11, h * 12);
    l->addWidget(legenda(QStringLiteral("Digitação associada:"), painel), 0, 3);
    l->addWidget(PaintBoxDA, 1, 3, 4, 1);
    l->setRowStretch(5, 1);
    l->setColumnStretch(3, 1);
    return painel;
}

QWidget* TCheckForm::createButtons() {
    auto* linha = new QWidget(this);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    BtnHelp = botao(QStringLiteral("Aj&uda"), "BtnHelp", linha);
    BtnHelp->setEnabled(false);
    OKBtn = botao(QStringLiteral("&Fechar"), "OKBtn", linha);
    OKBtn->setDefault(true);
    CancelBtn = botao(QStringLiteral("C&ancelar"), "CancelBtn", linha);
    l->addWidget(BtnHelp);
    l->addStretch(1);
    l->addWidget(OKBtn);
    l->addWidget(CancelBtn);
    return linha;
}

void TCheckForm::connectControls() {
    connect(ListBox, &QListWidget::currentRowChanged, this, [this] { acordeDestacado(); });
    connect(SpeedButtonMais, &QToolButton::clicked, this, [this] { mudarLinha(+1); });
    connect(SpeedButtonMenos, &QToolButton::clicked, this, [this] { mudarLinha(-1); });
    const std::pair<QPushButton*, FormaCifra> umAcorde[] = {{BtnPaD, FormaCifra::Padrao},
                                                            {BtnOaD, FormaCifra::Opcional},
                                                            {BtnLaD, FormaCifra::Original}};
    for (const auto& [b, forma] : umAcorde)
        connect(b, &QPushButton::clicked, this, [this, forma] { usarForma(forma); });
    const std::pair<QPushButton*, FormaCifra> todos[] = {{BtnPtA, FormaCifra::Padrao},
                                                         {BtnOtA, FormaCifra::Opcional},
                                                         {BtnLtA, FormaCifra::Original}};
    for (const auto& [b, forma] : todos)
        connect(b, &QPushButton::clicked, this, [this, forma] { usarFormaEmTodos(forma); });
    connect(OKBtn, &QPushButton::clicked, this, &TCheckForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TCheckForm::reject);
    connect(BtnHelp, &QPushButton::clicked, this, &TCheckForm::abrirAjuda);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TCheckForm::abrirAjuda);

    PaintBoxCL->setPintura(
        [this](QPainter& p, const QRect& r) { pintarNome(p, r, FormaCifra::Original); });
    PaintBoxCP->setPintura(
        [this](QPainter& p, const QRect& r) { pintarNome(p, r, FormaCifra::Padrao); });
    PaintBoxCO->setPintura(
        [this](QPainter& p, const QRect& r) { pintarNome(p, r, FormaCifra::Opcional); });
    PaintBoxDA->setPintura([this](QPainter& p, const QRect& r) { pintarDigitacao(p, r); });
}

void TCheckForm::abrirAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("texto.html"));
}

// ---- Showing -------------------------------------------------------------------------------

void TCheckForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) interpretar();
}

void TCheckForm::interpretar() {
    interpretacao_ = {};
    interpretacao_.linhas = linhas_;
    const int trastes = aparencia_ ? aparencia_->casas() : kTrastesMostradosPadrao;
    InterpretarTexto({catalogo_, trastes}, *conhecidos_, interpretacao_);
    digitacoesAntes_ = conhecidos_->tabela().Fingerings;
    siglas_.clear();
    const QSignalBlocker bloqueio(ListBox);
    ListBox->clear();
    for (const AcordeEncontrado& a : interpretacao_.AcordesEncontrados) {
        const std::string linear = CifraLinearDe(a.acorde.Elementos);
        siglas_.push_back({a.chave, a.chave, linear, linear});
        ListBox->addItem(qs(a.chave));
    }
    mudouEscrita_ = mudou_ = reescrito_ = false;
    OKBtn->setText(QStringLiteral("&Fechar"));
    CancelBtn->setEnabled(false);
    linhaAtual_ = 1;
    mostrarLinha();
    ListBox->setCurrentRow(siglas_.empty() ? -1 : 0);
    acordeDestacado();
    ListBox->setFocus();
}

void TCheckForm::mudarLinha(int passo) {
    const int total = static_cast<int>(linhas_.size());
    const int nova = std::clamp(linhaAtual_ + passo, 1, std::max(total, 1));
    if (nova == linhaAtual_) return;
    linhaAtual_ = nova;
    mostrarLinha();
}

void TCheckForm::mostrarLinha() {
    const int total = static_cast<int>(linhas_.size());
    SpeedButtonMenos->setEnabled(linhaAtual_ > 1);
    SpeedButtonMais->setEnabled(linhaAtual_ < total);
    if (total == 0) {
        LabelnL->setText(rotuloDaLinha(1, false, true));
        textoLinha_.clear();
        LabelL->clear();
        return;
    }
    const auto k = static_cast<std::size_t>(linhaAtual_ - 1);
    const bool acordes =
        interpretacao_.LinhaDeAcordes.size() > k && interpretacao_.LinhaDeAcordes[k];
    textoLinha_ = textoDaLinha(linhas_[k], acordes);
    LabelnL->setText(rotuloDaLinha(linhaAtual_, acordes, textoLinha_.isEmpty()));
    QPalette cores = LabelL->palette();
    cores.setColor(QPalette::WindowText, acordes ? kVermelho : QColor(Qt::black));
    LabelL->setPalette(cores);
    cortarLinha();
}

// The line view's text, cut to the label's width.
void TCheckForm::cortarLinha() {
    LabelL->setText(encurtarNoFim(textoLinha_, LabelL->fontMetrics(),
                                  LabelL->contentsRect().width() - 2 * LabelL->margin() - 4));
}

const TAcordeInterpretado& TCheckForm::acorde(int item) const {
    return interpretacao_.AcordesEncontrados[static_cast<std::size_t>(item)].acorde;
}

QString TCheckForm::itemTexto(int item) const {
    return ListBox->item(item) ? ListBox->item(item)->text() : QString();
}

void TCheckForm::destacar(int item) {
    ListBox->setCurrentRow(item);
}

// A new highlight: its forms, and the fingering browser on it.
void TCheckForm::acordeDestacado() {
    mostrarAcorde();
    const int i = ListBox->currentRow();
    if (i < 0) return;
    if (!catalogado(i)) QApplication::beep();
    const TAcordeInterpretado& a = acorde(i);
    if (aoDestacarAcorde && a.TipoComBaixo != 0 && a.IndiceAcorde >= 0)
        aoDestacarAcorde(
            {a.Raiz, a.TipoComBaixo,
             conhecidos_->tabela().Fingerings[static_cast<std::size_t>(a.IndiceAcorde)]});
}

void TCheckForm::mostrarAcorde() {
    const int i = ListBox->currentRow();
    QPalette cores = LabelNA->palette();
    if (i < 0) {
        LabelNA->clear();
    } else if (catalogado(i)) {
        cores.setColor(QPalette::WindowText, Qt::black);
        LabelNA->setText(qs(catalogo_.tipos.tipo(acorde(i).TipoComBaixo).Nome));
    } else {
        cores.setColor(QPalette::WindowText, kVermelho);
        LabelNA->setText(QStringLiteral("Acorde não catalogado."));
    }
    LabelNA->setPalette(cores);
    for (PaintBox* caixa : {PaintBoxCL, PaintBoxCP, PaintBoxCO, PaintBoxDA}) caixa->update();
    atualizarBotoes();
}

// ---- Writing -------------------------------------------------------------------------------

bool TCheckForm::catalogado(int item) const {
    const TAcordeInterpretado& a = acorde(item);
    return a.TipoComBaixo != 0 && catalogo_.tipos.existe(a.Tipo);
}

bool TCheckForm::disponivel(int item, FormaCifra forma) const {
    switch (forma) {
        case FormaCifra::Original:
            return true;
        case FormaCifra::Padrao:
            return catalogado(item);
        case FormaCifra::Opcional:
            return catalogado(item) &&
                   !elementosVazios(catalogo_.tipos.tipo(acorde(item).Tipo).CifraOpcional);
    }
    return false;
}

const ElementosCifra& TCheckForm::elementos(int item, FormaCifra forma) const {
    const TAcordeInterpretado& a = acorde(item);
    if (forma == FormaCifra::Original) return a.Elementos;
    const TTipoAcorde& tipo = catalogo_.tipos.tipo(a.Tipo);
    return forma == FormaCifra::Padrao ? tipo.CifraPadrao : tipo.CifraOpcional;
}

QColor TCheckForm::corDaForma(FormaCifra forma) const {
    const int i = ListBox->currentRow();
    if (i < 0 || !disponivel(i, forma)) return kNaoSeAplica;
    return CifraLinearDe(elementos(i, forma)) == siglas_[static_cast<std::size_t>(i)].linear
               ? kEmUso
               : kDisponivel;
}

// "Opcional" for all falls back on the standard symbol where a type has no optional one.
FormaCifra TCheckForm::formaParaTodos(int item, FormaCifra forma) const {
    if (forma == FormaCifra::Opcional && !disponivel(item, forma)) return FormaCifra::Padrao;
    return forma;
}

void TCheckForm::atualizarBotoes() {
    const std::pair<QPushButton*, FormaCifra> umAcorde[] = {{BtnPaD, FormaCifra::Padrao},
                                                            {BtnOaD, FormaCifra::Opcional},
                                                            {BtnLaD, FormaCifra::Original}};
    for (const auto& [b, forma] : umAcorde) b->setEnabled(corDaForma(forma) == kDisponivel);
    const std::pair<QPushButton*, FormaCifra> todos[] = {{BtnPtA, FormaCifra::Padrao},
                                                         {BtnOtA, FormaCifra::Opcional},
                                                         {BtnLtA, FormaCifra::Original}};
    for (const auto& [b, forma] : todos) {
        bool muda = false;
        for (int k = 0; k < static_cast<int>(siglas_.size()) && !muda; ++k) {
            const FormaCifra f = formaParaTodos(k, forma);
            muda = disponivel(k, f) &&
                   CifraLinearDe(elementos(k, f)) != siglas_[static_cast<std::size_t>(k)].linear;
        }
        b->setEnabled(muda);
    }
}

bool TCheckForm::aplicarForma(int item, FormaCifra forma) {
    if (!disponivel(item, forma)) return false;
    Sigla& s = siglas_[static_cast<std::size_t>(item)];
    const std::string linear = CifraLinearDe(elementos(item, forma));
    if (linear == s.linear) return false;
    s.linear = linear;
    // Back to the symbol as written, the chord reads exactly as it was typed.
    s.item = linear == s.linearOriginal ? s.itemOriginal : textoDoItem(acorde(item), linear);
    ListBox->item(item)->setText(qs(s.item));
    return true;
}

void TCheckForm::usarForma(FormaCifra forma) {
    const int i = ListBox->currentRow();
    if (i < 0 || !aplicarForma(i, forma)) return;
    marcarMudanca();
    mostrarAcorde();
}

void TCheckForm::usarFormaEmTodos(FormaCifra forma) {
    bool mudou = false;
    for (int k = 0; k < static_cast<int>(siglas_.size()); ++k)
        mudou = aplicarForma(k, formaParaTodos(k, forma)) || mudou;
    if (!mudou) return;
    marcarMudanca();
    mostrarAcorde();
}

void TCheckForm::marcarMudanca() {
    mudouEscrita_ = true;
    CancelBtn->setEnabled(true);
    OKBtn->setText(QStringLiteral("&Confirmar"));
}

std::vector<TrocaDeSigla> TCheckForm::trocas() const {
    std::vector<TrocaDeSigla> lista;
    for (const Sigla& s : siglas_)
        if (s.linear != s.linearOriginal) lista.push_back({s.itemOriginal, s.item});
    return lista;
}

void TCheckForm::usarDigitacao(const std::string& digitacao) {
    const int i = ListBox->currentRow();
    if (i < 0 || acorde(i).IndiceAcorde < 0) return;
    conhecidos_->escolherDigitacao(acorde(i).IndiceAcorde, digitacao);
    CancelBtn->setEnabled(true);
    PaintBoxDA->update();
}

void TCheckForm::OKBtnClick() {
    const std::vector<TrocaDeSigla> lista = trocas();
    if (!lista.empty()) {
        const ReescritaDeSiglas r = reescreverSiglas(linhas_, interpretacao_.LinhaDeAcordes, lista);
        if (r.semEspaco) {
            // The window stays, so that the user may choose another writing or cancel.
            dialogs_.aviso(mensagemSemEspaco(*r.semEspaco));
            return;
        }
        linhas_ = r.linhas;
        renomearConhecidos(*conhecidos_, lista);
        reescrito_ = true;
    }
    mudou_ = reescrito_ || conhecidos_->tabela().Fingerings != digitacoesAntes_;
    accept();
}

void TCheckForm::reject() {
    const std::vector<std::string>& agora = conhecidos_->tabela().Fingerings;
    for (std::size_t i = 0; i < agora.size() && i < digitacoesAntes_.size(); ++i)
        if (agora[i] != digitacoesAntes_[i])
            conhecidos_->escolherDigitacao(static_cast<int>(i), digitacoesAntes_[i]);
    mudou_ = false;
    reescrito_ = false;
    QDialog::reject();
}

bool TCheckForm::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == ListBox && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Plus || tecla == Qt::Key_Minus) {
            mudarLinha(tecla == Qt::Key_Plus ? +1 : -1);
            return true;
        }
    }
    if (objeto == LabelL && evento->type() == QEvent::Resize) cortarLinha();
    return QDialog::eventFilter(objeto, evento);
}

// ---- Painting ------------------------------------------------------------------------------

void TCheckForm::pintarNome(QPainter& p, const QRect& caixa, FormaCifra forma) const {
    const int i = ListBox->currentRow();
    const QColor cor = corDaForma(forma);
    if (i < 0 || cor == kNaoSeAplica) return;
    const TAcordeInterpretado& a = acorde(i);
    p.setFont(QFont(QStringLiteral("Arial")));
    OpcoesNomeAcorde o;
    o.caixa = caixa.adjusted(4, 2, -4, -2);
    o.centralizar = true;
    o.alinharNoTopo = true;
    o.cor = cor;
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    o.tamanhoFonte = std::max(6.0, o.caixa.height() * 72.0 / dpi / 2.2);
    o.apenasMedir = true;
    const QSize medida = DesenharNomeAcorde(p, elementos(i, forma), a.Raiz, a.Baixo, o);
    if (medida.width() > o.caixa.width())
        o.tamanhoFonte = std::max(4.0, o.tamanhoFonte * o.caixa.width() / medida.width());
    o.apenasMedir = false;
    DesenharNomeAcorde(p, elementos(i, forma), a.Raiz, a.Baixo, o);
}

void TCheckForm::pintarDigitacao(QPainter& p, const QRect& caixa) const {
    const int i = ListBox->currentRow();
    if (i < 0 || acorde(i).IndiceAcorde < 0) return;
    pintarDiagramaDoCodigo(
        p, caixa, aparencia_ ? *aparencia_ : Aparencia{},
        conhecidos_->tabela().Fingerings[static_cast<std::size_t>(acorde(i).IndiceAcorde)]);
}

}  // namespace trovale
