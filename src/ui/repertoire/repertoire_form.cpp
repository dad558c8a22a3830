#include "ui/repertoire/repertoire_form.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "base/file_system.h"
#include "base/text_codec.h"
#include "document/capo.h"
#include "document/chord_renaming.h"
#include "document/chord_type_reading.h"
#include "document/site_text.h"
#include "document/song_file.h"
#include "document/song_key.h"
#include "document/sounding_chords.h"
#include "document/text_interpretation.h"
#include "ui/common/dialog_button.h"

namespace trovale {

namespace {

constexpr int kIndice = Qt::UserRole;
const QColor kCinza(0x80, 0x80, 0x80);

// Keeps the loader's message instead of showing it: the list shows it beside the song.
class MensagemGuardada : public Dialogs {
  public:
    void aviso(const std::string& texto) override { ultima = texto; }
    Resposta pergunta(int, const std::string&) override { return Resposta::Cancelar; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }
    std::string ultima;
};

QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::filesystem::path caminhoDe(const QString& texto) {
    return std::filesystem::path(texto.toStdU16String());
}

}  // namespace

// A song of the list as its file holds it, read once.
struct TRepertorioForm::Lida {
    std::filesystem::path musica;
    std::optional<SongDocument> doc;
    std::string erro;  // the loader's message when it could not be read
};

TRepertorioForm::TRepertorioForm(const Catalogo& catalogo, const Modelo& modeloPadrao,
                                 Dialogs& dialogs, Servicos servicos, QWidget* parent)
    : QDialog(parent),
      catalogo_(catalogo),
      modeloPadrao_(modeloPadrao),
      dialogs_(dialogs),
      servicos_(std::move(servicos)) {
    setObjectName(QStringLiteral("RepertorioForm"));
    setModal(true);
    criarControles();
    ligarControles();
    marcar(false);
    mostrarSelecionada();
}

TRepertorioForm::~TRepertorioForm() = default;

void TRepertorioForm::criarControles() {
    LabelArquivo = new QLabel(this);
    Lista = new QTreeWidget(this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setHeaderLabels({QStringLiteral("Música"), QStringLiteral("Como é tocada"),
                            QStringLiteral("Observação")});
    Lista->setRootIsDecorated(false);
    Lista->setDragDropMode(QAbstractItemView::InternalMove);
    Lista->setDefaultDropAction(Qt::MoveAction);
    Lista->header()->setStretchLastSection(false);
    Lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Lista->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Lista->header()->setSectionResizeMode(2, QHeaderView::Interactive);
    Lista->header()->resizeSection(2, fontMetrics().averageCharWidth() * 24);
    auto* lateral = new QVBoxLayout;
    BtnIncluir = criarBotaoDeDialogo(this, "BtnIncluir", QStringLiteral("&Incluir músicas..."));
    BtnRetirar = criarBotaoDeDialogo(this, "BtnRetirar", QStringLiteral("&Retirar"));
    BtnSubir = criarBotaoDeDialogo(this, "BtnSubir", QStringLiteral("Su&bir"));
    BtnDescer = criarBotaoDeDialogo(this, "BtnDescer", QStringLiteral("&Descer"));
    BtnAbrirMusica = criarBotaoDeDialogo(this, "BtnAbrirMusica", QStringLiteral("Abrir &música"));
    for (QPushButton* b : {BtnIncluir, BtnRetirar, BtnSubir, BtnDescer, BtnAbrirMusica})
        lateral->addWidget(b);
    lateral->addStretch();
    auto* meio = new QHBoxLayout;
    meio->addWidget(Lista, 1);
    meio->addLayout(lateral);

    auto* arquivo = new QHBoxLayout;
    BtnNovo = criarBotaoDeDialogo(this, "BtnNovo", QStringLiteral("&Novo"));
    BtnAbrir = criarBotaoDeDialogo(this, "BtnAbrir", QStringLiteral("&Abrir..."));
    BtnSalvar = criarBotaoDeDialogo(this, "BtnSalvar", QStringLiteral("&Salvar"));
    BtnSalvarComo = criarBotaoDeDialogo(this, "BtnSalvarComo", QStringLiteral("Salvar &como..."));
    BtnCaderno =
        criarBotaoDeDialogo(this, "BtnCaderno", QStringLiteral("Caderno de cifras (PD&F)..."));
    BtnPalco = criarBotaoDeDialogo(this, "BtnPalco", QStringLiteral("Pa&lco"));
    BtnPalco->setToolTip(QStringLiteral("As músicas em tela cheia, a partir da destacada (F11)"));
    BtnFechar = criarBotaoDeDialogo(this, "BtnFechar", QStringLiteral("Fec&har"));
    BtnHelp = criarBotaoDeDialogo(this, "BtnHelp", QStringLiteral("Aj&uda"));
    for (QPushButton* b : {BtnNovo, BtnAbrir, BtnSalvar, BtnSalvarComo}) arquivo->addWidget(b);
    arquivo->addStretch();
    for (QPushButton* b : {BtnCaderno, BtnPalco, BtnFechar, BtnHelp}) arquivo->addWidget(b);

    auto* tudo = new QVBoxLayout(this);
    tudo->addWidget(LabelArquivo);
    tudo->addLayout(meio, 1);
    tudo->addWidget(criarEdicao());
    tudo->addLayout(arquivo);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 28);
}

// How the highlighted song is played: semitones, capo, note, and the key it sounds in.
QWidget* TRepertorioForm::criarEdicao() {
    auto* quadro = new QWidget(this);
    auto* g = new QGridLayout(quadro);
    g->setContentsMargins(0, 0, 0, 0);
    SpinSemitons = new QSpinBox(quadro);
    SpinSemitons->setObjectName(QStringLiteral("SpinSemitons"));
    SpinSemitons->setRange(-11, 11);
    SpinSemitons->setSuffix(QStringLiteral(" semitons"));
    ComboCapo = new QComboBox(quadro);
    ComboCapo->setObjectName(QStringLiteral("ComboCapo"));
    ComboCapo->addItem(QStringLiteral("O da música"), -1);
    for (int casa = 0; casa <= kMaxCapotraste; ++casa)
        ComboCapo->addItem(qs(nomeDaCasa(casa)), casa);
    SpinPasso = new QSpinBox(quadro);
    SpinPasso->setObjectName(QStringLiteral("SpinPasso"));
    SpinPasso->setRange(0, kMaxSegundosPorPagina);
    SpinPasso->setSingleStep(5);
    SpinPasso->setSuffix(QStringLiteral(" s"));
    SpinPasso->setSpecialValueText(QStringLiteral("com o pedal"));
    SpinPasso->setToolTip(QStringLiteral("No palco, quanto tempo cada página fica antes de virar "
                                         "sozinha (também muda no palco, com + e -)"));
    EditNota = new QLineEdit(quadro);
    EditNota->setObjectName(QStringLiteral("EditNota"));
    LabelSoa = new QLabel(quadro);
    LabelSoa->setObjectName(QStringLiteral("LabelSoa"));
    const auto rotulo = [quadro](const QString& texto, QWidget* amigo) {
        auto* l = new QLabel(texto, quadro);
        l->setBuddy(amigo);
        return l;
    };
    g->addWidget(rotulo(QStringLiteral("&Transpor:"), SpinSemitons), 0, 0);
    g->addWidget(SpinSemitons, 0, 1);
    g->addWidget(rotulo(QStringLiteral("Ca&potraste:"), ComboCapo), 0, 2);
    g->addWidget(ComboCapo, 0, 3);
    g->addWidget(rotulo(QStringLiteral("&Virar páginas a cada:"), SpinPasso), 0, 4);
    g->addWidget(SpinPasso, 0, 5);
    g->addWidget(rotulo(QStringLiteral("&Observação:"), EditNota), 1, 0);
    g->addWidget(EditNota, 1, 1, 1, 5);
    g->addWidget(LabelSoa, 2, 0, 1, 6);
    g->setColumnStretch(3, 1);
    return quadro;
}

void TRepertorioForm::ligarControles() {
    connect(Lista, &QTreeWidget::currentItemChanged, this, &TRepertorioForm::mostrarSelecionada);
    connect(Lista->model(), &QAbstractItemModel::rowsMoved, this, &TRepertorioForm::lerOrdemDaLista);
    connect(Lista, &QTreeWidget::itemDoubleClicked, this, [this] { BtnAbrirMusica->click(); });
    connect(SpinSemitons, &QSpinBox::valueChanged, this, &TRepertorioForm::mudarEntrada);
    connect(ComboCapo, &QComboBox::currentIndexChanged, this, &TRepertorioForm::mudarEntrada);
    connect(EditNota, &QLineEdit::textEdited, this, &TRepertorioForm::mudarEntrada);
    connect(SpinPasso, &QSpinBox::valueChanged, this, &TRepertorioForm::mudarEntrada);
    connect(BtnIncluir, &QPushButton::clicked, this, &TRepertorioForm::incluir);
    connect(BtnRetirar, &QPushButton::clicked, this, &TRepertorioForm::retirar);
    connect(BtnSubir, &QPushButton::clicked, this, [this] { mover(-1); });
    connect(BtnDescer, &QPushButton::clicked, this, [this] { mover(+1); });
    connect(BtnAbrirMusica, &QPushButton::clicked, this, [this] {
        const int i = Lista->indexOfTopLevelItem(Lista->currentItem());
        if (i >= 0 && repertorio_.entradas[static_cast<std::size_t>(i)].valida() &&
            servicos_.abrirMusica)
            servicos_.abrirMusica(QString::fromStdU16String(
                repertorio_.entradas[static_cast<std::size_t>(i)].musica.u16string()));
    });
    connect(BtnNovo, &QPushButton::clicked, this, &TRepertorioForm::novo);
    connect(BtnAbrir, &QPushButton::clicked, this, &TRepertorioForm::abrirOutro);
    connect(BtnSalvar, &QPushButton::clicked, this, &TRepertorioForm::salvar);
    connect(BtnSalvarComo, &QPushButton::clicked, this, [this] {
        if (servicos_.salvarComo)
            servicos_.salvarComo([this](const QString& caminho) { return salvarEm(caminho); });
    });
    connect(BtnCaderno, &QPushButton::clicked, this, &TRepertorioForm::montarCaderno);
    connect(BtnPalco, &QPushButton::clicked, this, &TRepertorioForm::mostrarPalco);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            &TRepertorioForm::mostrarPalco);
    connect(BtnFechar, &QPushButton::clicked, this, &TRepertorioForm::reject);
    connect(BtnHelp, &QPushButton::clicked, this,
            [this] { emit ajudaPedida(QStringLiteral("repertorio.html")); });
}

