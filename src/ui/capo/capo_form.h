#pragma once
// "Capotraste": the fret the capo goes on. The sheet keeps naming the shapes the player
// fingers; the sound, the sounding names and the transposition count the capo.

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace trovale {

class TCapoForm : public QDialog {
    Q_OBJECT
  public:
    explicit TCapoForm(QWidget* parent = nullptr);

    // The fret chosen, from the song's one; nothing when the user cancelled.
    std::optional<int> escolher(int atual);

    QComboBox* ComboCasa;
    QLabel* LabelSom;
    QPushButton *BtnOK, *BtnCancel, *BtnHelp;

  signals:
    void ajudaPedida(const QString& pagina);

  private:
    void mostrarSom();
};

}  // namespace trovale
