#pragma once
// A song's fingering code drawn as a diagram fitted into a box, or a red "?" when the chord
// has no fingering.

#include <QRect>
#include <string>

#include "render/appearance.h"

class QPainter;

namespace trovale {

void pintarDiagramaDoCodigo(QPainter& p, const QRect& caixa, const Aparencia& aparencia,
                            const std::string& codigo);

}  // namespace trovale
