#include "ui/common/dialog_button.h"

namespace trovale {

QPushButton* criarBotaoDeDialogo(QWidget* dono, const char* nome, const QString& legenda) {
    auto* botao = new QPushButton(legenda, dono);
    botao->setObjectName(QLatin1String(nome));
    botao->setAutoDefault(false);
    return botao;
}

}  // namespace trovale
