#pragma once
// Conversion between a symbol's elements and its one-line form.

#include <string>
#include <string_view>

#include "catalogue/chord_type.h"

namespace trovale {

std::string CifraLinearDe(const ElementosCifra& elementos);
ElementosCifra ElementosDaCifra(std::string_view texto);

}  // namespace trovale
