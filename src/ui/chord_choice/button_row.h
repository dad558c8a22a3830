#pragma once
// The confirm and cancel buttons side by side at the foot of the chord windows; neither is
// pressed by Enter unless the window says so.

#include <QHBoxLayout>
#include <QPushButton>

namespace trovale {

inline QHBoxLayout* linhaDeBotoes(QWidget* janela, QPushButton*& ok, const QString& textoOk,
                                  QPushButton*& cancelar, const QString& textoCancelar) {
    auto* botoes = new QHBoxLayout;
    ok = new QPushButton(textoOk, janela);
    cancelar = new QPushButton(textoCancelar, janela);
    ok->setObjectName(QStringLiteral("BtnOK"));
    cancelar->setObjectName(QStringLiteral("BtnCancel"));
    for (QPushButton* botao : {ok, cancelar}) {
        botao->setAutoDefault(false);
        botoes->addWidget(botao);
    }
    return botoes;
}

}  // namespace trovale
