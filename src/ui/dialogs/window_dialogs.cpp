#include "ui/dialogs/window_dialogs.h"

#include "ui/dialogs/confirm_form.h"
#include "ui/dialogs/info_form.h"
#include "ui/dialogs/yes_no_form.h"

#include <QCursor>
#include <QGuiApplication>

#include <memory>

namespace trovale {

namespace {

// A message may come while the busy cursor is up (loading, start-up): the user still
// needs the arrow to answer it.
class ArrowWhileAsking {
  public:
    ArrowWhileAsking() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~ArrowWhileAsking() {
        if (busy_) QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

  private:
    bool busy_;
};

// The shared window, or one of its own when the shared one is already up: a message that
// comes while another is being read must neither replace the text on show nor get lost.
template <typename Form>
Form& freeForm(Form* shared, std::unique_ptr<Form>& own) {
    if (!shared->isVisible()) return *shared;
    own = std::make_unique<Form>(shared->parentWidget());
    return *own;
}

}  // namespace

WindowDialogs::WindowDialogs(QWidget* parent)
    : info_(new TInfoForm(parent)),
      yesNo_(new TYesNoForm(parent)),
      confirm_(new TConfirmForm(parent)) {}

// The windows die with their parent; without one, or when this goes first, delete them here.
WindowDialogs::~WindowDialogs() {
    delete info_.data();
    delete yesNo_.data();
    delete confirm_.data();
}

TInfoForm* WindowDialogs::infoForm() const {
    return info_;
}
TYesNoForm* WindowDialogs::yesNoForm() const {
    return yesNo_;
}
TConfirmForm* WindowDialogs::confirmForm() const {
    return confirm_;
}

void WindowDialogs::aviso(const std::string& texto) {
    mostrarAviso(QString::fromStdString(texto));
}

void WindowDialogs::mostrarAviso(const QString& texto) {
    std::unique_ptr<TInfoForm> own;
    TInfoForm& form = freeForm(info_.data(), own);
    form.setTexto(texto);
    ArrowWhileAsking arrow;
    form.exec();
}

Resposta WindowDialogs::pergunta(int tipo, const std::string& argumento) {
    std::unique_ptr<TYesNoForm> own;
    TYesNoForm& form = freeForm(yesNo_.data(), own);
    form.setPergunta(tipo, QString::fromStdString(argumento));
    ArrowWhileAsking arrow;
    form.exec();
    return form.resposta();
}

Resposta WindowDialogs::confirmarFechamento(const std::string& titulo,
                                            const std::string& caption) {
    return confirmarFechamento(QString::fromStdString(titulo), QString::fromStdString(caption));
}

Resposta WindowDialogs::confirmarFechamento(const QString& titulo, const QString& caption) {
    std::unique_ptr<TConfirmForm> own;
    TConfirmForm& form = freeForm(confirm_.data(), own);
    form.setWindowTitle(caption.isEmpty() ? QStringLiteral(" Abandonando modificações ") : caption);
    form.setTitulo(titulo);
    ArrowWhileAsking arrow;
    form.exec();
    return form.resposta();
}

}  // namespace trovale
