#pragma once
// TTransForm, the transposition of a song: every distinct chord moved by a number of semitones,
// spelled after the key chord (the highlighted one), with a new fingering chosen for each;
// the user reviews spellings and fingerings, with the fingering browser beside, and confirms.

#include <QDialog>
#include <optional>
#include <vector>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "fingering/capo_choices.h"
#include "fingering/song_transposition.h"
#include "render/appearance.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace trovale {

class PaintBox;
class TChordsForm;
class THelpForm;

class TTransForm : public QDialog {
    Q_OBJECT
  public:
    TTransForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
               TChordsForm& navegador, QWidget* parent = nullptr);

    // Shows the song's chords modally; their new symbols and fingerings on "&Confirmar". The
    // key chord is the one named `tom` (the song's "Tom: ..." line), else the first. With a
    // capo the new key may also be reached by moving it: capotrasteEscolhido() says where.
    std::optional<std::vector<LinhaTransposicao>> transpor(std::vector<LinhaTransposicao> linhas,
                                                           const std::string& tom = {},
                                                           int capotraste = 0);
    // transpor() without waiting, for callers that run their own loop.
    void preparar(std::vector<LinhaTransposicao> linhas, const std::string& tom = {},
                  int capotraste = 0);
    int capotrasteEscolhido() const { return capoEscolhido_; }
    // Whether confirming changes anything: the shapes move or the capo does.
    bool transposto() const { return formas_ != 0 || capoEscolhido_ != capoAtual_; }

    void setAjuda(THelpForm* ajuda) { ajuda_ = ajuda; }
    const std::vector<LinhaTransposicao>& linhas() const { return linhas_; }
    int deslocamento() const { return deslocamento_; }
    int linhaSelecionada() const;

    QListWidget* ListBox;
    QLabel *SrcLabel, *LabelNovo, *ImageSeta;
    PaintBox *PBorig, *PBnovo;
    QGroupBox *GBtom, *GBbaixo;
    QRadioButton *RBTb, *RBTs, *RBBb, *RBBs, *RBsimples, *RBigual;
    QToolButton *BtnUp, *BtnDn;
    QCheckBox* CBsugerir;
    QRadioButton *RBacordes, *RBcapo;
    QComboBox* CBcapo;
    QLabel* LabelSoante;
    QWidget* PanelHelp;
    QPushButton *OKBtn, *CancelBtn, *HelpBtn;

  protected:
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void createControls();
    QWidget* createPreviews();
    void mostrarTransposicao(bool transposto);
    QWidget* createOptions();
    QWidget* createHelp();
    void connectControls();
    void mudarDeslocamento(int passo);
    void transporTudo();
    QWidget* createCapoChoice(QWidget* dono);
    void preencherCapotrastes(int linhaDoTom);
    void mostrarSoante();
    void mostrarNovosSimbolos();
    void preencherLista();
    void mostrarSelecionada();
    void mostrarGrafias();
    void usarGrafia(bool raiz, bool bemol);
    void mostrarNavegador();
    void abrirAjuda();

    const Catalogo& catalogo_;
    const Aparencia& aparencia_;
    Dialogs& dialogs_;
    TChordsForm& navegador_;
    THelpForm* ajuda_ = nullptr;
    std::vector<LinhaTransposicao> linhas_;
    int deslocamento_ = 0;  // of the sound, as the user steps it
    int formas_ = 0;        // of the shapes: the same, or what the capo chosen asks for
    int capoAtual_ = 0;
    int capoEscolhido_ = 0;
    std::optional<TomDaCancao> tomDasFormas_;
    std::vector<EscolhaDeCapotraste> escolhas_;
    int escolhasPara_ = -1;  // the sound shift the capo list was made for
    int linhaDoTom_ = 0;  // the key chord of the transposition shown
    QWidget* donoDoNavegador_ = nullptr;
    friend class LinhaDeAcorde;
};

}  // namespace trovale
