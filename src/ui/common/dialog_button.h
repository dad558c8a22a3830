#pragma once
// A push button of a dialog's own row: named for tests and rules, and never the default just
// because it has the focus, so that Enter always means the dialog's default button.

#include <QPushButton>

namespace trovale {

QPushButton* criarBotaoDeDialogo(QWidget* dono, const char* nome, const QString& legenda);

}  // namespace trovale
