#include "drawing/diagram_fit.h"

#include "fingering/fret_rows_fit.h"

namespace trovale {

DiagramaInteiro diagramaInteiro(const Aparencia& aparencia, const TDigitacao& digitacao) {
    DiagramaInteiro inteiro{aparencia, digitacao};
    if (!ajustarAsCasas(inteiro.digitacao, aparencia.casas())) inteiro.aparencia.Extensao = 2;
    return inteiro;
}

}  // namespace trovale
