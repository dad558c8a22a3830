#include "ui/common/tool_button.h"

#include <QAction>

namespace trovale {

QToolButton* criarBotaoFerramenta(QWidget* parent, const char* nome, const QString& dica,
                                  IconeFerramenta icone) {
    auto* botao = new QToolButton(parent);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setToolTip(dica);
    botao->setIcon(iconeFerramenta(icone));
    botao->setIconSize(QSize(24, 24));
    botao->setAutoRaise(true);
    // The keyboard reaches every command through the menu; the sheet keeps the focus.
    botao->setFocusPolicy(Qt::NoFocus);
    return botao;
}

void seguirItem(QToolButton* botao, QAction* item) {
    QObject::connect(botao, &QToolButton::clicked, item, &QAction::trigger);
    QObject::connect(item, &QAction::changed, botao,
                     [botao, item] { botao->setEnabled(item->isEnabled()); });
    botao->setEnabled(item->isEnabled());
}

}  // namespace trovale
