#pragma once
// The diagram size edit ("Tamanho das digitações, em cm:"): digits and one decimal separator,
// and a selection that survives the clicks on the window's buttons.

#include <QLineEdit>

namespace trovale {

// Whether a typed character goes into the size text: digits always, "," or "." only while
// the text has neither. Keys without a character (arrows, Tab) and control characters
// (backspace, Enter, Escape, editing shortcuts) keep their usual work.
bool teclaAceitaNoTamanho(const QString& texto, const QString& tecla);

class EditTamanho : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditTamanho(QWidget* parent = nullptr);

    // Takes the focus back with the selection it had when it lost it.
    void voltarFoco();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

  private:
    int inicioSelecao_ = -1;
    int tamanhoSelecao_ = 0;
    int cursor_ = 0;
};

}  // namespace trovale
