#pragma once
// Where the template window appears: against the right edge of the screen, beside the sheet,
// at the height of what the user is looking at.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace trovale {

// `tela`: the screen's available area; `janela`: the window's outer size. Vertically the
// window is centred on the page setup window's preview frame when there is one, else it goes
// to the main window's top when it fits below it, else to the top of the screen; with neither
// known it is centred on the screen. It never leaves the screen.
QPoint posicaoDoModelo(const QRect& tela, const QSize& janela, std::optional<QRect> previa,
                       std::optional<int> topoPrincipal);

}  // namespace trovale
