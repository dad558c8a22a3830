#pragma once
// Fingerings and catalogues for the fingering tests, written the way a player reads them.

#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"
#include "catalogue/frets_notation.h"

namespace trovale::testing {

// Frets notation ("x 3 2 0 1 0", string 6 first, absolute frets) at start fret casa. Barres
// come with relative frets; a fretted string that a barre covers at the same fret takes no
// note, every other one gets a note, filled from string 6 towards string 1.
inline TDigitacao dedilhado(std::string_view trastes, int casa = 1,
                            std::initializer_list<Pestana> pestanas = {}) {
    const auto lidos = lerTrastes(trastes);
    if (!lidos) throw std::invalid_argument("bad frets");
    TDigitacao d;
    d.Casa = casa;
    std::size_t p = 0;
    for (const Pestana& pestana : pestanas) d.Pestanas.at(p++) = pestana;
    std::size_t n = 0;
    for (int corda = kCordas; corda >= 1; --corda) {
        const int traste = (*lidos)[kCordas - corda];
        d.Estado[corda - 1] = traste == kCordaNaoTocada ? kCordaMuda : kCordaTocada;
        if (traste <= 0) continue;
        const int relativo = traste - casa + 1;
        bool naPestana = false;
        for (const Pestana& pestana : pestanas)
            naPestana = naPestana || (corda >= pestana.CordaInicial &&
                                      corda <= pestana.CordaFinal && pestana.Traste == relativo);
        if (!naPestana)
            d.Notas.at(n++) = {static_cast<std::uint8_t>(corda),
                               static_cast<std::uint8_t>(relativo)};
    }
    d.marcarBaixo();
    return d;
}

// Appends a fingering to the catalogue as loading would: the index points at the start of
// each run of one root and type.
inline void catalogarDireto(Catalogo& catalogo, TDigitacao d, int nota, int tipo) {
    d.Nota = nota;
    d.Tipo = tipo;
    BancoDigitacoes& banco = catalogo.digitacoes;
    const bool novaSequencia = banco.Digitacoes.empty() ||
                               notaGravada(banco.Digitacoes.back()) != nota ||
                               tipoGravado(banco.Digitacoes.back()) != tipo;
    banco.Digitacoes.push_back(Codificar(d));
    if (novaSequencia)
        banco.IndiceDigitacoes[nota][tipo] = static_cast<std::uint16_t>(banco.NumDigitacoes());
}

}  // namespace trovale::testing
