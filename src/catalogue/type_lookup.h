#pragma once
// Matching a canonical symbol to a catalogued chord type.

#include <string_view>

#include "catalogue/type_catalogue.h"

namespace trovale {

// Exact match against CifraLinear, type 100 down to 1; 0 when none.
int TipoPorCifra(const CatalogoTipos& tipos, std::string_view canonica);

// Match by the intervals the canonical string implies; 0 when none.
int TipoPorIntervalos(const CatalogoTipos& tipos, std::string_view canonica);

// The type that also holds a bass d semitones above the root (0..11); 0 when none.
int TipoIncluindoBaixo(const CatalogoTipos& tipos, int d, int tipo);

}  // namespace trovale
