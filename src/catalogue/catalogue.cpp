#include "catalogue/catalogue.h"

namespace trovale {

int Catalogo::TipoComDigitacoes(int nota, int tipo) const {
    if (!CatalogoTipos::numeroValido(tipo)) return 0;
    auto tem = [&](int t) { return digitacoes.PrimeiraDigitacao(nota, t) != 0; };
    auto seguir = [&](const auto& elos) {
        int t = tipo;
        // The chains are acyclic by construction, but a bound costs nothing.
        for (int passos = 0; !tem(t) && elos[t] != 0 && passos < kMaxTipos; ++passos) t = elos[t];
        return t;
    };
    if (int t = seguir(tipos.EquivalenteAnterior); tem(t)) return t;
    if (int t = seguir(tipos.EquivalenteSeguinte); tem(t)) return t;
    return tipo;
}

TDigitacaoGravada Catalogo::codificarParaCatalogo(TDigitacao digitacao) const {
    digitacao.Tipo = TipoComDigitacoes(digitacao.Nota, digitacao.Tipo);
    return Codificar(digitacao);
}

}  // namespace trovale
