#pragma once
// "Teclas do palco": teaches the stage view the keys a pedal sends. The musician clicks a side's
// field and steps on the pedal; the key joins that side. Kept in PALCO.INI.

#include <QDialog>
#include <QFrame>
#include <QKeyCombination>
#include <filesystem>

#include "settings/stage_keys_file.h"

class QLabel;
class QPushButton;

namespace trovale {

class Dialogs;
class FileSystem;

// A field that takes the next key pressed in it, Tab aside, instead of acting on it.
class CampoDeTeclas : public QFrame {
    Q_OBJECT
  public:
    explicit CampoDeTeclas(QWidget* parent = nullptr);
    void setTexto(const QString& texto);

  signals:
    void teclaPressionada(QKeyCombination tecla);

  protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    QLabel* texto_;
};

class TTeclasPalcoDlg : public QDialog {
    Q_OBJECT
  public:
    TTeclasPalcoDlg(FileSystem& fs, std::filesystem::path pastaPrograma, Dialogs& dialogs,
                    QWidget* parent = nullptr);

    const TeclasDoPalco& teclas() const { return teclas_; }
    // Shows the saved keys for changing; true when new ones were saved.
    bool ensinar();

    CampoDeTeclas *CampoAvancar, *CampoVoltar;
    QLabel* LabelAviso;
    QPushButton *BtnLimparAvancar, *BtnLimparVoltar, *BtnFabrica, *BtnOK, *BtnCancel, *BtnHelp;

  signals:
    void ajudaPedida(const QString& pagina);

  protected:
    void accept() override;

  private:
    void criarControles();
    void incluir(QKeyCombination tecla, bool avancar);
    void mostrar();

    FileSystem& fs_;
    std::filesystem::path pasta_;
    Dialogs& dialogs_;
    TeclasDoPalco teclas_;
    TeclasDoPalco editadas_;
};

}  // namespace trovale