const TRepertorioForm::Lida& TRepertorioForm::lida(const std::filesystem::path& musica) {
    for (const auto& l : lidas_)
        if (l->musica == musica) return *l;
    auto nova = std::make_unique<Lida>();
    nova->musica = musica;
    MensagemGuardada mensagem;
    SongDocument doc;
    if (LoadSong(doc, musica, modeloPadrao_, mensagem)) {
        lerTiposPelasCifras(doc.Chords, catalogo_.tipos);
        nova->doc = std::move(doc);
    } else {
        nova->erro = mensagem.ultima;
    }
    lidas_.push_back(std::move(nova));
    return *lidas_.back();
}

namespace {

// "D", or "F#m": where a song sounds, the capo counted, `semitons` away; empty when no chord
// of it can be read.
std::string somDe(const SongDocument& doc, int semitons, std::optional<int> capo,
                  const CatalogoTipos& tipos) {
    const std::vector<LinhaTransposicao> linhas = linhasParaTransposicao(doc.Chords);
    const int capoDaMusica = capotrasteDaCancao(doc);
    const auto tom =
        tomDasLinhas(linhas, linhaDoTom(linhas, tomDaCancao(doc), capoDaMusica), tipos);
    if (!tom) return {};
    return grafiaDaTonica(tom->nota + capo.value_or(capoDaMusica) + semitons, tom->menor, semitons);
}

}  // namespace

