#include "app/trovale_program.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QTimer>

#include "app/program_sound.h"
#include "base/text_codec.h"
#include "catalogue/catalogue_files.h"
#include "settings/settings_file_layout.h"
#include "settings/settings_file_modelo.h"
#include "ui/aspect/aspect_form.h"
#include "ui/chord_choice/select_form.h"
#include "ui/dialogs/screen_placement.h"
#include "ui/dialogs/window_dialogs.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/page_setup/page_form.h"
#include "ui/print/print_form.h"
#include "ui/sound/midi_dlg.h"
#include "ui/stage/stage_keys_dlg.h"
#include "ui/template_window/template_form.h"
#include "ui/text_editor/check_form.h"
#include "ui/text_editor/letra_dlg.h"
#include "ui/transposition/trans_form.h"
#include "ui/type_editor/move_form.h"
#include "ui/type_editor/tipos_form.h"

// Resources must be registered by name from outside any namespace.
static void registrarRecursos() {
    Q_INIT_RESOURCE(trovale_app);
}

namespace trovale {

Programa::Programa(PastaPrograma pasta, OpcoesPrograma opcoes)
    : pasta_(std::move(pasta)), opcoes_(std::move(opcoes)) {
    registrarRecursos();
}

Programa::~Programa() {
    // The windows refer to the catalogue and to one another: the dialogs go first. The
    // sound outlives the windows that call it.
    dialogs_.reset();
    janela_.reset();
}

void Programa::iniciar() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(new JanelasDentroDaTela(this));
    QElapsedTimer t0;
    t0.start();
    if (pasta_.doUsuario)
        semearPrimeiroInicio();
    else
        semearCancoesPortatil();
    criarJanelaPrincipal();
    tocarSomInicial();
    janela_->concluirCriacao();
    try {
        criarJanelas();
    } catch (...) {
        esperarTempoMinimo(std::chrono::milliseconds(t0.elapsed()));
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    esperarTempoMinimo(std::chrono::milliseconds(t0.elapsed()));
    QGuiApplication::restoreOverrideCursor();
    QMetaObject::invokeMethod(janela_.get(), &TTrovaleForm1::executarInicioAdiado,
                              Qt::QueuedConnection);
}

// A user's first start: the shipped catalogue and settings, and the example songs, so that
// there is a song to open in the first minute.
void Programa::semearPrimeiroInicio() {
    const std::filesystem::path instalacao = pastaDadosInstalados();
    if (semearPastaUsuario(pasta_.pasta, instalacao).empty() || instalacao.empty()) return;
    semearCancoesExemplo(pastaCancoesUsuario(), instalacao / "songs");
}

// A portable program (or the build tree) carries its example songs beside it; they go to
// the user's songs folder the first time there is none.
void Programa::semearCancoesPortatil() {
    const std::filesystem::path cancoes = pastaCancoesUsuario();
    std::error_code erro;
    if (std::filesystem::exists(cancoes, erro) || erro) return;
    semearCancoesExemplo(cancoes, pasta_.pasta / "songs");
}

void Programa::criarJanelaPrincipal() {
    ServicosPrincipais servicos{catalogo_, ArquivosCatalogo{pasta_.pasta, fs_}, diasDesde1899,
                                opcoes_.contarImpressoras};
    servicos.aparencia = &aparencia_;
    servicos.modeloPadrao = &modelo_;
    servicos.layoutPadrao = &layout_;
    janela_ = std::make_unique<TTrovaleForm1>(std::move(servicos), opcoes_.argumentos);
    janela_->mostrarInicio();
    for (const QString& caminho : std::exchange(recebidos_, {}))
        janela_->receberDeOutraInstancia(caminho);
}

void Programa::tocarSomInicial() {
    if (!opcoes_.somInicial) return;
    QFile arquivo(QStringLiteral(":/som/Quinta.wav"));
    if (!arquivo.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = arquivo.readAll();
    if (const auto som = lerWav(std::string_view(bytes.constData(), bytes.size())))
        som_.tocar(*som);
}

// Each window is made once, in the order the program has always made them. The windows of
// later parts of the program join this list in their places.
void Programa::criarJanelas() {
    // Reads ASPECTO.INI: from here on every diagram has its appearance.
    aspecto_ = new TAspectForm(aparencia_, fs_, pasta_.pasta, janela_.get());
    janela_->setAspecto(aspecto_);
    // TInfoForm, TYesNoForm and TConfirmForm
    dialogs_ = std::make_unique<WindowDialogs>(janela_.get());
    janela_->setDialogs(dialogs_.get());
    aspecto_->setDialogs(dialogs_.get());
    // The template and page setup windows read their settings files when they are made.
    modelo_ = carregarModelo(fs_, pasta_.pasta, *dialogs_);
    layout_ = carregarLayout(fs_, pasta_.pasta);
    // The chord type editor's creation loads the catalogue.
    AbrirCatalogo(ArquivosCatalogo{pasta_.pasta, fs_}, catalogo_, *dialogs_);
    tipos_ = new TTiposForm(catalogo_, *dialogs_, lembrete_, janela_.get());
    janela_->setTipos(tipos_);
    ordem_ = new TMoveForm(catalogo_, *dialogs_, lembrete_, janela_.get());
    janela_->setOrdem(ordem_);
    // Reads MUSICS.INI: the default folder and the columns of the song lists.
    arquivos_ = new TFileDlg(*dialogs_, QString::fromStdString(pasta_.pasta.string()),
                             QString::fromStdString(pastaCancoesUsuario().string()), janela_.get());
    janela_->setArquivos(arquivos_);
    // The text-mode editor and its check window.
    letra_ = new TLetraDlg(catalogo_, *dialogs_, janela_.get());
    letra_->setAparencia(&aparencia_);
    janela_->setLetra(letra_);
    // The chord selection window, whose fingering browser also serves the text check.
    selecao_ = new TSelectForm(catalogo_, aparencia_, *dialogs_, janela_.get());
    janela_->setSelecao(selecao_);
    ligarVerificacaoAoNavegador();
    // The fingering editor and its candidate and interval windows.
    edicao_ = new TEditForm(catalogo_, aparencia_, *dialogs_, lembrete_, *selecao_, janela_.get());
    edicao_->setTipos(tipos_);
    // One player for every window: a chord pressed anywhere ends the one before.
    somAcordes_ = std::make_unique<SomDoPrograma>(*dialogs_);
    edicao_->setSom(somAcordes_.get());
    selecao_->navegador().setSom(somAcordes_.get());
    janela_->setSom(somAcordes_.get());
    midi_ =
        new TMidiDlg(somAcordes_->acorde(), somAcordes_->saida(), fs_, pasta_.pasta, janela_.get());
    midi_->setExemplo([this] { return aspecto_->exemplo(); });
    janela_->setMidi(midi_);
    janela_->setTeclasPalco(new TTeclasPalcoDlg(fs_, pasta_.pasta, *dialogs_, janela_.get()));
    transposicao_ =
        new TTransForm(catalogo_, aparencia_, *dialogs_, selecao_->navegador(), janela_.get());
    janela_->setTransposicao(transposicao_);
    janela_->setEdicao(edicao_);
    impressao_ = new TPrintForm(*dialogs_, janela_.get());
    janela_->setImpressao(impressao_);
    paginaForm_ = new TPageForm(layout_, fs_, pasta_.pasta, *dialogs_, janela_.get());
    janela_->setPagina(paginaForm_);
    modeloForm_ = new TModelForm(modelo_, fs_, pasta_.pasta, *dialogs_, janela_.get());
    janela_->setModelo(modeloForm_);
    ajuda_ = new THelpForm(janela_.get());
    janela_->setAjuda(ajuda_);
    aspecto_->setAjuda(ajuda_);
    arquivos_->setAjuda(ajuda_);
    letra_->setAjuda(ajuda_);
    selecao_->setAjuda(ajuda_);
    edicao_->setAjuda(ajuda_);
    transposicao_->setAjuda(ajuda_);
    midi_->setAjuda(ajuda_);
    tipos_->setAjuda(ajuda_);
    ordem_->setAjuda(ajuda_);
}

// Highlighting a chord in the text check opens the fingering browser beside it; a pick there
// becomes that chord's fingering.
void Programa::ligarVerificacaoAoNavegador() {
    TCheckForm& verificacao = letra_->checkForm();
    TChordsForm& navegador = selecao_->navegador();
    verificacao.aoDestacarAcorde = [&verificacao, &navegador](const PedidoDigitacao& pedido) {
        // The check window is modal: the browser must be its own to take clicks.
        navegador.pertencerA(&verificacao);
        navegador.mostrarParaCifra(
            pedido.raiz, pedido.tipoComBaixo, pedido.digitacao,
            [&verificacao]() -> std::optional<std::string> {
                const int item = verificacao.ListBox->currentRow();
                if (item < 0) return std::nullopt;
                return windows1252DeUtf8(verificacao.itemTexto(item).toStdString());
            },
            [&verificacao](const std::string& codigo) { verificacao.usarDigitacao(codigo); });
        navegador.posicionarAoLado(verificacao);
    };
}

// The start picture stays up for its minimum time. Window events go on being handled, so
// the picture is painted, but the user's clicks and keys wait for the program to be ready.
void Programa::esperarTempoMinimo(std::chrono::milliseconds decorrido) {
    const auto resta = opcoes_.tempoMinimo - decorrido;
    if (resta.count() <= 0) return;
    QEventLoop espera;
    QTimer::singleShot(resta, &espera, &QEventLoop::quit);
    espera.exec(QEventLoop::ExcludeUserInputEvents);
}

void Programa::receber(const QString& caminho) {
    if (janela_)
        janela_->receberDeOutraInstancia(caminho);
    else
        recebidos_.append(caminho);
}

}  // namespace trovale
