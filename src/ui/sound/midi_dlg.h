#pragma once
// TMidiDlg, how the chords sound: the MIDI device, the instrument, the bass sounding first,
// and a test. It reads MIDISOM.INI when made at start-up and writes it only through
// "Tornar &Padrão".

#include <QDialog>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <string>

#include "base/file_system.h"
#include "catalogue/fingering.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace trovale {

class AcordeMidi;
class SaidaMidi;
class THelpForm;

class TMidiDlg : public QDialog {
    Q_OBJECT
  public:
    // Sets the player's device, program and bass from the saved settings in `pasta`.
    TMidiDlg(AcordeMidi& acorde, SaidaMidi& saida, FileSystem& fs, std::filesystem::path pasta,
             QWidget* parent = nullptr);

    // What "&Testar som" plays: the appearance window's example, asked for at each test since
    // it follows that window's casas. Without it, an open A minor.
    void setExemplo(std::function<TDigitacao()> exemplo);
    void setAjuda(THelpForm* ajuda);

    QLabel *LabelCBD, *LabelDisp, *LabelCBI, *LabelInst;
    QComboBox *ComboBoxDisp, *ComboBoxInst;
    QCheckBox *CBtestar, *CBbaixo;
    QPushButton *BtnTest, *BtnSave, *BtnClose, *BtnHelp;

  protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void createControls();
    QGroupBox* createDevice();
    QGroupBox* createInstrument();
    QGroupBox* createOptions();
    QWidget* createButtons();
    void connectControls();
    void lerPadrao();

    void usarDispositivo(int entrada);
    void escolherDispositivo(int entrada);
    void aplicarInstrumento(const std::string& texto);
    void selecionarInstrumento(const std::string& texto);
    // The instrument in force in the field, its suggestion selected.
    void mostrarNoCampo();
    void textoDigitado(const QString& texto);
    void vizinho(int passo);
    bool teclaInstrumento(const QKeyEvent& tecla);
    void mudarBaixo(bool destacar);
    void testarSeMarcado();
    void testarSom();
    void tornarPadrao();
    void marcarAlterado(bool alterado = true);

    AcordeMidi& acorde_;
    SaidaMidi& saida_;
    FileSystem& fs_;
    std::filesystem::path pasta_;
    std::function<TDigitacao()> exemplo_;
    QPointer<THelpForm> ajuda_;
    int entrada_ = 0;
    std::string instrumento_;  // "024 - Violão com cordas de nylon", or a bare "007"
};

}  // namespace trovale