void TRepertorioForm::mostrarLinha(int i) {
    QTreeWidgetItem* item = Lista->topLevelItem(i);
    const EntradaRepertorio& e = repertorio_.entradas[static_cast<std::size_t>(i)];
    item->setData(0, kIndice, i);
    if (!e.valida()) {
        item->setText(0, qs(e.danificada));
        item->setText(1, QStringLiteral("linha que não pôde ser lida"));
        for (int c = 0; c < 3; ++c) item->setForeground(c, kCinza);
        return;
    }
    const Lida& l = lida(e.musica);
    const bool comTitulo = l.doc && !l.doc->Lines.empty() && l.doc->LineKinds[0] == kTitleLine;
    item->setText(0, comTitulo ? qs(utf8DeWindows1252(l.doc->Lines[0]))
                               : QString::fromStdU16String(e.musica.filename().u16string()));
    const std::string som = l.doc ? somDe(*l.doc, e.semitons, e.capotraste, catalogo_.tipos) : "";
    item->setText(1, qs(resumoDaEntrada(e) + (som.empty() ? "" : " \xE2\x80\x94 soa em " + som)));
    item->setText(2, qs(e.nota));
    item->setToolTip(0, l.doc ? QString::fromStdU16String(e.musica.u16string()) : qs(l.erro));
    for (int c = 0; c < 3; ++c) item->setForeground(c, l.doc ? palette().text().color() : kCinza);
}

