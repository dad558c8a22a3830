#include "catalogue/fingering_match.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"

namespace trovale {

namespace {

template <typename Notas>
bool contem(const Notas& notas, int nota) {
    return std::find(std::begin(notas), std::end(notas), nota) != std::end(notas);
}

// At most the root and five components; every catalogued fingering passes here at start,
// so no allocation.
struct Exigidas {
    std::array<int, kMaxIntervalosTipo + 1> notas{};
    std::size_t quantas = 0;
    void push_back(int nota) { notas[quantas++] = nota; }
    std::size_t size() const { return quantas; }
    int operator[](std::size_t i) const { return notas[i]; }
    const int* begin() const { return notas.data(); }
    const int* end() const { return notas.data() + quantas; }
};

}  // namespace

ResultadoTeste TestarDigitacao(int raiz, const TTipoAcorde& tipo, const std::vector<int>& soantes) {
    ResultadoTeste r;
    // A free slot has no components and never matches.
    if (tipo.livre() || tipo.Intervalos[0] == 0) return r;
    r.raizSoa = contem(soantes, raiz);
    const bool quatroNotas = tipo.Intervalos[2] != 0;  // has a component 4

    Exigidas exigidas;
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
