#pragma once
// TTiposForm, the chord type editor: the types of the catalogue looked through in their
// presentation order, and included, altered or deleted: their intervals, reference name and
// standard and optional symbols, drawn as the sheet will show them. Every confirmed change
// goes to the catalogue in memory at once; the "Acordes" menu saves it.

#include <QDialog>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "catalogue/type_editing.h"
#include "fingering/interval_choices.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace trovale {

class IntervalList;
class LembreteGravacao;
class SymbolGrid;
class SymbolPreview;
class THelpForm;

class TTiposForm : public QDialog {
    Q_OBJECT
  public:
    TTiposForm(Catalogo& catalogo, Dialogs& dialogs, LembreteGravacao& lembrete,
               QWidget* parent = nullptr);

    void setAjuda(THelpForm* ajuda) { ajuda_ = ajuda; }

    // From the menu: the first entry shown, no task. Modal.
    void abrir();
    // From the fingering editor: straight into an inclusion with these intervals, closing
    // after it. The new type's number, 0 when cancelled. Modal, over `editor`.
    int criar(const IntervalosPropostos& proposta, QWidget* editor = nullptr);
    // abrir() and criar() without waiting, for callers that run their own loop.
    void preparar();
    void prepararCriacao(const IntervalosPropostos& proposta);

    Tarefa tarefa() const { return tarefa_; }
    const TipoEmEdicao& registro() const { return registro_; }
    int tipoCriado() const { return tipoCriado_; }
    bool editandoCifra() const { return editandoCifra_; }

    QComboBox* ComboBox;
    QLabel *LabelTask, *LabelCifra;
    QPushButton *BtnInclude, *BtnModify, *BtnExclude, *BtnConfirmTask, *BtnCancelTask;
    QPushButton *BtnEditarPadrao, *BtnEditarOpcional, *BtnConfirmEdit, *BtnCancelEdit;
    QPushButton *BtnClose, *BtnHelp;
    IntervalList* ListBox1;
    QLineEdit* EditNome;
    SymbolGrid* StringGrid;
    SymbolPreview *ImagemPadrao, *ImagemOpcional;

  protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void reject() override;

  private:
    void createControls();
    QWidget* createTaskBar();
    QWidget* createSymbolPanel();
    void connectControls();

    // tipos_form_tasks.cpp
    void preencherLista(int entrada);
    void mostrarEntrada(int entrada);
    void mostrarRegistro();
    void aplicarModo();
    void iniciarTarefa(Tarefa tarefa);
    void confirmarTarefa();
    void cancelarTarefa();
    void encerrarTarefa(int entrada);
    void clicarIntervalo(int codigo);
    void editarCifra(bool padrao);
    void encerrarEdicaoCifra(bool confirmada);
    void gradeMudou();
    void mostrarAjuda();

    Catalogo& catalogo_;
    Dialogs& dialogs_;
    LembreteGravacao& lembrete_;
    THelpForm* ajuda_ = nullptr;
    QWidget* painelCifra_ = nullptr;

    Tarefa tarefa_ = Tarefa::Nenhuma;
    TipoEmEdicao registro_;
    int entrada_ = 0;
    bool intervalosBloqueados_ = false;
    bool padraoBloqueado_ = false;
    bool editandoCifra_ = false;
    bool editandoPadrao_ = true;
    bool criacao_ = false;
    int tipoCriado_ = 0;
    int cursorNome_ = 0;
};

}  // namespace trovale
