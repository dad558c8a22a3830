#pragma once
// The closing question of a changed song ("ConfirmarFechamento"): save, discard or stay.

#include "base/dialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace trovale {

class WrappedTextBox;

class TConfirmForm : public QDialog {
    Q_OBJECT
  public:
    explicit TConfirmForm(QWidget* parent = nullptr);

    // The song's title line; a title wider than its place is shown on two lines.
    void setTitulo(const QString& titulo);
    QString titulo() const;
    // Sim (save first), Nao (close without saving) or Cancelar (keep the window open).
    Resposta resposta() const { return resposta_; }

    // Esc and the close box keep the document open: the one answer that loses nothing.
    void reject() override;

  private:
    void createControls();
    QLayout* createHeader();
    QLayout* createButtons(int rowGap);
    void answer(Resposta resposta);

    QLabel* labelAviso_ = nullptr;
    WrappedTextBox* boxTitulo_ = nullptr;
    QPushButton* btnSim_ = nullptr;
    QPushButton* btnNao_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    Resposta resposta_ = Resposta::Cancelar;
};

}  // namespace trovale