void TRepertorioForm::preencherLista() {
    const int atual = std::max(0, Lista->indexOfTopLevelItem(Lista->currentItem()));
    Lista->clear();
    for (std::size_t i = 0; i < repertorio_.entradas.size(); ++i) {
        auto* item = new QTreeWidgetItem(Lista);
        item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
        mostrarLinha(static_cast<int>(i));
    }
    if (Lista->topLevelItemCount() > 0)
        Lista->setCurrentItem(Lista->topLevelItem(std::min(atual, Lista->topLevelItemCount() - 1)));
    mostrarSelecionada();
}

void TRepertorioForm::mostrarSelecionada() {
    const int i = Lista->indexOfTopLevelItem(Lista->currentItem());
    const bool valida = i >= 0 && repertorio_.entradas[static_cast<std::size_t>(i)].valida();
    for (QWidget* w : std::initializer_list<QWidget*>{SpinSemitons, ComboCapo, EditNota,
                                                      SpinPasso, BtnAbrirMusica})
        w->setEnabled(valida);
    BtnRetirar->setEnabled(i >= 0);
    BtnSubir->setEnabled(i > 0);
    BtnDescer->setEnabled(i >= 0 && i + 1 < Lista->topLevelItemCount());
    LabelSoa->clear();
    if (!valida) return;
    const EntradaRepertorio& e = repertorio_.entradas[static_cast<std::size_t>(i)];
    mostrando_ = true;
    SpinSemitons->setValue(e.semitons);
    ComboCapo->setCurrentIndex(ComboCapo->findData(e.capotraste.value_or(-1)));
    EditNota->setText(qs(e.nota));
    SpinPasso->setValue(e.segundosPorPagina);
    mostrando_ = false;
    const Lida& l = lida(e.musica);
    if (!l.doc) {
        LabelSoa->setText(qs(l.erro));
        return;
    }
    const std::string som = somDe(*l.doc, e.semitons, e.capotraste, catalogo_.tipos);
    const std::string original = somDe(*l.doc, 0, std::nullopt, catalogo_.tipos);
    if (!som.empty())
        LabelSoa->setText(qs("Nesta noite soa em " + som + "; a m\xC3\xBAsica, como foi gravada, soa em " +
                             original + "."));
}

void TRepertorioForm::mudarEntrada() {
    const int i = Lista->indexOfTopLevelItem(Lista->currentItem());
    if (mostrando_ || i < 0) return;
    EntradaRepertorio& e = repertorio_.entradas[static_cast<std::size_t>(i)];
    if (!e.valida()) return;
    e.semitons = SpinSemitons->value();
    const int casa = ComboCapo->currentData().toInt();
    e.capotraste = casa < 0 ? std::nullopt : std::optional<int>(casa);
    e.nota = EditNota->text().toStdString();
    e.segundosPorPagina = SpinPasso->value();
    mostrarLinha(i);
    mostrarSelecionada();
    marcar(true);
}

