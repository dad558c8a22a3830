#pragma once
// TTrovaleForm1, the main window: a frame for the song windows, the start panel while none
// is open, the main menu, the deferred start-up checks and the closing of the program.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

#include "catalogue/catalogue_backup.h"
#include "catalogue/catalogue_files.h"
#include "render/appearance.h"
#include "render/printer_metrics.h"
#include "settings/page_layout.h"
#include "settings/template.h"
#include "ui/main_window/main_menu.h"
#include "ui/stage/stage_form.h"
#include "ui/main_window/menu_rules.h"
#include "ui/print/current_printer.h"

class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QStackedWidget;

namespace trovale {

class PainelInicial;
class TAspectForm;
class TFileDlg;
class THelpForm;
struct PedidoCaderno;
class TImageForm;
class TLetraDlg;
class TModelForm;
class TPageForm;
class TPrintForm;
class TSelectForm;
class TEditForm;
class TTransForm;
class TMidiDlg;
class SomDeAcordes;
class TMoveForm;
class TTiposForm;
class TTeclasPalcoDlg;
struct AcordeEscolhido;
struct PedidoAcorde;

// What the main window works with; the application owns all of it.
struct ServicosPrincipais {
    Catalogo& catalogo;
    ArquivosCatalogo arquivos;
    RelogioDias relogio = diasDesde1899;
    // The installed printers; empty means asking the system.
    std::function<int()> contarImpressoras;
    // What the song windows read: the diagrams' appearance, MODELO.INI and LayOut.ini.
    // Factory settings stand in for any left out.
    const Aparencia* aparencia = nullptr;
    const Modelo* modeloPadrao = nullptr;
    const PageLayout* layoutPadrao = nullptr;
    // The printer's page in an orientation; empty means asking the system.
    std::function<PageMetrics(bool paisagem)> metricasPagina;
};

class TTrovaleForm1 : public QMainWindow {
    Q_OBJECT
  public:
    static const QString kTitulo;

    // `argumentos` are the command line's, without the program's name.
    TTrovaleForm1(ServicosPrincipais servicos, QStringList argumentos, QWidget* parent = nullptr);
    ~TTrovaleForm1() override;

    // The message and question windows and the help window, made after this one.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setAjuda(THelpForm* ajuda);
    // The diagram appearance window, which "Aparência do braço" opens.
    void setAspecto(TAspectForm* aspecto);
    // The file window, through which songs are opened and saved under a name.
    void setArquivos(TFileDlg* arquivos);
    TFileDlg* arquivos() const;
    // The text-mode editor, through which songs are written, imported and edited as text.
    void setLetra(TLetraDlg* letra);
    // The chord selection window with the fingering browser beside it.
    void setSelecao(TSelectForm* selecao);
    // The fingering editor: "Digitações" and the magnifier of the song windows.
    void setEdicao(TEditForm* edicao);
    // The program's sound, which the song windows use for a chord pressed with the right
    // button, and its settings window ("Som dos acordes").
    void setSom(SomDeAcordes* som) { som_ = som; }
    void setMidi(TMidiDlg* midi);
    // The window that teaches the stage view a pedal's keys ("Teclas do palco").
    void setTeclasPalco(TTeclasPalcoDlg* teclas);
    // The transposition window: "Transpor - Mudar tom" of the song in front.
    void setTransposicao(TTransForm* transposicao);
    // The print window, through which "Imprimir" prints the song in front.
    void setImpressao(TPrintForm* impressao);
    // The template window: "Modelo" and the line meanings of the song windows.
    void setModelo(TModelForm* modelo);
    // The page setup window: "Lay-out" of the song in front, with its preview.
    void setPagina(TPageForm* pagina);
    // The chord type editor ("Constituição e nomenclatura") and the presentation order.
    void setTipos(TTiposForm* tipos);
    void setOrdem(TMoveForm* ordem);

    // The first showing: normal state, covering the screen, painted at once.
    void mostrarInicio();
    // From here on an activation runs the deferred start-up.
    void concluirCriacao() { starting_ = false; }
    // Posted to itself once at the end of start-up; also runs on later activations.
    Q_INVOKABLE void executarInicioAdiado();
    // What a second instance sent: a song path, or nothing to only come to the front.
    void receberDeOutraInstancia(const QString& caminho);

    // Document windows join and leave through here, so the menu and titles follow them.
    QMdiSubWindow* adicionarJanelaDocumento(QWidget* documento);
    int numeroDocumentos() const;
    // The song window in front, or null.
    TImageForm* documentoAtivo() const;
    // The song windows, in the order they were opened.
    QList<TImageForm*> documentosAbertos() const;
    // Opens the song in a window of its own; null when it could not be read (after the
    // loader's message) or is open already.
    TImageForm* abrirArquivo(const QString& caminho);
    // A window for a song never saved, "Sem título", with the default settings.
    TImageForm* abrirNovo();
    // Captions of the main window and of the songs; also after a song takes a new file name.
    void atualizarTitulos();

    const MenuPrincipal& menu() const { return menu_; }
    PainelInicial* painel() const { return painel_; }
    QMdiArea* areaDocumentos() const { return mdi_; }
    int printerCount() const { return printerCount_; }
    // Screen y just below the menu bar, where modal windows placed under the menu start.
    int modalTop() const;

  signals:
    // The deferred start-up has run for the first time and the window is at the user's call.
    void inicioConcluido();
    void painelFerramentasAlternado(bool visivel);
    void barrasRolagemAlternadas(bool visiveis);

  protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void criarAcoes();
    void ligarComandos();
    void aplicarRegras();
    SituacaoMenu situacao() const;
    void habilitar(QAction* item, bool regra);
    void atenderPendentes();
    void trazerParaFrente();
    QMdiSubWindow* documentoComArquivo(const QString& caminho) const;
    TImageForm* criarDocumento();
    PageMetrics metricasPagina(bool paisagem) const;
    void salvarAtivo();
    bool salvarComo(TImageForm& documento);
    void abrirPeloNavegador();
    void novoPeloTexto();
    void importarTexto();
    void exportarTexto();
    void exportarPdf();
    // The import of the file window: a ChordPro file or a plain text into the text editor.
    bool importarArquivo(const QString& caminho);
    // The bytes of a text (`nome` for the extension, empty for the clipboard's).
    bool importarBytes(std::string bytes, const std::string& nome);
    // "Colar cifra": the clipboard's text into the text editor, as an import.
    void colarCifra();
    void exportarChordPro();
    // "Caderno de cifras (PDF)": songs chosen in the file window, a title, the PDF's name.
    void montarCaderno();
    bool gravarCaderno(const QStringList& musicas, const QString& titulo, bool alfabetica,
                       const QString& caminho);
    bool gravarPedido(const PedidoCaderno& pedido, const QString& caminho);
    // "Repertório": the evening's songs, each as it is played that night.
    void abrirRepertorio();
    void imprimirAtivo();
    // "Impressora (config)": another printer or paper; every song takes its page again.
    void configurarImpressora();
    // The template window on a song. `umPasso`: the change is its own undo step, and a
    // cancel puts the settings back; from the page setup window that one decides.
    void editarModelo(TImageForm& documento, bool umPasso = true);
    void definirLinhas(TImageForm& documento);
    void configurarPagina(TImageForm& documento);
    // The file window in its export mode, writing through `exportacao`.
    void exportarPor(const QString& legenda, const QString& mascara,
                     std::function<bool(const QString&)> exportacao);
    void editarComoTexto();
    // Shows the text editor; a confirmed text becomes a new song window.
    void criarDoEditor();
    std::optional<AcordeEscolhido> escolherAcorde(const PedidoAcorde& pedido);
    void escolherParaCopia();
    // The fingering editor, empty ("0" or nothing) or analysing a song's fingering.
    void abrirEditorDeDigitacoes(const std::string& digitacao = {});
    void transporAtivo();
    // "Capotraste..." and "Nomes dos acordes como soam" for the song in front.
    void ligarCapotraste();
    void ligarPalco();
    void capotrasteAtivo();
    // "Palco": songs full screen, owned by `dono` (a modal window keeps its own).
    TPalcoForm* mostrarPalco(std::vector<MusicaNoPalco> musicas, int inicio, QWidget* dono);
    // Runs the file window with a caption and mask; true when confirmed.
    bool escolherArquivo(const QString& legenda, const QString& mascara);
    void aoFecharDocumento();
    void mostrarPainel(bool visivel);
    void gravarCatalogo(void (*comando)(const ArquivosCatalogo&, Catalogo&, Dialogs&,
                                        const RelogioDias&));
    // "Janelas": the songs cascaded, each large enough to work in, the active one on top.
    void arrumarJanelas();
    // The open songs at the end of the "Documento" menu, the active one checked.
    void listarJanelas();
    // Ctrl+Tab and Ctrl+Shift+Tab go through the songs.
    void criarAtalhosJanelas();
    void fecharDocumentoAtivo();

    ServicosPrincipais servicos_;
    QStringList argumentos_;
    Dialogs* dialogs_ = nullptr;
    QPointer<THelpForm> ajuda_;
    QPointer<TAspectForm> aspecto_;
    QPointer<TFileDlg> arquivos_;
    QPointer<TLetraDlg> letra_;
    QPointer<TSelectForm> selecao_;
    QPointer<TEditForm> edicao_;
    QPointer<TTransForm> transposicao_;
    QPointer<TMidiDlg> midi_;
    QPointer<TTeclasPalcoDlg> teclasPalco_;
    SomDeAcordes* som_ = nullptr;
    QPointer<TPrintForm> impressao_;
    QPointer<TModelForm> modelo_;
    QPointer<TPageForm> pagina_;
    QPointer<TTiposForm> tipos_;
    QPointer<TMoveForm> ordem_;
    // The text form of the song being exported, for the file window to write.
    // What "Exportar" of the file window writes, while it is open for an export.
    std::function<bool(const QString&)> exportacao_;
    // The song "Salvar como" is naming, which may not be the active one when closing.
    QPointer<TImageForm> nomeando_;
    MenuPrincipal menu_;
    QStackedWidget* centro_ = nullptr;
    PainelInicial* painel_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QActionGroup* listaJanelas_ = nullptr;
    // Items whose windows are not part of the program yet: they stay disabled.
    QList<QAction*> semJanela_;
    QStringList recebidosDuranteInicio_;

    bool starting_ = true;
    bool firstActivation_ = true;
    bool noInicioAdiado_ = false;
    int printerCount_ = -1;
    ImpressoraAtual impressora_;
    Aparencia aparenciaFabrica_;
    Modelo modeloFabrica_;
    PageLayout layoutFabrica_;
};

}  // namespace trovale
