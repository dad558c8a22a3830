#pragma once
// Answers the program's message and question windows from a test, as a user would: it
// reads what each window says and presses one of its buttons.

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <deque>

#include "ui/dialogs/info_form.h"
#include "ui/dialogs/yes_no_form.h"

namespace trovale::testing {

class ModalAnswerer : public QObject {
  public:
    QStringList avisos;             // message texts, in order
    QList<QWidget*> perguntas;      // question windows answered
    std::deque<bool> respostasSim;  // answers to questions, in order; Não when empty

    ModalAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { responder(); });
        timer_.start();
    }

  private:
    void responder() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (auto* info = qobject_cast<TInfoForm*>(modal)) {
            avisos.append(info->texto());
            info->findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
        } else if (auto* pergunta = qobject_cast<TYesNoForm*>(modal)) {
            perguntas.append(pergunta);
            const bool sim = !respostasSim.empty() && respostasSim.front();
            if (!respostasSim.empty()) respostasSim.pop_front();
            pergunta
                ->findChild<QPushButton*>(sim ? QStringLiteral("BtnSim") : QStringLiteral("BtnNao"))
                ->click();
        }
    }

    QTimer timer_;
};

}  // namespace trovale::testing
