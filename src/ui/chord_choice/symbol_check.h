#pragma once
// Checking the chord symbol the user typed against the chord and fingering being picked.

#include <optional>
#include <string>

#include "base/dialogs.h"
#include "catalogue/fingering.h"
#include "catalogue/type_catalogue.h"

namespace trovale {

struct PedidoDeConferencia {
    std::string cifra;                  // Windows-1252, as typed
    const TDigitacao* digitacao = nullptr;  // the picked fingering; none for "&Indefinir"
    // Spelling of the fingering's bass; empty when it is the chord's root, which then is the
    // symbol's root.
    std::string baixoDaDigitacao;
    // The chord selection window offers to correct the symbol's bass; the other windows refuse.
    bool oferecerAcerto = false;
    // Only the fingering may change: the symbol must keep this root and type.
    std::optional<std::pair<int, int>> raizETipoFixos;
};

struct CifraConferida {
    bool aceita = false;
    std::string cifra;  // the symbol, corrected when the user accepted the correction
    std::string raiz;   // its root as written
    int tipo = 0;       // its type, including the bass
};

// Messages go to `dialogs` in UTF-8; a refusal changes nothing.
CifraConferida conferirCifra(const CatalogoTipos& tipos, Dialogs& dialogs,
                             const PedidoDeConferencia& pedido);

}  // namespace trovale
