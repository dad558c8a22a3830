#include "ui/template_window/template_placement.h"

#include <algorithm>

namespace trovale {

QPoint posicaoDoModelo(const QRect& tela, const QSize& janela, std::optional<QRect> previa,
                       std::optional<int> topoPrincipal) {
    const int x = std::max(tela.left(), tela.left() + tela.width() - janela.width() - 1);
    const int ultimo = std::max(tela.top(), tela.top() + tela.height() - janela.height());
    int y = tela.top() + (tela.height() - janela.height()) / 2;
    if (previa)
        y = previa->top() + (previa->height() - janela.height()) / 2;
    else if (topoPrincipal)
        y = *topoPrincipal + janela.height() <= tela.top() + tela.height() ? *topoPrincipal
                                                                           : tela.top();
    return {x, std::clamp(y, tela.top(), ultimo)};
}

}  // namespace trovale
