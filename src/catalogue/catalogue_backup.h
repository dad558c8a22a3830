#pragma once
// The copy of the catalogue pair kept in CtlgBackUp before each save.

#include <functional>
#include <string>

#include "catalogue/catalogue_files.h"

namespace trovale {

// The local date and time as days since 30 December 1899, the fraction being the time of day.
using RelogioDias = std::function<double()>;

double diasDesde1899();

// Thousandths of a day since 6 December 1999.
long numeroCopia(double dias);

// "C" followed by the number in at least 7 digits.
std::string nomeBaseCopia(long numero);

// Copies POSICOES.DIG and ACORDES.TIP to CtlgBackUp under a fresh base name, both with the
// same modification time. Returns the base name, or an empty name when the backup failed
// (then no partial copy is left).
std::string CopiarCatalogo(const ArquivosCatalogo& arquivos, const RelogioDias& relogio);

}  // namespace trovale
