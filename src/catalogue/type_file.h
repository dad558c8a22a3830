#pragma once
// ACORDES.TIP: the chord types as text, read and written byte for byte.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/type_catalogue.h"

namespace trovale {

struct LeituraTipos {
    bool danificado = false;      // the whole file is refused
    std::vector<int> duplicatas;  // type numbers met a second time
};

// The count line may go on with the highest type number ever used, written only when it is
// above every type present.

// Fills the types from the file's bytes. A damaged file leaves no entries and no types.
LeituraTipos lerTipos(std::string_view bytes, CatalogoTipos& tipos);

// Whether bytes are a sound type file holding at least one type.
bool arquivoTiposIntegro(std::string_view bytes);

// The file's bytes for the catalogue, separators taking their caption through slot 0.
std::string escreverTipos(CatalogoTipos& tipos);

// The warning shown for a type number met twice.
std::string mensagemDuplicata(int numero);

}  // namespace trovale
