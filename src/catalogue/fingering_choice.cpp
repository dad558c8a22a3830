#include "catalogue/fingering_choice.h"

#include <algorithm>

namespace trovale {

namespace {

constexpr int kPrimeiraCordaDoBaixo = 3;

}  // namespace

int extensaoDeTrastes(const TDigitacao& d) {
    int menor = 0, maior = 0;
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (!d.tocada(corda)) continue;
        const int traste = d.trasteRelativo(corda);
        if (traste == 0) continue;
        menor = menor == 0 ? traste : std::min(menor, traste);
        maior = std::max(maior, traste);
    }
    return maior == 0 ? 0 : maior - menor + 1;
}

int notaDoBaixo(const TDigitacao& d) {
    for (int corda = kPrimeiraCordaDoBaixo; corda <= kCordas; ++corda)
        if (d.estado(corda) == kCordaBaixo) return d.notaDaCorda(corda);
    return 0;
}

int EscolherDigitacao(const Catalogo& catalogo, int raiz, int baixo, int tipo, int variante,
                      int trastesMostrados) {
    const int tipoCatalogado = catalogo.TipoComDigitacoes(raiz, tipo);
    const int inicio = catalogo.digitacoes.PrimeiraDigitacao(raiz, tipoCatalogado);
    if (inicio == 0) return 0;
    // A mark such as "*A" asks for no fingering we can number: take the first.
    const int procurada = std::max(variante, 1);
    const auto& lista = catalogo.digitacoes.Digitacoes;
    int achadas = 0, ultima = 0;
    for (int posicao = inicio; posicao <= static_cast<int>(lista.size()); ++posicao) {
        const TDigitacaoGravada& gravada = lista[posicao - 1];
        if (notaGravada(gravada) != raiz || tipoGravado(gravada) != tipoCatalogado) break;
        const TDigitacao d = Decodificar(gravada);
        if (extensaoDeTrastes(d) > trastesMostrados || notaDoBaixo(d) != baixo) continue;
        ultima = posicao;
        if (++achadas == procurada) return posicao;
    }
    return ultima;
}

}  // namespace trovale
