#pragma once
// TCheckForm, " Interpretação do texto": how the text-mode editor's text will be read. It
// steps through the lines saying which are chord lines, lists every distinct chord, shows each
// as written and as the catalogue writes it, lets the user pick the writing of one or all
// chords (rewriting the text on "&Confirmar") and shows the fingering each chord will get.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "document/chord_rewriting.h"
#include "document/text_interpretation.h"
#include "render/appearance.h"

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace trovale {

class Dialogs;
class PaintBox;
class THelpForm;

// The three ways of writing a chord's symbol.
enum class FormaCifra { Original, Padrao, Opcional };

// What the fingering browser opens on for the highlighted chord.
struct PedidoDigitacao {
    std::string raiz;       // as written (Windows-1252)
    int tipoComBaixo = 0;   // the type of the whole sound, bass included
    std::string digitacao;  // the fingering text in use, "0" for none
};

class TCheckForm : public QDialog {
    Q_OBJECT
  public:
    // The catalogue must outlive the window.
    TCheckForm(const Catalogo& catalogo, Dialogs& dialogs, QWidget* parent = nullptr);

    // The diagrams' look; without it the factory look.
    void setAparencia(const Aparencia* aparencia) { aparencia_ = aparencia; }
    void setAjuda(THelpForm* ajuda);

    // Before exec(): the editor's lines and its table of known chords, which the window
    // interprets on show and whose fingerings it edits; the table must outlive exec().
    void setTexto(std::vector<std::string> linhas, AcordesConhecidos& conhecidos);

    // After exec() == Accepted: the lines with the chords rewritten, when a writing changed.
    bool textoReescrito() const { return reescrito_; }
    const std::vector<std::string>& linhas() const { return linhas_; }
    // A writing or a fingering changed.
    bool houveMudanca() const { return mudou_; }

    // The fingering browser: opened beside this window when a chord is highlighted, if set.
    // What the user picks there comes back through usarDigitacao().
    std::function<void(const PedidoDigitacao&)> aoDestacarAcorde;
    // The highlighted chord's fingering, as the browser's three-number text.
    void usarDigitacao(const std::string& digitacao);

    // The commands, as the controls run them.
    void destacar(int item);
    void mudarLinha(int passo);
    void usarForma(FormaCifra forma);         // the highlighted chord
    void usarFormaEmTodos(FormaCifra forma);  // every chord
    void OKBtnClick();

    // What the window shows, for the one who looks at it.
    const InterpretacaoTexto& interpretacao() const { return interpretacao_; }
    int linhaAtual() const { return linhaAtual_; }
    QString itemTexto(int item) const;
    // The colour the highlighted chord's form is drawn in: black in use, grey available,
    // white not applicable.
    QColor corDaForma(FormaCifra forma) const;

    QLabel *LabelnL, *LabelL, *LabelNA;
    QListWidget* ListBox;
    QToolButton *SpeedButtonMais, *SpeedButtonMenos;
    PaintBox *PaintBoxCL, *PaintBoxCP, *PaintBoxCO, *PaintBoxDA;
    QPushButton *BtnPaD, *BtnOaD, *BtnLaD, *BtnPtA, *BtnOtA, *BtnLtA;
    QPushButton *OKBtn, *CancelBtn, *BtnHelp;

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    // One chord of the list: its writing when the window opened and now.
    struct Sigla {
        std::string itemOriginal;
        std::string item;
        std::string linearOriginal;
        std::string linear;
    };

    void createControls();
    QWidget* createLineView();
    QWidget* createChordPanel();
    QWidget* createButtons();
    void connectControls();
    void interpretar();
    void mostrarLinha();
    void cortarLinha();
    void mostrarAcorde();
    void acordeDestacado();
    void atualizarBotoes();
    bool catalogado(int item) const;
    bool disponivel(int item, FormaCifra forma) const;
    const ElementosCifra& elementos(int item, FormaCifra forma) const;
    bool aplicarForma(int item, FormaCifra forma);
    void marcarMudanca();
    std::vector<TrocaDeSigla> trocas() const;
    const TAcordeInterpretado& acorde(int item) const;
    FormaCifra formaParaTodos(int item, FormaCifra forma) const;
    void pintarNome(QPainter& p, const QRect& caixa, FormaCifra forma) const;
    void pintarDigitacao(QPainter& p, const QRect& caixa) const;
    void abrirAjuda();

    const Catalogo& catalogo_;
    Dialogs& dialogs_;
    const Aparencia* aparencia_ = nullptr;
    QPointer<THelpForm> ajuda_;
    AcordesConhecidos semTabela_;
    AcordesConhecidos* conhecidos_ = &semTabela_;
    std::vector<std::string> linhas_;
    InterpretacaoTexto interpretacao_;
    std::vector<Sigla> siglas_;
    std::vector<std::string> digitacoesAntes_;
    int linhaAtual_ = 1;
    QString textoLinha_;  // the line view's text before it is cut to fit
    bool mudouEscrita_ = false;
    bool mudou_ = false;
    bool reescrito_ = false;
};

}  // namespace trovale
