#pragma once
// The checks of the deferred start-up: a program without its catalogue must not run.

#include <string>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"

namespace trovale {

// Shown once when no printer is installed.
std::string mensagemSemImpressora();

// False, after saying which file is missing or damaged, when the catalogue cannot be used.
bool verificarCatalogo(const Catalogo& catalogo, Dialogs& dialogs);

// The fingerings the loader dropped because they do not fit their chord types.
std::string mensagemInconsistencias(int ocorrencias);

}  // namespace trovale
