#pragma once
// TImageForm, the window of one open song: its laid-out sheet in one to three columns with
// scroll bars and the page label, the tool panel, saving and closing with the question
// about unsaved changes.

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "document/sheet.h"
#include "fingering/song_transposition.h"
#include "document/sheet_editing.h"
#include "document/song_history.h"
#include "document/song_document.h"
#include "render/sheet_measure.h"
#include "render/print_pages.h"
#include "render/sheet_painter.h"
#include "ui/document_window/document_services.h"
#include "ui/document_window/scroll_steps.h"

class QFrame;
class QPrinter;
class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace trovale {

class PainelAcordes;
class PainelCopia;
class SheetEditor;
class SheetGrid;
class SheetViewport;

class TImageForm : public QWidget {
    Q_OBJECT
  public:
    static const QString kAvisoTruncado;
    static const QString kPaginaAjuda;

    explicit TImageForm(ServicosDocumento servicos, QWidget* parent = nullptr);
    ~TImageForm() override;

    // A new song with the default template and page layout, named "Sem título".
    void iniciarNovo();
    // Loads the song file with the busy cursor; false after the loader's message.
    bool carregar(const QString& caminho);
    bool LoadFailed() const { return loadFailed_; }

    // Row heights, columns and pages again, after any change of the song or its settings.
    void dispor();
    // Pages and rows again after a change of the song's lines or chords.
    void redispor();
    // "Salvar": under its own name, or through "Salvar como" for a song never saved.
    bool salvar();
    // Saves the song as it stands on the sheet at `caminho`; on success the window takes
    // that name. False after the saver's message.
    bool salvarEm(const QString& caminho);

    const SongDocument& documento() const { return doc_; }
    // Every change of the song ends here, so that the save button shows it.
    void marcarModificado();
    // The song as the text editor takes it: chord symbols over the lyrics and the marker
    // lines; nothing (after the message) when a chord symbol has no room.
    std::optional<std::vector<std::string>> textoParaEditar();
    // The song's lines as plain text, for export; nothing after the message.
    // The song as it stands on the sheet, for writing it out in another format.
    const SongDocument& documentoAtual();
    std::optional<std::vector<std::string>> textoParaExportar();
    // A chord chosen from the main menu goes to the copy panel.
    void colocarNaCopia(const DraggedChord& acorde);
    // The song's distinct chords for the transposition window, and its result taken back
    // as one undo step.
    std::vector<LinhaTransposicao> acordesParaTransposicao();
    void aplicarTransposicao(const std::vector<LinhaTransposicao>& linhas);
    // The same with the capo on `casa` and the "Tom: ..." line moved by the semitones the song
    // now sounds away from before.
    void aplicarTransposicao(const std::vector<LinhaTransposicao>& linhas, int casa,
                             int deslocamentoSoante);
    // The song's capo (0 without one), and putting it on another fret as one undo step.
    int capotraste() const;
    void definirCapotraste(int casa);
    // The sheet names the chords as they sound with the capo instead of the shapes; for the
    // window only, the song is unchanged.
    bool nomesSoantes() const { return nomesSoantes_; }
    void mostrarNomesSoantes(bool soantes);
    // The song made again from what the text editor gives back; one undo step, unless it is
    // the start of a new song.
    void construirDoTexto(const EditorText& texto, bool novo = false);
    const Sheet& folha() const { return sheet_; }
    // What painting and printing the sheet reads; null before the first layout.
    const SheetPaint* pintura() const { return pintura_.get(); }
    // The screen resolution the sheet is laid out at.
    int dpi() const { return ajustes_.dpi; }
    // The printer's page for the song's orientation.
    PageMetrics metricas() const;
    // The template and page layout windows: the state to go back to, taken before they open
    // (typing in progress is ended first).
    SongState iniciarAjustes();
    // A template for viewing: switching between symbols and diagrams turns the chord rows.
    void aplicarModelo(const Modelo& modelo);
    void aplicarLayout(const PageLayout& layout);
    // Confirmed: one undo step when anything differs, then the truncation warning if due.
    void concluirAjustes(const SongState& antes);
    // Cancelled: template, layout and line kinds as they were.
    void desfazerAjustes(const SongState& antes);
    // The template window cancelled inside page setup: template and line kinds as they were,
    // the layout as page setup has it.
    void voltarModelo(const SongState& antes);
    // After a change of printer: the layout fitted to the new paper (a change marks the song
    // modified) and the sheet laid out again.
    void retomarPagina();
    // The pages of the sheet as a PDF at `caminho`, written whole or not at all; false after
    // the message.
    bool exportarPdf(const QString& caminho);
    // Prints pages of the sheet on a printer already turned to the song's orientation.
    FimImpressao imprimirEm(QPrinter& impressora, const std::vector<int>& paginas,
                            const AcompanhamentoImpressao& acompanhamento);
    // The song's file name, or "Sem título".
    QString nomeArquivo() const;
    bool semTitulo() const;
    // The song's title line, or "Sem título" when its first line is no title.
    QString tituloCancao() const;
    bool Truncated() const { return truncated_; }