void TRepertorioForm::incluir() {
    if (!servicos_.escolherMusicas) return;
    const QStringList musicas = servicos_.escolherMusicas();
    for (const QString& m : musicas) {
        EntradaRepertorio e;
        e.musica = caminhoDe(m);
        repertorio_.entradas.push_back(std::move(e));
    }
    if (musicas.isEmpty()) return;
    preencherLista();
    Lista->setCurrentItem(Lista->topLevelItem(Lista->topLevelItemCount() - 1));
    marcar(true);
}

void TRepertorioForm::retirar() {
    const int i = Lista->indexOfTopLevelItem(Lista->currentItem());
    if (i < 0) return;
    repertorio_.entradas.erase(repertorio_.entradas.begin() + i);
    preencherLista();
    marcar(true);
}

void TRepertorioForm::mover(int passo) {
    const int de = Lista->indexOfTopLevelItem(Lista->currentItem()), para = de + passo;
    if (de < 0 || para < 0 || para >= Lista->topLevelItemCount()) return;
    std::swap(repertorio_.entradas[static_cast<std::size_t>(de)],
              repertorio_.entradas[static_cast<std::size_t>(para)]);
    preencherLista();
    Lista->setCurrentItem(Lista->topLevelItem(para));
    marcar(true);
}

// A row dragged to another place: the entries follow the list.
void TRepertorioForm::lerOrdemDaLista() {
    std::vector<EntradaRepertorio> ordem;
    for (int r = 0; r < Lista->topLevelItemCount(); ++r)
        ordem.push_back(repertorio_.entradas[static_cast<std::size_t>(
            Lista->topLevelItem(r)->data(0, kIndice).toInt())]);
    repertorio_.entradas = std::move(ordem);
    for (int r = 0; r < Lista->topLevelItemCount(); ++r) Lista->topLevelItem(r)->setData(0, kIndice, r);
    marcar(true);
    mostrarSelecionada();
}

bool TRepertorioForm::abrir(const QString& caminho) {
    const std::filesystem::path arquivo = caminhoDe(caminho);
    const std::optional<std::string> texto = lerArquivoRegular(arquivo, kLimiteCancao);
    if (!texto) {
        dialogs_.aviso(mensagemNaoLido(arquivo, kLimiteCancao));
        return false;
    }
    const RepertorioLido lido = lerRepertorio(*texto, arquivo.parent_path());
    repertorio_ = lido.repertorio;
    arquivo_ = caminho;
    preencherLista();
    marcar(false);
    if (!lido.problemas.empty()) {
        std::string aviso = "Linhas do repert\xC3\xB3rio que n\xC3\xA3o puderam ser lidas (ficam no "
                            "arquivo como est\xC3\xA3o):";
        for (const std::string& p : lido.problemas) aviso += "\n" + p;
        dialogs_.aviso(aviso);
    }
    return true;
}

bool TRepertorioForm::salvar() {
    if (arquivo_.isEmpty()) {
        if (servicos_.salvarComo)
            servicos_.salvarComo([this](const QString& caminho) { return salvarEm(caminho); });
        return !modificado_;
    }
    return salvarEm(arquivo_);
}

bool TRepertorioForm::salvarEm(const QString& caminho) {
    const std::filesystem::path arquivo = caminhoDe(caminho);
    DiskFileSystem disco;
    const std::string texto = textoDoRepertorio(repertorio_, arquivo.parent_path());
    if (gravarArquivo(disco, arquivo, texto, dialogs_) != ResultadoGravacao::Gravado) return false;
    arquivo_ = caminho;
    marcar(false);
    return true;
}

// A changed repertoire is saved, dropped or kept, as the user answers.
bool TRepertorioForm::podeDeixar() {
    if (!modificado_) return true;
    const std::string nome = arquivo_.isEmpty() ? std::string(kUntitled)
                                                : QFileInfo(arquivo_).fileName().toStdString();
    switch (dialogs_.confirmarFechamento("Repert\xC3\xB3rio", nome)) {
        case Resposta::Sim:
            return salvar();
        case Resposta::Nao:
            return true;
        default:
            return false;
    }
}

void TRepertorioForm::reject() {
    if (podeDeixar()) QDialog::reject();
}

void TRepertorioForm::novo() {
    if (!podeDeixar()) return;
    repertorio_ = {};
    arquivo_.clear();
    preencherLista();
    marcar(false);
}

