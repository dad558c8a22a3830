#pragma once
// TModelForm, the presentation template of the selected song: the fonts of the sheet's text
// elements, capitals only, the presentation mode, the order of the diagram list and the
// printed diagram size. Its second use floats beside the song and lends its elements to be
// dropped on sheet rows, giving them a new line meaning.

#include <QDialog>
#include <QFont>
#include <QRect>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "settings/template.h"
#include "ui/template_window/element_drag.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace trovale {

class Dialogs;
class ElementLabel;
class EditTamanho;
class FileSystem;

class TModelForm : public QDialog {
    Q_OBJECT
  public:
    static const QString kPaginaAjuda;  // "modelo.html"

    // `padrao` is the program's stored default template (MODELO.INI), changed by "Tornar
    // padrão" and read by "Adotar padrão"; all references outlive the window.
    TModelForm(Modelo& padrao, FileSystem& fs, std::filesystem::path pastaPrograma,
               Dialogs& dialogs, QWidget* parent = nullptr);

    // Edit mode, modal: the document's template into the window; true on OK.
    bool editar(const Modelo& doDocumento);
    // What the window shows, laid over `base` (element 5 and what the window does not show
    // stay as in base): fonts of the seven labels (size negated for capitals only), element
    // 4's size from EditSize (base's when EditSize does not convert), Presentation and
    // DiagramListOrder from the radios, QuebrarLinhas from its box.
    Modelo modeloDaJanela(const Modelo& base) const;
    // Line-meaning mode: shown without being modal, staying on top (a tool window), preloaded
    // with the document's template; labels other than "Cifras" can be dragged onto sheet rows.
    // `topoDaFolha`: where the song's sheet begins on screen, below its buttons, which the
    // window must leave in sight.
    void mostrarParaArrastar(const Modelo& doDocumento, std::optional<int> topoDaFolha = {});
    // True while the window floats in line-meaning mode.
    bool modoArrastar() const;

    // The label of a line kind; nothing for the kinds without one (4 and 5).
    ElementLabel* labelDoElemento(int elemento) const;

    // Tests and the program may replace the font dialog (default: QFontDialog::getFont) and
    // the colour dialog (default: QColorDialog::getColor).
    std::function<std::optional<QFont>(const QFont& atual, QWidget* pai)> escolherFonte;
    std::function<std::optional<QColor>(const QColor& atual, QWidget* pai)> escolherCor;
    // Where the window goes vertically: the page setup window's preview frame when it is
    // showing (global rect), else the main window's stored top. Unset: centred on screen.
    std::function<std::optional<QRect>()> quadroDaPrevia;
    std::function<int()> topoPrincipal;

    ElementLabel *LabelTitulo, *LabelAutor, *LabelNormal, *LabelCifras, *LabelRefrao, *LabelCoro,
        *LabelObs;
    QLabel *LabelOrdem, *LabelSide, *LabelHint;
    QRadioButton *RBSL, *RBLC, *RBCL, *RBLD, *RBDT, *RBDC;
    EditTamanho* EditSize;
    QCheckBox* CBQuebrar;
    QPushButton *OKBtn, *CancelBtn, *BtnAplicar, *BtnPadrao, *BtnAdotar, *BtnHelp;

  signals:
    void aplicarPedido();  // "Aplicar": the caller reads modeloDaJanela() and applies it
    void ajudaPedida(const QString& pagina);

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void createControls();
    QWidget* createElementos();
    QWidget* createApresentacao();
    QWidget* createTamanho();
    QWidget* createBotoes();
    void connectControls();
    void connectLabel(ElementLabel* label);

    void prepararModo(bool arrastar);
    void mostrarModelo(const Modelo& modelo);
    void habilitarOrdem();
    void ajustarTamanho();
    void posicionar(std::optional<int> topo = {});
    void devolverFoco();

    void escolherFonteDe(ElementLabel* label);
    void escolherCorDe(ElementLabel* label);
    void copiarFonte(ElementLabel* alvo, int deElemento);
    bool tamanhoAceito();
    void OKBtnClick();
    void BtnAplicarClick();
    void BtnPadraoClick();
    void BtnAdotarClick();

    Modelo& padrao_;
    FileSystem& fs_;
    std::filesystem::path pasta_;
    Dialogs& dialogs_;
    bool arrastar_ = false;
    std::array<ElementLabel*, 7> labels_{};
    QScrollArea* rolagem_ = nullptr;
};

}  // namespace trovale
