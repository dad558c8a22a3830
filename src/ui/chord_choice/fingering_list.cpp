#include "ui/chord_choice/fingering_list.h"

#include <algorithm>

#include "catalogue/notes.h"
#include "fingering/chord_tones.h"

namespace trovale {

namespace {

// The lowest string not muted carries the bass.
int cordaDoBaixo(const TDigitacao& d) {
    for (int corda = kCordas; corda >= 1; --corda)
        if (d.tocada(corda)) return corda;
    return 0;
}

}  // namespace

ListaDeDigitacoes montarLista(const Catalogo& catalogo, std::string_view raiz, int tipo,
                              int casas) {
    ListaDeDigitacoes lista;
    lista.tipo = tipo;
    const int nota = notaDaGrafiaDeCifra(raiz);
    if (nota == 0) return lista;
    lista.raiz = std::string(raiz);
    lista.nota = nota;
    lista.tipoComDigitacoes = catalogo.TipoComDigitacoes(nota, tipo);
    if (lista.tipoComDigitacoes == 0) return lista;

    const auto& gravadas = catalogo.digitacoes.Digitacoes;
    const int primeira = catalogo.digitacoes.PrimeiraDigitacao(nota, lista.tipoComDigitacoes);
    if (primeira == 0) return lista;
    for (int pos = primeira; pos <= static_cast<int>(gravadas.size()); ++pos) {
        const TDigitacaoGravada& g = gravadas[pos - 1];
        if (notaGravada(g) != nota || tipoGravado(g) != lista.tipoComDigitacoes) break;
        ++lista.catalogadas;
        EntradaLista e{Decodificar(g), lista.raiz, lista.catalogadas};
        if (!ajustarAsCasas(e.digitacao, casas)) continue;
        lista.entradas.push_back(std::move(e));
    }
    return lista;
}

std::string grafiaDoBaixo(const CatalogoTipos& tipos, const EntradaLista& e, int tipo) {
    const int corda = cordaDoBaixo(e.digitacao);
    if (corda == 0) return {};
    const int nota = e.digitacao.notaDaCorda(corda);
    const int raiz = notaDaGrafiaDeCifra(e.raiz);
    if (GrafiaNota(nota, false) == e.raiz || GrafiaNota(nota, true) == e.raiz) return e.raiz;
    if (!tipos.existe(tipo)) return GrafiaNota(nota, false);
    const ChordToneRow tons = chordToneRow(tipos.tipo(tipo), e.raiz, raiz);
    // Flat spelling first, then sharp, among components 2..6.
    for (bool bemol : {true, false}) {
        const std::string grafia = GrafiaNota(nota, bemol);
        for (int k = 1; k < kColunasTons; ++k)
            if (tons[k] == grafia) return grafia;
    }
    return GrafiaNota(nota, false);
}

std::string codigoDaDigitacao(const TDigitacao& digitacao, int nota, int tipo) {
    TDigitacao d = digitacao;
    d.Nota = nota;
    d.Tipo = tipo;
    const TDigitacaoGravada g = Codificar(d);
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}

}  // namespace trovale
