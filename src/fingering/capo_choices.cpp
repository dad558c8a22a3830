#include "fingering/capo_choices.h"

#include <algorithm>
#include <array>

#include "catalogue/notes.h"

namespace trovale {

namespace {

constexpr int kCasas = 12;

// How hard a key's usual chords are on the guitar, by its tonic (A = 1 .. Ab = 12): C, G, D,
// Am, Em and Dm are open chords; keys further round the circle of fifths need barres.
constexpr std::array<int, 13> kDificuldadeMaior = {0, 1, 4, 4, 0, 6, 0, 5, 1, 3, 6, 0, 5};
constexpr std::array<int, 13> kDificuldadeMenor = {0, 0, 5, 2, 3, 4, 0, 6, 0, 4, 3, 3, 5};

int mod(int n, int m) {
    return (n % m + m) % m;
}

}  // namespace

std::vector<EscolhaDeCapotraste> escolhasDeCapotraste(const TomDaCancao& tomDasFormas,
                                                      int capoAtual, int deslocamentoSoante) {
    std::vector<EscolhaDeCapotraste> escolhas;
    for (int casa = 0; casa < kCasas; ++casa) {
        int d = mod(capoAtual + deslocamentoSoante - casa, kCasas);
        if (d > kCasas / 2) d -= kCasas;
        const int nota = reduzirNota(tomDasFormas.nota + d);
        const auto& tabela = tomDasFormas.menor ? kDificuldadeMenor : kDificuldadeMaior;
        escolhas.push_back({casa, d, grafiaDaTonica(nota, tomDasFormas.menor, d),
                            tabela[static_cast<std::size_t>(nota)]});
    }
    std::stable_sort(escolhas.begin(), escolhas.end(), [](const auto& a, const auto& b) {
        return a.dificuldade < b.dificuldade;
    });
    return escolhas;
}

}  // namespace trovale
