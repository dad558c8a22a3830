#include "ui/document_window/scroll_steps.h"

#include <algorithm>

namespace trovale {

namespace {

// Trunc(a * b / c + 0.5) for non-negative values, in integers.
int arredondado(long long a, long long b, long long c) {
    return c <= 0 ? 0 : static_cast<int>((2 * a * b + c) / (2 * c));
}

}  // namespace

PassosRolagem passosRolagem(int conteudo, int vista) {
    PassosRolagem p;
    p.excesso = std::max(0, conteudo - std::max(vista, 0));
    if (p.excesso == 0) return p;
    p.pequeno = std::min(kFimBarra, arredondado(std::max(vista, 0), kFimBarra, p.excesso)) / 5 + 1;
    p.grande = 5 * p.pequeno;
    p.linhaPx = arredondado(p.excesso, p.pequeno, kFimBarra);
    p.paginaPx = 5 * p.linhaPx;
    return p;
}

int posicaoDaBarra(int deslocamento, int excesso) {
    return std::clamp(arredondado(std::max(deslocamento, 0), kFimBarra, excesso), 0, kFimBarra);
}

int deslocamentoDaPosicao(int posicao, int excesso) {
    return std::clamp(arredondado(std::clamp(posicao, 0, kFimBarra), excesso, kFimBarra), 0,
                      std::max(excesso, 0));
}

}  // namespace trovale
