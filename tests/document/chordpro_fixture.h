#pragma once
// Helpers for the ChordPro tests.

#include <string>

#include "document/interpretation_catalogue.h"
#include "document/text_interpretation.h"

namespace trovale::testing {

// The fingering text of the test catalogue's fingering with these frets ("x 0 2 2 1 0").
inline std::string catalogada(const std::string& trastes) {
    const Catalogo& catalogo = catalogoDeInterpretacao();
    for (int p = 1; p <= catalogo.digitacoes.NumDigitacoes(); ++p)
        if (trastesDaDigitacao(textoDaDigitacao(catalogo, p)) == trastes)
            return textoDaDigitacao(catalogo, p);
    return "";
}

}  // namespace trovale::testing
