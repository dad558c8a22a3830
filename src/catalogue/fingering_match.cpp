#include "catalogue/fingering_match.h"

#include <algorithm>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"

namespace trovale {

namespace {

bool contem(const std::vector<int>& notas, int nota) {
    return std::find(notas.begin(), notas.end(), nota) != notas.end();
}

}  // namespace

ResultadoTeste TestarDigitacao(int raiz, const TTipoAcorde& tipo, const std::vector<int>& soantes) {
    ResultadoTeste r;
    // A free slot has no components and never matches.
    if (tipo.livre() || tipo.Intervalos[0] == 0) return r;
    r.raizSoa = contem(soantes, raiz);
    const bool quatroNotas = tipo.Intervalos[2] != 0;  // has a component 4

    std::vector<int> exigidas;
    exigidas.reserve(kMaxIntervalosTipo + 1);
    exigidas.push_back(raiz);
    int notaQuinta = 0, componenteQuinta = 0;
    for (int i = 0; i < kMaxIntervalosTipo; ++i) {
        const int codigo = tipo.Intervalos[i];
        if (codigo == 0) continue;
        const int nota = reduzirNota(raiz + TabelaIntervalos[codigo].semitons);
        if (quatroNotas && codigo == kIntervaloQuinta && r.raizSoa && componenteQuinta == 0) {
            notaQuinta = nota;
            componenteQuinta = i + 2;
            continue;
        }
        exigidas.push_back(nota);
    }

    const std::size_t inicio = (r.raizSoa || quatroNotas) ? 1 : 0;
    for (std::size_t e = inicio; e < exigidas.size(); ++e) {
        if (contem(soantes, exigidas[e])) continue;
        const int entrada = static_cast<int>(e) + 1;
        const bool depoisDaQuinta = componenteQuinta != 0 && entrada >= componenteQuinta;
        r.colunaFaltante = depoisDaQuinta ? entrada : entrada - 1;
        r.notaFaltante = exigidas[e];
        return r;
    }
    for (std::size_t s = 0; s < soantes.size(); ++s) {
        const int nota = soantes[s];
        if (nota == raiz || (notaQuinta != 0 && nota == notaQuinta) || contem(exigidas, nota))
            continue;
        r.posicaoEstranha = static_cast<int>(s) + 1;
        return r;
    }
    r.casou = true;
    r.quintaOmitida = notaQuinta != 0 && !contem(soantes, notaQuinta);
    return r;
}

}  // namespace trovale
