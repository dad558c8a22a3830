#pragma once
// The program's own pictures: the start picture and the window icon, painted here so that
// no image file can go missing.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace trovale {

// The start picture's size at 96 dpi.
inline constexpr QSize kTamanhoFiguraInicial{600, 400};

// A guitar on a stage, the program's name and a chord diagram; `escala` is the screen's
// device pixel ratio, so that the picture keeps its 96-dpi size and stays sharp.
QPixmap desenharFiguraInicial(qreal escala = 1.0);

QIcon iconePrograma();

}  // namespace trovale