    void mostrarPainel(bool visivel);
    void mostrarBarras(bool visiveis);
    // Sheet offset of the view's top, and the page label.
    int deslocamento() const { return deslocY_; }
    void rolarPara(int deslocamento);
    void rolarHorizontalPara(int deslocamento);
    SheetEditor& editor() const { return *editor_; }
    QString textoPagina() const;
    SheetGrid* grade(int coluna) const { return grades_[static_cast<std::size_t>(coluna)]; }

    QFrame* PanelT = nullptr;
    QToolButton* BtnNew = nullptr;
    QToolButton* BtnOpen = nullptr;
    QToolButton* BtnSave = nullptr;
    QToolButton* BtnModelo = nullptr;
    QToolButton* BtnDrag = nullptr;
    QToolButton* BtnPreview = nullptr;
    QToolButton* BtnPrint = nullptr;
    QToolButton* BtnPdf = nullptr;
    QToolButton* BtnEdit = nullptr;
    QToolButton* BtnAcorde = nullptr;
    QToolButton* BtnTom = nullptr;
    PainelAcordes* PanelLixo = nullptr;
    PainelCopia* PanelCopia = nullptr;
    PainelAcordes* PanelLupa = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* VertBar = nullptr;
    QScrollBar* HorzBar = nullptr;
    QFrame* PanelPT = nullptr;
    QFrame* PanelPB = nullptr;
    QFrame* PanelPL = nullptr;
    QFrame* PanelPR = nullptr;
    QTimer* Timer1 = nullptr;

  signals:
    // The file name changed (a save under a new name): captions follow.
    void arquivoAlterado();
    // F1: the help page of this window.
    void ajudaPedida(const QString& pagina);

  protected:
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

  private:
    friend class SheetEditor;

    void criarPainel();
    void criarFolha();
    void primeiraAtivacao();
    void avisarTruncamento();
    void aoRedimensionarVista();
    void atualizarColunas();
    void atualizarRolagem();
    void posicionarGrades();
    void aoRolarVertical(int posicao);
    void aoRolarHorizontal(int posicao);
    void rolarPassos(int linhas);
    void atualizarBotaoSalvar();
    void definirArquivo(const std::string& caminho);
    bool podeFechar();
    // The song as the sheet shows it: the song itself, or a copy with the sounding names.
    const SongDocument& exibido();

    ServicosDocumento servicos_;
    SongDocument doc_;
    SongDocument soante_;
    bool nomesSoantes_ = false;
    Sheet sheet_;
    SheetSettings ajustes_;
    std::unique_ptr<SheetMeasure> medida_;
    std::unique_ptr<SheetPaint> pintura_;
    bool loadFailed_ = false;
    bool truncated_ = false;
    bool ativado_ = false;
    bool carregando_ = false;
    bool avisoFeito_ = false;

    SheetViewport* vista_ = nullptr;
    SheetEditor* editor_ = nullptr;
    std::array<SheetGrid*, kMaxColunas> grades_{};
    PassosRolagem passosV_, passosH_;
    int deslocY_ = 0;
    int deslocX_ = 0;
};

}  // namespace trovale
