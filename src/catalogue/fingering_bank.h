#pragma once
// The fingerings in memory: one list kept grouped by (root, type) and its index.

#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/fingering.h"
#include "catalogue/type_catalogue.h"

namespace trovale {

inline constexpr int kMaxDigitacoes = 10000;

struct BancoDigitacoes {
    static constexpr int kNotasIndice = 13;

    std::vector<TDigitacaoGravada> Digitacoes;  // at most 10000
    // [root 1..12][type 1..100]: 1-based position of the first fingering, 0 = none.
    std::array<std::array<std::uint16_t, kMaxTipos + 1>, kNotasIndice> IndiceDigitacoes{};
    int DigitacoesRejeitadas = 0;

    int NumDigitacoes() const { return static_cast<int>(Digitacoes.size()); }
    void limpar();

    int PrimeiraDigitacao(int nota, int tipo) const;
    bool TemDigitacoes(int tipo) const;
    void ExcluirDigitacoesDoTipo(int tipo);
    // Number of records from a 1-based position on that keep its root and type.
    int tamanhoDaSequencia(int posicao) const;
};

}  // namespace trovale
