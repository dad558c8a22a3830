#pragma once
// TFileDlg, the program's own file window: it names the file to open, save, import or export,
// and it is a small song manager besides: songs listed by title and author, sorted by the
// column order, deleted, copied between folders and copied to the clipboard as text.
// Its default folder and columns live in MUSICS.INI.

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

#include "base/file_system.h"
#include "settings/musics_file.h"
#include "ui/file_dialog/song_listing.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;

namespace trovale {

class Dialogs;
class FolderTree;
class SongListView;
class THelpForm;

// What the browser asks of the program around it.
struct OperacoesArquivo {
    // Index of the document window holding this path, or -1 (the caller compares canonical
    // paths).
    std::function<int(const QString& caminho)> indiceAberto;
    // The active song's own file name (UTF-8 path), or "Sem título"; empty when no song is
    // active.
    std::function<QString()> arquivoAtivo;
    // Save mode: saves the active song at the path; false (after the program's own message)
    // keeps the window open.
    std::function<bool(const QString& caminho)> salvarAtivo;
    // Import mode: loads the file's text into the text-mode editor; false keeps the window
    // open. May be empty: then the import fails with "Arquivo/caminho impróprio ...".
    std::function<bool(const QString& caminho)> importar;
    // Export mode: writes the active song as plain text; false keeps the window open. May be
    // empty.
    std::function<bool(const QString& caminho)> exportar;
};

class TFileDlg : public QDialog {
    Q_OBJECT
  public:
    // Chosen by the first letter of the caption, after its leading blank.
    // "C" chooses the songs of a songbook.
    enum class Modo { Abrir, Salvar, Importar, Exportar, Caderno };

    // `pastaPrograma`: where MUSICS.INI lives; `pastaCancoes`: the default folder when none is
    // stored (created when first needed).
    TFileDlg(Dialogs& dialogs, QString pastaPrograma, QString pastaCancoes,
             QWidget* parent = nullptr);

    void setOperacoes(OperacoesArquivo operacoes);
    // The Help button opens the page of this window.
    void setAjuda(THelpForm* ajuda);
    // "*.dec", "*.txt", or several masks joined by ";" (the first one's extension is given to
    // a name typed without one); the caller sets the caption (" Abrir arquivo existente",
    // " Salvar como ...", " Importar arquivo em formato texto", " Exportar arquivo em formato
    // texto") and the mask, then calls exec().
    void setMascara(const QString& mascara);

    QString caminho() const { return caminho_; }  // the chosen full path, after Accepted
    // Songbook mode, after Accepted: the noted files, else the selected ones, else the file
    // named.
    const QStringList& escolhidos() const { return escolhidos_; }
    int indiceAberto() const { return indiceAberto_; }
    // The text-mode editor's font as MUSICS.INI keeps it: size + 100 bold + 1000 italic.
    int fonteEditor() const { return configuracao_.fonteEditor; }
    // Keeps the text-mode editor's font and writes MUSICS.INI at once; the folder and columns
    // stay as last made default.
    void guardarFonteEditor(int fonte);

    Modo modo() const;
    QString mascara() const { return mascara_; }
    QString pastaAtual() const { return pasta_; }
    // Shows `pasta` in the tree and lists it, as if the user had chosen it; false (with the
    // message) when it cannot be used.
    bool abrirPasta(const QString& pasta);
    // The display order of the columns, which is the sort order.
    OrdemColunas ordemColunas() const;
    const QList<LinhaOrdenada>& linhas() const { return linhas_; }
    const QStringList& anotados() const { return anotados_; }
    bool dicasVisiveis() const;
    // The list's popup menu as it would open now.
    QMenu* menuDaLista();

    // The window's controls, by their established names.
    QLineEdit* Edit;
    FolderTree* TreeView;
    SongListView* Lista;
    QLabel *LabelDir, *LabelLista, *Dicas;
    QPushButton *BtnOK, *BtnCancel, *BtnAnota, *BtnCopia, *BtnPadrao, *BtnRefresh, *BtnHelp,
        *LabelDicas;

    // The actions of the window, as their buttons and keys start them.
    void BtnOKClick();
    void BtnAnotaClick();
    void BtnCopiaClick();
    void BtnPadraoClick();
    void BtnRefreshClick();
    void apagarSelecionados();
    void copiarColuna(int coluna);  // 1..3, display order
    void trocarColunas(int de, int para);

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void createControls();
    QWidget* createButtons();
    void connectControls();
    void ajustarTamanhos();
    void lerConfiguracao();
    void carregarArvore();
    void arvoreMudou(QTreeWidgetItem* atual, QTreeWidgetItem* anterior);
    bool pastaUtil(const QString& pasta, const QString& volume);
    void definirPasta(const QString& pasta, const QString& volume);
    void relistar();
    void reordenar();
    void mostrarLinhas(const QStringList& selecionar);
    void selecaoMudou();
    void selecionarLinha(int linha);
    void mostrarDicas(bool mostrar);
    void mostrarPastaNoRotulo();
    void atualizarCabecalho();
    QStringList nomesSelecionados() const;
    QList<int> linhasSelecionadas() const;
    QString caminhoDe(const QString& nome) const;

    // The steps of "&Confirmar", each false when its message kept the window open.
    std::optional<QString> resolverNome();
    bool confirmarAbrir(const QString& caminho, bool existe);
    bool confirmarSalvar(const QString& caminho);
    bool confirmarImportar(const QString& caminho);
    bool confirmarExportar(const QString& caminho);
    bool confirmarCaderno();
    // A readable file with a song mark; false after the message.
    bool arquivoDeCancao(const QString& caminho);
    bool mesmoArquivo(const QString& a, const QString& b) const;
    bool substituirExistente(const QString& caminho, const QString& mostrado);
    void aviso(const QString& texto);

    Dialogs& dialogs_;
    DiskFileSystem fs_;
    QString pastaPrograma_;
    QString pastaCancoes_;
    OperacoesArquivo operacoes_;
    QPointer<THelpForm> ajuda_;
    QStackedWidget* pilha_ = nullptr;

    ConfiguracaoMusicas configuracao_;
    OrdemColunas ordem_{};
    QString mascara_ = QStringLiteral("*.dec");
    QString pasta_;
    QString volume_;
    QList<ArquivoListado> arquivos_;
    QList<LinhaOrdenada> linhas_;
    QStringList anotados_;
    QString caminho_;
    QStringList escolhidos_;
    int indiceAberto_ = -1;
    bool mudandoArvore_ = false;
    bool preenchendo_ = false;
};

}  // namespace trovale
