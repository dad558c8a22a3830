#pragma once
// One fingering as a picture on white: the diagram with room for its start-fret label.

#include <QImage>

#include "render/appearance.h"

namespace trovale {

// `largura` is the width across the strings in pixels (the height in horizontal orientation);
// the neck is 6/5 of it with five casas and as long with four.
QImage imagemDiagrama(const Aparencia& aparencia, const TDigitacao& digitacao, int largura);

}  // namespace trovale
