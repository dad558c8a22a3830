#pragma once
// TSelectForm, the chord of a song cell: a root and a chord type from the catalogue, with the
// fingering browser beside it. "&Indefinir" keeps the chord and leaves its fingering undefined;
// a fingering picked in the browser closes both windows.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "render/appearance.h"
#include "ui/chord_choice/chords_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trovale {

class THelpForm;

// What the song window hands in and gets back. Symbols are Windows-1252.
struct AcordeDaCelula {
    std::string raiz;       // root spelling, e.g. "C#", "Bb" (empty: start at the first)
    int tipo = 0;           // chord type index (0: the first entry of the list)
    std::string digitacao;  // "0" or three numbers: the cell's current fingering
    std::string cifra;      // the cell's symbol as typed
};

struct EscolhaDeAcorde {
    std::string raiz;                      // root spelling chosen
    int tipo = 0;                          // chosen chord type (with bass when the symbol had one)
    std::string digitacao;                 // "0" for "&Indefinir", else the fingering's numbers
    std::optional<std::string> cifraDada;  // the "&Cifra (texto) =" text when that was chosen
};

// The 17 root spellings of the lists and their names, in list order (names in UTF-8).
struct RaizDaLista {
    const char* sigla;
    const char* nome;
};
extern const std::array<RaizDaLista, 17> kRaizesDaLista;

class TSelectForm : public QDialog {
    Q_OBJECT
  public:
    TSelectForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                QWidget* parent = nullptr);

    // Shows the window modally on the cell's chord. `podeEscolher` false only browses
    // ("&Fechar"), and nothing is returned. `todas` shows "Aplicar a todas as ocorrências";
    // `soDigitacao` ticks it and locks root and type, so only the fingering may change.
    std::optional<EscolhaDeAcorde> escolher(const AcordeDaCelula& celula, bool podeEscolher,
                                            bool todas = false, bool soDigitacao = false);
    // escolher() in two halves, for callers that run their own event loop.
    void preparar(const AcordeDaCelula& celula, bool podeEscolher, bool todas = false,
                  bool soDigitacao = false);
    const std::optional<EscolhaDeAcorde>& resultado() const { return resultado_; }

    // The fingering editor's link: every change of root or type goes to `aoMudar` at once;
    // true when "&Vincular" confirmed a chord type. Shown beside `editor`, as tall as it.
    using MudancaDoVinculo = std::function<void(const std::string& raiz, int tipo)>;
    bool vincular(const std::string& raiz, int tipo, MudancaDoVinculo aoMudar,
                  const QWidget& editor);
    // The style the symbols are drawn in: the standard or the optional symbol.
    bool cifraOpcional() const;

    bool aplicarATodas() const;
    void setAjuda(THelpForm* ajuda);
    TChordsForm& navegador() { return *navegador_; }

    // Root spelling and type index now chosen (type 0 for a separator).
    std::string raizEscolhida() const;
    int tipoEscolhido() const;
    // The type list's position of a type, -1 when it is not listed.
    int posicaoDoTipo(int tipo) const;

    QLabel *Label1, *Label2, *Label3, *Memo1;
    QComboBox *ComboBoxNome, *ComboBoxSigla, *ComboBoxTipo;
    QRadioButton *RBpadrao, *RBopcional, *RBdada;
    QLineEdit* EditCifra;
    QCheckBox* CheckBoxTodas;
    QPushButton *BtnOK, *BtnCancel;

  public slots:
    void done(int resultado) override;

  protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void createControls();
    QWidget* createRoots();
    QWidget* createStyle();
    void connectControls();
    void preencherTipos();
    void mostrarCatalogo();
    void aplicar();
    void confirmar();
    bool receberEscolha(const std::string& codigo, const CifraConferida* cifra);
    void devolverFoco();
    TChordsForm::Escolha modoDeEscolha();
    void selecionarNasListas(const std::string& raiz, int tipo);
    void posicionarVinculo();

    const Catalogo& catalogo_;
    Dialogs& dialogs_;
    TChordsForm* navegador_;
    THelpForm* ajuda_ = nullptr;
    std::vector<int> tipoDaPosicao_;
    AcordeDaCelula celula_;
    bool podeEscolher_ = true;
    bool soDigitacao_ = false;
    QWidget* ultimaLista_ = nullptr;
    std::optional<EscolhaDeAcorde> resultado_;
    MudancaDoVinculo aoMudarVinculo_;  // set only while linking for the editor
    const QWidget* editor_ = nullptr;
};

}  // namespace trovale
