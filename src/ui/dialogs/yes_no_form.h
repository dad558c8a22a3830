#pragma once
// The question window ("Pergunta"): one of the numbered questions, answered Sim or Não.

#include "base/dialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace trovale {

class TYesNoForm : public QDialog {
    Q_OBJECT
  public:
    explicit TYesNoForm(QWidget* parent = nullptr);

    // Shows question kind 0..8 with its argument; sizes and centres the window.
    void setPergunta(int tipo, const QString& argumento = {});
    // Sim or Não, as answered the last time the window closed.
    Resposta resposta() const { return resposta_; }

    // Only the two buttons answer: Esc and the close box must not choose for the user,
    // since "Não" loses work in some questions and "Sim" in others.
    void reject() override;

  private:
    void createControls();
    void answer(Resposta resposta);
    QString fitLine(const QString& line) const;

    QLabel* labelTexto_ = nullptr;
    QLabel* labelPergunta_ = nullptr;
    QPushButton* btnSim_ = nullptr;
    QPushButton* btnNao_ = nullptr;
    Resposta resposta_ = Resposta::Nao;
};

}  // namespace trovale
