#include "catalogue/chord_type.h"

#include "catalogue/intervals.h"

namespace trovale {

int contarElementos(const ElementosCifra& elementos) {
    int n = 0;
    for (const auto& posicao : elementos)
        for (const auto& texto : posicao)
            if (!texto.empty()) ++n;
    return n;
}

bool elementosVazios(const ElementosCifra& elementos) { return contarElementos(elementos) == 0; }

int NumIntervalos(const TTipoAcorde& tipo) {
    int ultimo = 0;
    for (int i = 0; i < kMaxIntervalosTipo; ++i)
        if (tipo.Intervalos[i] != 0) ultimo = i + 1;
    return ultimo;
}

std::string AssinaturaDe(const IntervalosTipo& intervalos) {
    std::string assinatura;
    for (std::uint8_t codigo : intervalos) {
        if (codigo == 0) break;
        if (codigo != kIntervaloQuinta) assinatura += static_cast<char>(64 + codigo);
    }
    return assinatura;
}

}  // namespace trovale
