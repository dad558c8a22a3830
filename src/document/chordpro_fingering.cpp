#include "document/chordpro_fingering.h"

#include "catalogue/fingering_from_frets.h"
#include "document/text_interpretation.h"

namespace trovale {

namespace {

// 1-based catalogue position of the chord's fingering with these frets, or 0.
int catalogadaComTrastes(const Catalogo& catalogo, int raiz, int tipo,
                         const TrastesAbsolutos& trastes) {
    const int tipoCatalogado = catalogo.TipoComDigitacoes(raiz, tipo);
    const int inicio = catalogo.digitacoes.PrimeiraDigitacao(raiz, tipoCatalogado);
    if (inicio == 0) return 0;
    const int fim = inicio + catalogo.digitacoes.tamanhoDaSequencia(inicio);
    for (int posicao = inicio; posicao < fim; ++posicao)
        if (trastesDe(Decodificar(catalogo.digitacoes.Digitacoes[posicao - 1])) == trastes)
            return posicao;
    return 0;
}

std::string textoDe(const TDigitacaoGravada& g) {
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}

}  // namespace

std::optional<std::string> digitacaoDefinida(const Catalogo& catalogo, int raiz, int tipo,
                                             const TrastesAbsolutos& trastes) {
    if (const int posicao = catalogadaComTrastes(catalogo, raiz, tipo, trastes); posicao != 0)
        return textoDaDigitacao(catalogo, posicao);
    std::optional<TDigitacao> digitacao = digitacaoDeTrastes(trastes);
    if (!digitacao || notasSoantes(*digitacao).empty()) return std::nullopt;
    digitacao->Nota = raiz;
    digitacao->Tipo = tipo;
    return textoDe(catalogo.codificarParaCatalogo(*digitacao));
}

}  // namespace trovale
