#pragma once
// The flat picture buttons of the tool panels, and the tie that makes a button run a menu
// item and be usable exactly when the item is.

#include <QToolButton>

#include "ui/common/tool_icons.h"

class QAction;

namespace trovale {

QToolButton* criarBotaoFerramenta(QWidget* parent, const char* nome, const QString& dica,
                                  IconeFerramenta icone);
void seguirItem(QToolButton* botao, QAction* item);

}  // namespace trovale
