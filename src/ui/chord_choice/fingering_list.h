#pragma once
// The catalogued fingerings of one chord as the browser lists them, fitted to the number of
// fret rows the diagrams show.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"
#include "fingering/fret_rows_fit.h"

namespace trovale {

// One entry of the list: the fingering as drawn, its root spelling and its ordinal among the
// chord's catalogued fingerings (kept in the type field, as the list has always done).
struct EntradaLista {
    TDigitacao digitacao;
    std::string raiz;
    int ordinal = 0;
};

struct ListaDeDigitacoes {
    std::string raiz;   // empty: no chord
    int nota = 0;       // pitch class of the root
    int tipo = 0;       // the type asked for
    int tipoComDigitacoes = 0;  // the type the fingerings are filed under
    int catalogadas = 0;        // how many catalogued fingerings the list was built from
    std::vector<EntradaLista> entradas;
};

ListaDeDigitacoes montarLista(const Catalogo& catalogo, std::string_view raiz, int tipo,
                              int casas);

// Spelling of an entry's bass within the chord of the resolved type.
std::string grafiaDoBaixo(const CatalogoTipos& tipos, const EntradaLista& entrada, int tipo);

// A fingering as a song stores it: its three words in decimal.
std::string codigoDaDigitacao(const TDigitacao& digitacao, int nota, int tipo);

}  // namespace trovale
