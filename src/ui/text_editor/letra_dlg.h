#pragma once
// TLetraDlg, " Trovale 2.04 - Edição em modo texto": the song as plain text, chord lines over
// lyric lines in a fixed-pitch font. "&Confirmar" interprets the text and hands it to the song
// window; "&Verificar" shows how it will be read.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "document/text_interpretation.h"
#include "render/appearance.h"
#include "ui/text_editor/editor_font.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace trovale {

class Dialogs;
class TCheckForm;
class TextGrid;
class THelpForm;

inline constexpr int kMaxLinhasTexto = 3000;

class TLetraDlg : public QDialog {
    Q_OBJECT
  public:
    // The catalogue interprets the text; both must outlive the window.
    TLetraDlg(const Catalogo& catalogo, Dialogs& dialogs, QWidget* parent = nullptr);

    // Before exec(): the text (Windows-1252 lines) and the known chords (a song's chord table
    // for an existing song, empty for a new one). Clears the modified mark; control characters
    // and the 3000-line limit are dealt with on show.
    void setTexto(std::vector<std::string> linhas, AcordesConhecidos conhecidos = {});
    // The editor font: size + 100 if bold + 1000 if italic. "Salvar" (Ctrl+S) hands it to
    // `aoSalvarFonte`, so that the song file window keeps it.
    void setFonteEditor(int s);
    int fonteEditor() const { return codigoDaFonte(fonte_); }
    std::function<void(int s)> aoSalvarFonte;
    // After exec() == Accepted: what the song is built from.
    const EditorText& resultado() const { return resultado_; }
    bool textoModificado() const;
    // The file window's import: the lines replace the text, as a change the user may undo.
    void substituirTexto(std::vector<std::string> linhas);

    // The diagrams' look, which also says how many frets a chosen fingering may span.
    void setAparencia(const Aparencia* aparencia);
    void setAjuda(THelpForm* ajuda);
    // The check window this one shows, for the fingering browser to be tied to it.
    TCheckForm& checkForm() { return *check_; }

    // The text now, one Windows-1252 string a line.
    std::vector<std::string> linhas() const;
    const AcordesConhecidos& conhecidos() const { return conhecidos_; }
    bool modoCorrecao() const;

    // The commands, as the buttons, keys and menu items run them.
    void BtnOKClick();
    void BtnCheckClick();
    void inserirMarcador(char letra);
    void mudarTamanho(int passo);

    TextGrid* Memo;
    QLabel* LabelModo;
    QPushButton *BtnOK, *BtnCheck, *BtnCancel, *BtnHelp;
    QAction *mAumentar, *mReduzir, *mOriginal, *mItalico, *mNegrito, *mSalvar;
    QAction *mDesfazer, *mCopiar, *mColar, *mTudo;
    QAction *mAutor, *mCoro, *mNormal, *mObserv, *mRefrao, *mTitulo;

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void createControls();
    QMenuBar* createMenus();
    QWidget* createButtons();
    void connectControls();
    QAction* item(QMenu* menu, const char* nome, const QString& legenda, const QKeySequence& tecla);
    void mostrarModo();
    void aplicarFonte();
    void carregarPendente();
    void ajustarTexto();
    void substituirLinhas(const std::vector<std::string>& antes,
                          const std::vector<std::string>& depois);
    void abrirAjuda();

    const Catalogo& catalogo_;
    Dialogs& dialogs_;
    const Aparencia* aparencia_ = nullptr;
    QPointer<THelpForm> ajuda_;
    TCheckForm* check_ = nullptr;
    FonteEditor fonte_;
    AcordesConhecidos conhecidos_;
    EditorText resultado_;
    // Text handed in while hidden, put in the editor on show.
    std::optional<std::vector<std::string>> pendente_;
    bool pendenteModificado_ = false;
    bool mudancaNaVerificacao_ = false;
};

}  // namespace trovale
