#pragma once
// TAspectForm, the look of the fingering diagrams: a large example that answers clicks, two
// examples at their printed sizes, the options and the seven proportions in percent.
// It reads ASPECTO.INI when made at start-up and writes it only through "Tornar padrão".

#include <QDialog>
#include <QPointer>
#include <array>
#include <filesystem>

#include "base/file_system.h"
#include "catalogue/fingering.h"
#include "render/appearance.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QToolButton;

namespace trovale {

class Dialogs;
class DiagramBox;
class THelpForm;

class TAspectForm : public QDialog {
    Q_OBJECT
  public:
    // `aparencia` is the program's one appearance: it is read from `pasta` here.
    TAspectForm(Aparencia& aparencia, FileSystem& fs, std::filesystem::path pasta,
                QWidget* parent = nullptr);

    // The message window and the help window, made after this one.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setAjuda(THelpForm* ajuda);

    // The B minor shape shown, with its casas following the casas shown.
    const TDigitacao& exemplo() const { return exemplo_; }
    const MedidasDiagrama& medidas() const { return medidas_; }
    // Parameter number 1..7 of the edit the buttons act on.
    int selecionado() const { return selecionado_; }
    QLineEdit* edit(int numero) const { return edits_[numero - 1]; }

    // Takes the text of a changed edit, as leaving it does; false when it was refused.
    bool validarEdit(int numero);
    // The plus and minus buttons: one pixel more or less of the selected item.
    void mudarUmPixel(int passo);
    // Selects the edit of what a click at this point of the large example hits.
    void selecionarPeloExemplo(QPoint ponto);

    // The B minor shape for 4 or 5 casas.
    static TDigitacao exemploPara(int casas);

    QRadioButton *HorizontalRB, *VerticalRB, *AcEsqRBI, *AbDirRBI, *AcEsqRBp, *AbDirRBp;
    QRadioButton *RB4casas, *RB5casas;
    QPushButton *BtnOK, *BtnCancel, *BtnPadrao, *BtnFabrica, *BtnHelp;
    QToolButton *SpeedButtonMais, *SpeedButtonMenos;
    DiagramBox *PBexemplo, *PB1, *PB2;

  public slots:
    void done(int resultado) override;

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void createControls();
    QWidget* createOptions();
    QWidget* createEdits();
    QWidget* createButtons();
    void connectControls();
    void mostrarValores();
    void escreverEdits();
    void lerRadios();
    void legendasOrientacao();
    void DesenharClick();
    void pintarExemplo(QPainter& p);
    void pintarPequeno(QPainter& p, const DiagramBox& caixa);
    void devolverFoco();
    void BtnPadraoClick();
    void BtnFabricaClick();
    bool teclaEdit(QLineEdit* edit, QKeyEvent* tecla);
    void aviso(const std::string& texto);

    Aparencia& emVigor_;
    const Aparencia fabrica_{};
    Aparencia capturada_;
    FileSystem& fs_;
    std::filesystem::path pasta_;
    Dialogs* dialogs_ = nullptr;
    QPointer<THelpForm> ajuda_;
    MedidasDiagrama medidas_;
    TDigitacao exemplo_;
    int selecionado_ = kPropWC;
    std::array<QLineEdit*, 7> edits_{};
};

}  // namespace trovale
