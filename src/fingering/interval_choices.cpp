#include "fingering/interval_choices.h"

#include <algorithm>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"

namespace trovale {

namespace {

// Codes from here on are compound: an octave above their simple counterparts.
constexpr int kPrimeiroComposto = 12;  // "b9"

void acrescentarQueAlcancam(std::vector<int>& escolhas, int de, int ate, int semitons) {
    for (int codigo = de; codigo <= ate; ++codigo)
        if (TabelaIntervalos[codigo].semitons == semitons) escolhas.push_back(codigo);
}

}  // namespace

std::vector<int> intervalChoices(int nota, int base) {
    std::vector<int> escolhas;
    const int distancia = ((nota - base) % kNotasPorOitava + kNotasPorOitava) % kNotasPorOitava;
    if (distancia != 0) {
        acrescentarQueAlcancam(escolhas, 1, kPrimeiroComposto - 1, distancia);
        acrescentarQueAlcancam(escolhas, kPrimeiroComposto, kMaxCodigoIntervalo,
                               distancia + kNotasPorOitava);
    }
    escolhas.push_back(kEscolhaBase);
    return escolhas;
}

std::string_view choiceName(int escolha) {
    return codigoIntervaloValido(escolha) ? TabelaIntervalos[escolha].nome : kNomeBase;
}

std::vector<std::vector<int>> intervalChoices(const std::vector<SoundingNote>& notas,
                                              int baseIndex) {
    std::vector<std::vector<int>> listas;
    const int base = notas.at(baseIndex).nota;
    for (const SoundingNote& n : notas) listas.push_back(intervalChoices(n.nota, base));
    return listas;
}

std::optional<IntervalosPropostos> proposeIntervals(const std::vector<SoundingNote>& notas,
                                                    int baseIndex,
                                                    const std::vector<int>& escolhas) {
    std::vector<int> codigos;
    for (int e : escolhas)
        if (codigoIntervaloValido(e)) codigos.push_back(e);
    if (codigos.size() > static_cast<std::size_t>(kMaxIntervalosTipo)) return std::nullopt;
    std::sort(codigos.begin(), codigos.end());
    IntervalosPropostos p;
    p.nota = notas.at(baseIndex).nota;
    p.grafia = notas.at(baseIndex).grafia;
    std::copy(codigos.begin(), codigos.end(), p.intervalos.begin());
    return p;
}

}  // namespace trovale