void TRepertorioForm::abrirOutro() {
    if (!podeDeixar() || !servicos_.escolherRepertorio) return;
    const QString caminho = servicos_.escolherRepertorio();
    if (!caminho.isEmpty()) abrir(caminho);
}

std::vector<const SongDocument*> TRepertorioForm::cancoesComoTocadas() {
    tocadas_.clear();
    std::vector<const SongDocument*> cancoes;
    for (const EntradaRepertorio& e : repertorio_.entradas) {
        if (!e.valida()) continue;
        const Lida& l = lida(e.musica);
        if (!l.doc) {
            cancoes.push_back(nullptr);
            continue;
        }
        auto tocada = std::make_unique<SongDocument>(*l.doc);
        transporCancao(*tocada, e.semitons, e.capotraste.value_or(capotrasteDaCancao(*tocada)),
                       {}, catalogo_, kTrastesMostradosPadrao);
        cancoes.push_back(tocada.get());
        tocadas_.push_back(std::move(tocada));
    }
    return cancoes;
}

void TRepertorioForm::montarCaderno() {
    if (!servicos_.montarCaderno) return;
    std::vector<std::filesystem::path> musicas;
    for (const EntradaRepertorio& e : repertorio_.entradas)
        if (e.valida()) musicas.push_back(e.musica);
    if (musicas.empty()) return;
    const QString titulo = arquivo_.isEmpty() ? QStringLiteral("Repertório")
                                              : QFileInfo(arquivo_).completeBaseName();
    servicos_.montarCaderno(musicas, cancoesComoTocadas(), titulo);
}

// The evening from the highlighted song on, each song as it is played tonight.
void TRepertorioForm::mostrarPalco() {
    if (!servicos_.palco) return;
    const std::vector<const SongDocument*> tocadas = cancoesComoTocadas();
    std::vector<MusicaNoPalco> musicas;
    std::vector<int> entradas;  // each song's entry in the list
    int inicio = 0, valida = 0;
    const int destacada = Lista->indexOfTopLevelItem(Lista->currentItem());
    for (std::size_t i = 0; i < repertorio_.entradas.size(); ++i) {
        const EntradaRepertorio& e = repertorio_.entradas[i];
        if (!e.valida()) continue;
        const SongDocument* doc = tocadas[static_cast<std::size_t>(valida++)];
        if (!doc) continue;
        if (static_cast<int>(i) <= destacada) inicio = static_cast<int>(musicas.size());
        musicas.push_back({std::make_shared<SongDocument>(*doc),
                           Lista->topLevelItem(static_cast<int>(i))->text(0), e.segundosPorPagina});
        entradas.push_back(static_cast<int>(i));
    }
    if (musicas.empty()) return;
    TPalcoForm* palco = servicos_.palco(std::move(musicas), inicio, this);
    if (!palco) return;
    connect(palco, &TPalcoForm::passoMudado, this, [this, entradas](int musica, int segundos) {
        guardarPasso(entradas[static_cast<std::size_t>(musica)], segundos);
    });
}

// A pace set on stage is the entry's from then on, saved with the repertoire.
void TRepertorioForm::guardarPasso(int entrada, int segundos) {
    if (entrada >= static_cast<int>(repertorio_.entradas.size())) return;
    repertorio_.entradas[static_cast<std::size_t>(entrada)].segundosPorPagina = segundos;
    mostrarLinha(entrada);
    mostrarSelecionada();
    marcar(true);
}

void TRepertorioForm::marcar(bool modificado) {
    modificado_ = modificado;
    const QString nome = arquivo_.isEmpty() ? QString::fromUtf8(kUntitled.data(), int(kUntitled.size()))
                                            : QFileInfo(arquivo_).fileName();
    setWindowTitle(QStringLiteral(" Repertório - ") + nome + (modificado ? QStringLiteral(" *") : QString()));
    LabelArquivo->setText(QStringLiteral("%1 música(s), na ordem em que são tocadas. Arraste para "
                                         "mudar a ordem.")
                              .arg(Lista->topLevelItemCount()));
    BtnCaderno->setEnabled(Lista->topLevelItemCount() > 0);
}

}  // namespace trovale
