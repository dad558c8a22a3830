#pragma once
// The message window ("Aviso"): one text, read and dismissed with OK, Enter or Esc.

#include <QDialog>

class QLabel;
class QPushButton;

namespace trovale {

class WrappedTextBox;

class TInfoForm : public QDialog {
    Q_OBJECT
  public:
    explicit TInfoForm(QWidget* parent = nullptr);

    // Puts the text in, then sizes the window for it and centres it on the screen.
    void setTexto(const QString& texto);
    QString texto() const;

    // Esc and the window's close box count as OK: a message has nothing to cancel.
    void reject() override;

  private:
    void createControls();
    void fitToText();

    WrappedTextBox* memoTexto_ = nullptr;
    QWidget* panelBotoes_ = nullptr;
    QLabel* labelDica_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};

}  // namespace trovale
