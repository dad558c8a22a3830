#pragma once
// TEditForm, the fingering editor: a fingering built on the fretboard, the note each string
// sounds, and, once linked to a chord, its tones in colour on the strings, in a row and on a
// piano. Its commands name the chord a fingering plays, check it against the linked chord,
// catalogue it, slide it along the neck and propose a new chord type from it.

#include <QDialog>
#include <QPointer>
#include <optional>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "fingering/editor_state.h"
#include "render/appearance.h"
#include "ui/chord_choice/fingering_list.h"

class QCheckBox;
class QLabel;
class QMimeData;
class QPushButton;
class QToolButton;

namespace trovale {

class DetailPanel;
class FretboardPanel;
class LembreteGravacao;
class TChooseForm;
class TChordsForm;
class TCriarForm;
class THelpForm;
class TSelectForm;
class TTiposForm;
class SomDeAcordes;

class TEditForm : public QDialog {
    Q_OBJECT
  public:
    TEditForm(Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
              LembreteGravacao& lembrete, TSelectForm& selecao, QWidget* parent = nullptr);

    // For this window and the identification window it opens.
    void setAjuda(THelpForm* ajuda);
    // The chord type editor, which completes a type proposed by "C&riar tipo".
    void setTipos(TTiposForm* tipos) { tipos_ = tipos; }
    // The program's sound: the right button on the fretboard sounds the fingering.
    void setSom(SomDeAcordes* som) { som_ = som; }
    // Screen y of the window's top, kept by the main window.
    void setTopo(int topo) { topo_ = topo; }

    // Plain mode: an empty fingering, no chord. Modal.
    void abrir();
    // Analysis of a song's fingering: it is loaded, the link cleared. Modal.
    void analisar(const TDigitacao& digitacao);
    // abrir() and analisar() without waiting, for callers that run their own loop.
    void preparar(const std::optional<TDigitacao>& digitacao);

    // Links the fingering to a chord, as identification or the chord selection do.
    void vincularAcorde(const std::string& raiz, int tipo);

    const FingeringEditorState& estado() const { return estado_; }
    TChordsForm& navegador();
    TChooseForm& opcoes() { return *escolha_; }
    TCriarForm& intervalos() { return *criar_; }
    FretboardPanel* painelBraco() const { return braco_; }
    DetailPanel* PanelDetalhe = nullptr;

    QLabel *LabelDeslocar, *Label2, *PanelHelp;
    QToolButton *SpeedButtonMenos, *SpeedButtonMais;
    QCheckBox* CheckBox;
    QPushButton *BtnIdent, *BtnCriar, *BtnIncluir, *BtnTranspor, *BtnVerificar, *BtnVinculo,
        *BtnCancel, *BtnHelp;

  protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void done(int resultado) override;

  private:
    void createControls();
    QWidget* createButtons();
    void connectControls();
    void atualizar();
    void mostrarNavegador(bool selecionarUltima = false);
    void posicionar();

    // The fretboard.
    void clicarPonto(int corda, int casa);
    void alternarCorda(int corda);
    void clicarPestana(int corda, int casa);
    bool podeIniciarPestana(int casa);
    void arrastarPestana(int corda, int casa, int cordaFinal);
    void mover(int passo);
    void receberArrastada(const QMimeData& mime);

    // The commands; each first asks about fingerings not yet written back.
    bool atualizacaoPendenteCancela();
    bool validar();
    void identificar();
    void verificar();
    void catalogar();
    void transpor();
    void criarTipo();
    void alternarVinculo();
    void habilitarSoltasSeMarcado();
    void escreverLista(const ListaDeDigitacoes& lista, int catalogadas);

    Catalogo& catalogo_;
    const Aparencia& aparencia_;
    Dialogs& dialogs_;
    LembreteGravacao& lembrete_;
    TSelectForm& selecao_;
    TChooseForm* escolha_;
    TCriarForm* criar_;
    THelpForm* ajuda_ = nullptr;
    TTiposForm* tipos_ = nullptr;
    SomDeAcordes* som_ = nullptr;
    FingeringEditorState estado_;
    FretboardPanel* braco_ = nullptr;
    int topo_ = -1;
};

}  // namespace trovale
