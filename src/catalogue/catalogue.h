#pragma once
// The chord catalogue: types, fingerings and the flags that say what must be saved.

#include "catalogue/fingering_bank.h"
#include "catalogue/type_catalogue.h"

namespace trovale {

struct Catalogo {
    CatalogoTipos tipos;
    BancoDigitacoes digitacoes;
    bool TiposAlterados = false;
    bool DigitacoesAlteradas = false;
    bool GravarJuntos = false;

    // The type, or an equal-sounding one, that has fingerings for this root.
    int TipoComDigitacoes(int nota, int tipo) const;
    // Encodes a fingering for storage, filed under the type that has fingerings.
    TDigitacaoGravada codificarParaCatalogo(TDigitacao digitacao) const;
};

}  // namespace trovale
