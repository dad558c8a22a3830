#pragma once
// The core's way of talking to the user, answered by the program's message and question
// windows. The windows are made once and reused for every message.

#include "base/dialogs.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace trovale {

class TConfirmForm;
class TInfoForm;
class TYesNoForm;

class WindowDialogs : public Dialogs {
  public:
    // The windows are parented to `parent` (usually the main window); it may be null.
    explicit WindowDialogs(QWidget* parent);
    ~WindowDialogs() override;
    WindowDialogs(const WindowDialogs&) = delete;
    WindowDialogs& operator=(const WindowDialogs&) = delete;

    void aviso(const std::string& texto) override;
    Resposta pergunta(int tipo, const std::string& argumento = {}) override;
    Resposta confirmarFechamento(const std::string& titulo, const std::string& caption) override;

    // The same message for texts that are already Unicode.
    void mostrarAviso(const QString& texto);
    // The question asked when a changed song is closed. `titulo` is the song's title line;
    // `caption` (the file name or "Sem título") replaces the window's own caption.
    Resposta confirmarFechamento(const QString& titulo, const QString& caption = {});

    TInfoForm* infoForm() const;
    TYesNoForm* yesNoForm() const;
    TConfirmForm* confirmForm() const;

  private:
    QPointer<TInfoForm> info_;
    QPointer<TYesNoForm> yesNo_;
    QPointer<TConfirmForm> confirm_;
};

}  // namespace trovale
