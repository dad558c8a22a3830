#pragma once
// The limits of the seven diagram proportions: absolute maxima, the ratios that keep the
// elements of a diagram in proportion to one another, and a notice for strangely low values.

#include <string>
#include <string_view>

#include "drawing/diagram.h"

namespace trovale {

struct LimitesProporcao {
    double maximo;      // fraction
    double marcaBaixa;  // below it the value is accepted with a notice
};

// Limits of parameter 1..7 (kPropWC..kPropWL).
LimitesProporcao limitesProporcao(int numero);

struct ValidacaoProporcao {
    bool aceita = false;
    double valor = 0;      // the fraction checked
    std::string mensagem;  // UTF-8: why it was refused, or the low-value notice; empty if none
    int posicao = 0;       // where the caret goes on refusal: the offending character, or 0
};

// Checks a new value (fraction) for parameter `numero` against the other proportions of
// `emVigor`; the rules are tried in a fixed order and the first broken one refuses. `folga`
// widens every limit by that fraction of itself.
ValidacaoProporcao validarProporcao(const Aparencia& emVigor, int numero, double valor,
                                    double folga = 0);

// The same for a value typed in percent: "," counts as "."; an empty text is zero.
ValidacaoProporcao validarTextoProporcao(const Aparencia& emVigor, int numero,
                                         std::string_view texto);

// How the window shows a fraction in percent: width 5, three decimals ("1.000", "3.334").
std::string formatarPercentual(double fracao);

// True when every proportion keeps its limits and its ratios with the others of `aparencia`.
bool proporcoesValidas(const Aparencia& aparencia, double folga = 0);

}  // namespace trovale
