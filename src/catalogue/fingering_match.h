#pragma once
// Whether a set of sounding notes plays a chord of a given root and type.

#include <vector>

#include "catalogue/chord_type.h"
#include "catalogue/fingering.h"

namespace trovale {

struct ResultadoTeste {
    bool casou = false;
    bool quintaOmitida = false;
    bool raizSoa = false;
    // On failure, one of these: the chord-tone column of the missing note (0 = root,
    // k-1 for component k) or the 1-based position of the foreign note in the sounding list.
    int colunaFaltante = -1;
    int posicaoEstranha = 0;
    int notaFaltante = 0;  // pitch class of the missing note
};

// The matching rule shared by loading, identification and verification.
ResultadoTeste TestarDigitacao(int raiz, const TTipoAcorde& tipo, const std::vector<int>& soantes);

}  // namespace trovale
